// Placeholders that refuse every call until this part of the stand-in host
// is written (removable media): the operator module links against a
// complete host.
#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

MAIN_MEDIA* mainSelectMediaInit(void) {
  return hostCall("mainSelectMediaInit", static_cast<MAIN_MEDIA*>(nullptr), [](Host&) { return static_cast<MAIN_MEDIA*>(nullptr); });
}

int32_t mainSelectMediaRequester(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaRequester", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaMount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaMount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaUmount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaUmount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

void mainSelectMediaExit(MAIN_MEDIA* media) {
  hostCallVoid("mainSelectMediaExit", [](Host&) {}, media);
}

}
