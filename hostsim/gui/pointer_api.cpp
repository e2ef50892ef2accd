// The pointer of the host GUI: beeps, busy look, attributes and position.
#include "host/vg.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/display.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

void vgPointerBeep(void) {
  hostCallVoid("vgPointerBeep", [](Host& h) { h.display().beep(); });
}

void vgBusyPointer(void) {
  hostCallVoid("vgBusyPointer", [](Host& h) { h.display().setBusyPointer(true); });
}

void vgStandardPointer(void) {
  hostCallVoid("vgStandardPointer", [](Host& h) { h.display().setBusyPointer(false); });
}

int32_t vgSetPointerAttrs(int32_t look, int32_t a, int32_t b, int32_t c) {
  return hostCall("vgSetPointerAttrs", int32_t(-1), [&](Host& h) { return h.display().setPointerAttrs(look, a, b, c); },
                  look, a, b, c);
}

int32_t vgSetPointerPosition(int16_t x, int16_t y) {
  return hostCall("vgSetPointerPosition", int32_t(-1), [&](Host& h) { return h.display().setPointerPosition(x, y); }, x,
                  y);
}

}
