// The transition requester: a jingle chosen by the user.
#include "host/tx.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

TX_REQUEST txAllocRequest(int32_t kind) {
  return hostCall("txAllocRequest", TX_REQUEST(0), [&](Host& h) { return h.media().jingles().allocate(kind); }, kind);
}

int32_t txRequest(TX_REQUEST request, int32_t flags) {
  return hostCall("txRequest", int32_t(-1), [&](Host& h) { return h.media().jingles().show(request); }, request, flags);
}

int32_t txGetStatus(TX_REQUEST request) {
  return hostCall("txGetStatus", int32_t(-1), [&](Host& h) { return h.media().jingles().status(request); }, request);
}

int32_t txGetFileName(TX_REQUEST request, char* buffer, int32_t size) {
  return hostCall(
      "txGetFileName", int32_t(-1), [&](Host& h) { return h.media().jingles().fileName(request, buffer, size); },
      request, buffer, size);
}

int32_t txGetImageName(TX_REQUEST request, XCHAR* buffer, int32_t size) {
  return hostCall(
      "txGetImageName", int32_t(-1), [&](Host& h) { return h.media().jingles().imageName(request, buffer, size); },
      request, buffer, size);
}

void txFreeRequest(TX_REQUEST request) {
  hostCallVoid("txFreeRequest", [&](Host& h) { h.media().jingles().release(request); }, request);
}

}
