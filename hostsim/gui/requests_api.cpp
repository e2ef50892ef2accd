// Host requester functions: thin shims onto Panels.
#include "host/host.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/panels.h"

using hostsim::Host;
using hostsim::hostCall;

extern "C" {

int32_t vreqCreateRequest(VREQ_REQUEST* request) {
  return hostCall("vreqCreateRequest", int32_t(-1), [&](Host& h) { return h.panels().createRequest(request); }, request);
}

int32_t vreqDeleteRequest(VREQ_REQUEST* request) {
  return hostCall("vreqDeleteRequest", int32_t(-1), [&](Host& h) { return h.panels().deleteRequest(request); }, request);
}

int32_t vreqTextRequest(VREQ_TEXT* request) {
  return hostCall("vreqTextRequest", int32_t(-1), [&](Host& h) { return h.panels().textRequest(request); }, request);
}

int32_t vreqKeyRequest(VREQ_KEY* request) {
  return hostCall("vreqKeyRequest", int32_t(-1), [&](Host& h) { return h.panels().keyRequest(request); }, request);
}

int32_t vreqPaletteRequest(VREQ_PALETTE* request) {
  return hostCall("vreqPaletteRequest", int32_t(-1), [&](Host& h) { return h.panels().paletteRequest(request); },
                  request);
}

int32_t vreqFileRequest(VREQ_FILE* request) {
  return hostCall("vreqFileRequest", int32_t(-1), [&](Host& h) { return h.panels().fileRequest(request); }, request);
}

int32_t vreqArchivesRequest(const XCHAR* title) {
  return hostCall("vreqArchivesRequest", int32_t(-1), [&](Host& h) { return h.panels().archivesRequest(title); }, title);
}

}
