// The render library: handles, frame rate, fields as pictures and sound,
// the visible area, recording times and the video output monitor.
#include "host/cm.h"
#include "host/op.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;

namespace {
hostsim::RenderLibrary& render(Host& h) { return h.media().render(); }
}  // namespace

extern "C" {

CM_HANDLE cmOpen(int32_t a, int32_t b) {
  return hostCall("cmOpen", CM_HANDLE(0), [](Host& h) { return render(h).open(); }, a, b);
}

CM_HANDLE cmOpen2(int32_t a, int32_t b, int32_t c) {
  return hostCall("cmOpen2", CM_HANDLE(0), [](Host& h) { return render(h).open(); }, a, b, c);
}

int32_t cmGetFramesPerSecond(CM_HANDLE handle, int32_t flags) {
  return hostCall("cmGetFramesPerSecond", int32_t(-1), [&](Host& h) { return render(h).framesPerSecond(handle); },
                  handle, flags);
}

int32_t cmVersion(int32_t which) {
  return hostCall(
      "cmVersion", int32_t(-1),
      [&](Host& h) { return which == 0 ? h.config().renderMajor : which == 1 ? h.config().renderMinor : -1; }, which);
}

int32_t cmInitRender(CM_HANDLE handle, int32_t mode, int32_t flags) {
  return hostCall("cmInitRender", int32_t(-1), [&](Host& h) { return render(h).initRender(handle); }, handle, mode,
                  flags);
}

int32_t cmExitRender(CM_HANDLE handle, int32_t flags) {
  return hostCall("cmExitRender", int32_t(-1), [&](Host& h) { return render(h).exitRender(handle); }, handle, flags);
}

int32_t cmInitRenderAudio(CM_HANDLE handle, int32_t mode, int32_t flags) {
  return hostCall("cmInitRenderAudio", int32_t(-1), [&](Host& h) { return render(h).initSound(handle); }, handle, mode,
                  flags);
}

int32_t cmExitRenderAudio(CM_HANDLE handle) {
  return hostCall("cmExitRenderAudio", int32_t(-1), [&](Host& h) { return render(h).exitSound(handle); }, handle);
}

int32_t cmGetField(CM_HANDLE handle, OP_IMAGE* image, int32_t flags, int32_t field) {
  return hostCall("cmGetField", int32_t(-1), [&](Host& h) { return render(h).getField(handle, image, field); }, handle,
                  image, flags, field);
}

int32_t cmGetVisibleArea(CM_HANDLE handle, int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1, int32_t flags) {
  return hostCall(
      "cmGetVisibleArea", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!x0 || !y0 || !x1 || !y1) return -1;
        return render(h).visibleArea(handle, *x0, *y0, *x1, *y1);
      },
      handle, hostsim::out(x0), hostsim::out(y0), hostsim::out(x1), hostsim::out(y1), flags);
}

int32_t cmDisplayImage(CM_HANDLE handle, OP_IMAGE* image, int32_t flags) {
  return hostCall("cmDisplayImage", int32_t(-1), [&](Host& h) { return render(h).display(handle, image); }, handle,
                  image, flags);
}

OP_AUDIO* cmGetFieldAudio(CM_HANDLE handle, int32_t field) {
  return hostCall("cmGetFieldAudio", static_cast<OP_AUDIO*>(nullptr),
                  [&](Host& h) { return render(h).fieldSound(handle, field); }, handle, field);
}

int32_t cmGetRecInfo(CM_HANDLE handle, int32_t field, CM_RECTIME* end, CM_RECTIME* start, int32_t mode) {
  return hostCall(
      "cmGetRecInfo", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!end || !start) return -1;
        return render(h).recordingTimes(handle, field, *end, *start);
      },
      handle, field, hostsim::out(end), hostsim::out(start), mode);
}

}
