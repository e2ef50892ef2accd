// The removable-media calls: thin shims onto the host's RemovableMedia.
#include "host/host.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

MAIN_MEDIA* mainSelectMediaInit(void) {
  return hostCall("mainSelectMediaInit", static_cast<MAIN_MEDIA*>(nullptr),
                  [](Host& h) { return h.media().removable().init(); });
}

int32_t mainSelectMediaRequester(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaRequester", int32_t(-1), [&](Host& h) { return h.media().removable().choose(media); },
                  media);
}

int32_t mainSelectMediaMount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaMount", int32_t(-1), [&](Host& h) { return h.media().removable().mount(media); },
                  media);
}

int32_t mainSelectMediaUmount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaUmount", int32_t(-1), [&](Host& h) { return h.media().removable().unmount(media); },
                  media);
}

void mainSelectMediaExit(MAIN_MEDIA* media) {
  hostCallVoid("mainSelectMediaExit", [&](Host& h) { h.media().removable().exit(media); }, media);
}

}
