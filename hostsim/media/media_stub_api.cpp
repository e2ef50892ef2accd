// Placeholders that refuse every call until this part of the stand-in host
// is written (scrubbing, removable media): the operator module links
// against a complete host.
#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

int32_t cmScrubStart(CM_HANDLE render, uint32_t* state, int32_t flags) {
  return hostCall("cmScrubStart", int32_t(-1), [](Host&) { return int32_t(-1); }, render, state, flags);
}

int32_t cmScrubData(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t a, int32_t b) {
  return hostCall("cmScrubData", int32_t(-1), [](Host&) { return int32_t(-1); }, render, samples, pairs, a, b);
}

int32_t cmScrubStop(CM_HANDLE render, int32_t flags) {
  return hostCall("cmScrubStop", int32_t(-1), [](Host&) { return int32_t(-1); }, render, flags);
}

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
