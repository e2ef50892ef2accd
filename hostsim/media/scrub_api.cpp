// The render library's scrub calls: thin shims onto the scrub engine.
#include "host/cm.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;

extern "C" {

int32_t cmScrubStart(CM_HANDLE render, uint32_t* state, int32_t flags) {
  return hostCall("cmScrubStart", int32_t(-1), [&](Host& h) { return h.media().scrub().start(render, state, flags); },
                  render, state, flags);
}

int32_t cmScrubData(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t a, int32_t b) {
  return hostCall("cmScrubData", int32_t(-1),
                  [&](Host& h) { return h.media().scrub().data(render, samples, pairs, a, b); }, render, samples,
                  pairs, a, b);
}

int32_t cmScrubStop(CM_HANDLE render, int32_t flags) {
  return hostCall("cmScrubStop", int32_t(-1), [&](Host& h) { return h.media().scrub().stop(render, flags); }, render,
                  flags);
}

}
