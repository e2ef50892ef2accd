// Monitors and screens of the host GUI: sizes, visible areas, the default
// monitor, clip rectangles, modes and refresh brackets.
#include "host/vg.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/display.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;
using hostsim::out;

namespace {

int32_t writeCorners(const std::optional<VG_CORNERS>& area, int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1) {
  if (!area || !x0 || !y0 || !x1 || !y1) return -1;
  *x0 = area->x0;
  *y0 = area->y0;
  *x1 = area->x1;
  *y1 = area->y1;
  return 0;
}

}  // namespace

extern "C" {

int32_t vgGetConnectedMonitors(void) {
  return hostCall("vgGetConnectedMonitors", int32_t(-1), [](Host& h) { return h.display().connectedMonitors(); });
}

int32_t vgGetDefaultMonitor(void) {
  return hostCall("vgGetDefaultMonitor", int32_t(-1), [](Host& h) { return h.display().defaultMonitor(); });
}

int32_t vgSetDefaultMonitor(int32_t monitor) {
  return hostCall("vgSetDefaultMonitor", int32_t(-1), [&](Host& h) { return h.display().setDefaultMonitor(monitor); },
                  monitor);
}

int16_t vgGetScreenWidth(void) {
  return hostCall("vgGetScreenWidth", int16_t(0), [](Host& h) {
    return h.display().screen().width(h.display().defaultMonitor());
  });
}

int16_t vgGetScreenHeight(void) {
  return hostCall("vgGetScreenHeight", int16_t(0), [](Host& h) {
    return h.display().screen().height(h.display().defaultMonitor());
  });
}

int16_t vgGetScreenWidthMonitor(int32_t monitor) {
  return hostCall("vgGetScreenWidthMonitor", int16_t(0), [&](Host& h) { return h.display().screen().width(monitor); },
                  monitor);
}

int16_t vgGetScreenHeightMonitor(int32_t monitor) {
  return hostCall("vgGetScreenHeightMonitor", int16_t(0), [&](Host& h) { return h.display().screen().height(monitor); },
                  monitor);
}

int32_t vgGetVisibleArea(int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1) {
  return hostCall(
      "vgGetVisibleArea", int32_t(-1),
      [&](Host& h) { return writeCorners(h.display().visibleArea(h.display().defaultMonitor()), x0, y0, x1, y1); },
      out(x0), out(y0), out(x1), out(y1));
}

int32_t vgGetVisibleAreaMonitor(int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1, int32_t monitor) {
  return hostCall(
      "vgGetVisibleAreaMonitor", int32_t(-1),
      [&](Host& h) { return writeCorners(h.display().visibleArea(monitor), x0, y0, x1, y1); }, out(x0), out(y0),
      out(x1), out(y1), monitor);
}

PIXEL_ASPECT vgGetPixelAspect(int32_t monitor) {
  return hostCall(
      "vgGetPixelAspect", PIXEL_ASPECT{1, 1},
      [&](Host& h) {
        // The GUI's screens have square pixels.
        if (monitor == VG_ASPECT_GUI_PIXELS) return PIXEL_ASPECT{1, 1};
        // A monitor that is not connected answers for the one the GUI is on.
        auto aspect = h.display().pixelAspect(monitor);
        return aspect ? *aspect : *h.display().pixelAspect(h.display().defaultMonitor());
      },
      monitor);
}

int32_t vgGetClipRectMonitor(VG_CORNERS* rect, int32_t monitor) {
  return hostCall(
      "vgGetClipRectMonitor", int32_t(-1),
      [&](Host& h) -> int32_t {
        const auto clip = h.display().clipRect(monitor);
        if (!clip || !rect) return -1;
        *rect = *clip;
        return 0;
      },
      out(rect), monitor);
}

int32_t vgSetClipRect(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
  return hostCall("vgSetClipRect", int32_t(-1), [&](Host& h) { return h.display().setClipRect(panel, {x0, y0, x1, y1}); },
                  panel, x0, y0, x1, y1);
}

int32_t vgGetVideoMode(void) {
  return hostCall("vgGetVideoMode", int32_t(-1), [](Host& h) { return h.display().videoMode(); });
}

int32_t vgGetDVIMode(void) {
  return hostCall("vgGetDVIMode", int32_t(-1), [](Host& h) { return h.display().dviMode(); });
}

int32_t vgGetGuiStatus(void) {
  // Bit 0: the GUI is up and shows pointers.
  return hostCall("vgGetGuiStatus", int32_t(0), [](Host&) { return int32_t(1); });
}

int32_t vgGetGuiLook(void) {
  return hostCall("vgGetGuiLook", int32_t(-1), [](Host& h) { return h.config().guiLook; });
}

int32_t vgGetColorBoostMain(void) {
  return hostCall("vgGetColorBoostMain", int32_t(0), [](Host& h) { return int32_t(h.config().colourBoost ? 1 : 0); });
}

void vgColorBarOff(void) {
  hostCallVoid("vgColorBarOff", [](Host& h) { h.display().setColourBar(false); });
}

void vgColorBarOn(void) {
  hostCallVoid("vgColorBarOn", [](Host& h) { h.display().setColourBar(true); });
}

int32_t vgDisableRefresh(int32_t monitor) {
  return hostCall("vgDisableRefresh", int32_t(-1), [&](Host& h) { return h.display().disableRefresh(monitor); },
                  monitor);
}

int32_t vgEnableRefresh(int32_t monitor) {
  return hostCall(
      "vgEnableRefresh", int32_t(-1),
      [&](Host& h) {
        const int32_t result = h.display().enableRefresh(monitor);
        if (result != 0) h.log().host(4, "vgEnableRefresh without vgDisableRefresh on monitor " + std::to_string(monitor));
        return result;
      },
      monitor);
}

}
