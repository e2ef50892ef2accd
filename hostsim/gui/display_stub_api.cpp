// Placeholders that refuse every call until this part of the stand-in host
// is written: the operator module links against a complete host.
#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

RES_STRINGS resLoadStrings(const char* setName) {
  return hostCall("resLoadStrings", RES_STRINGS(0), [](Host&) { return RES_STRINGS(0); }, setName);
}

void resFreeStrings(RES_STRINGS strings) {
  hostCallVoid("resFreeStrings", [](Host&) {}, strings);
}

const XCHAR* resGetString(RES_STRINGS strings, int32_t id) {
  return hostCall("resGetString", static_cast<const XCHAR*>(nullptr), [](Host&) { return static_cast<const XCHAR*>(nullptr); }, strings, id);
}

RES_IMAGES resLoadImages(const char* setName) {
  return hostCall("resLoadImages", RES_IMAGES(0), [](Host&) { return RES_IMAGES(0); }, setName);
}

void resFreeImages(RES_IMAGES images) {
  hostCallVoid("resFreeImages", [](Host&) {}, images);
}

VG_IMAGE* resGetImage(RES_IMAGES images, int32_t id) {
  return hostCall("resGetImage", static_cast<VG_IMAGE*>(nullptr), [](Host&) { return static_cast<VG_IMAGE*>(nullptr); }, images, id);
}

int32_t vgGetConnectedMonitors(void) {
  return hostCall("vgGetConnectedMonitors", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t vgGetDefaultMonitor(void) {
  return hostCall("vgGetDefaultMonitor", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t vgSetDefaultMonitor(int32_t monitor) {
  return hostCall("vgSetDefaultMonitor", int32_t(-1), [](Host&) { return int32_t(-1); }, monitor);
}

int16_t vgGetScreenWidth(void) {
  return hostCall("vgGetScreenWidth", int16_t(0), [](Host&) { return int16_t(0); });
}

int16_t vgGetScreenHeight(void) {
  return hostCall("vgGetScreenHeight", int16_t(0), [](Host&) { return int16_t(0); });
}

int16_t vgGetScreenWidthMonitor(int32_t monitor) {
  return hostCall("vgGetScreenWidthMonitor", int16_t(0), [](Host&) { return int16_t(0); }, monitor);
}

int16_t vgGetScreenHeightMonitor(int32_t monitor) {
  return hostCall("vgGetScreenHeightMonitor", int16_t(0), [](Host&) { return int16_t(0); }, monitor);
}

int32_t vgGetVisibleArea(int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1) {
  return hostCall("vgGetVisibleArea", int32_t(-1), [](Host&) { return int32_t(-1); }, x0, y0, x1, y1);
}

int32_t vgGetVisibleAreaMonitor(int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1, int32_t monitor) {
  return hostCall("vgGetVisibleAreaMonitor", int32_t(-1), [](Host&) { return int32_t(-1); }, x0, y0, x1, y1, monitor);
}

PIXEL_ASPECT vgGetPixelAspect(int32_t monitor) {
  return hostCall("vgGetPixelAspect", PIXEL_ASPECT{1, 1}, [](Host&) { return PIXEL_ASPECT{1, 1}; }, monitor);
}

int32_t vgGetClipRectMonitor(VG_CORNERS* rect, int32_t monitor) {
  return hostCall("vgGetClipRectMonitor", int32_t(-1), [](Host&) { return int32_t(-1); }, rect, monitor);
}

int32_t vgSetClipRect(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
  return hostCall("vgSetClipRect", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, x0, y0, x1, y1);
}

int32_t vgGetVideoMode(void) {
  return hostCall("vgGetVideoMode", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t vgGetDVIMode(void) {
  return hostCall("vgGetDVIMode", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t vgGetGuiStatus(void) {
  return hostCall("vgGetGuiStatus", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t vgGetGuiLook(void) {
  return hostCall("vgGetGuiLook", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t vgGetColorBoostMain(void) {
  return hostCall("vgGetColorBoostMain", int32_t(-1), [](Host&) { return int32_t(-1); });
}

void vgColorBarOff(void) {
  hostCallVoid("vgColorBarOff", [](Host&) {});
}

void vgColorBarOn(void) {
  hostCallVoid("vgColorBarOn", [](Host&) {});
}

uint32_t vgGetGuiColorYUV(int32_t index) {
  return hostCall("vgGetGuiColorYUV", uint32_t(0), [](Host&) { return uint32_t(0); }, index);
}

uint32_t vgGetNewGuiColorYUV(int32_t index) {
  return hostCall("vgGetNewGuiColorYUV", uint32_t(0), [](Host&) { return uint32_t(0); }, index);
}

void vgSetColorYUV(uint32_t colour) {
  hostCallVoid("vgSetColorYUV", [](Host&) {}, colour);
}

void vgSetColorRGB(uint32_t rgba) {
  hostCallVoid("vgSetColorRGB", [](Host&) {}, rgba);
}

int32_t vgRectFill(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
  return hostCall("vgRectFill", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, x0, y0, x1, y1);
}

int32_t vgFillBackground(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t colourIndex, int32_t flags) {
  return hostCall("vgFillBackground", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, x0, y0, x1, y1, colourIndex, flags);
}

int32_t vgDrawBoxNew(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t style, int32_t fillIndex, int32_t reserved1, int32_t reserved2) {
  return hostCall("vgDrawBoxNew", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, x0, y0, x1, y1, style, fillIndex, reserved1, reserved2);
}

int32_t vgBoxText(VG_PANEL panel, const XCHAR* text, int16_t x, int16_t y, int16_t width, int16_t height, uint32_t style) {
  return hostCall("vgBoxText", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, text, x, y, width, height, style);
}

int32_t vgBoxTextBuffer(void* buffer, int16_t bufferWidth, int16_t bufferHeight, const XCHAR* text, int16_t x, int16_t y, int16_t width, int16_t height, uint32_t style) {
  return hostCall("vgBoxTextBuffer", int32_t(-1), [](Host&) { return int32_t(-1); }, buffer, bufferWidth, bufferHeight, text, x, y, width, height, style);
}

int32_t vgRectFillBuffer(VG_PANEL target, int16_t x, int16_t y, void* buffer, int16_t bufferWidth, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t mode, int32_t flags) {
  return hostCall("vgRectFillBuffer", int32_t(-1), [](Host&) { return int32_t(-1); }, target, x, y, buffer, bufferWidth, x0, y0, x1, y1, mode, flags);
}

int32_t vgWriteRectRaw(VG_PANEL panel, const void* buffer, int16_t x, int16_t y, int16_t width, int16_t height, int32_t mode) {
  return hostCall("vgWriteRectRaw", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, buffer, x, y, width, height, mode);
}

VG_IMAGE* vgAllocImage(uint32_t flags, int16_t width, int16_t height) {
  return hostCall("vgAllocImage", static_cast<VG_IMAGE*>(nullptr), [](Host&) { return static_cast<VG_IMAGE*>(nullptr); }, flags, width, height);
}

void vgFreeImage(VG_IMAGE* image) {
  hostCallVoid("vgFreeImage", [](Host&) {}, image);
}

int32_t vgWriteImage(VG_PANEL panel, VG_IMAGE* image, int16_t x, int16_t y) {
  return hostCall("vgWriteImage", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, image, x, y);
}

VG_IMAGE* vgGetScaledResImage(RES_IMAGES images, int32_t id, int16_t width, int16_t height, int32_t flags) {
  return hostCall("vgGetScaledResImage", static_cast<VG_IMAGE*>(nullptr), [](Host&) { return static_cast<VG_IMAGE*>(nullptr); }, images, id, width, height, flags);
}

int32_t vgWriteResImage(VG_PANEL panel, VG_IMAGE* image, int16_t x, int16_t y) {
  return hostCall("vgWriteResImage", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, image, x, y);
}

VG_IMAGE* vgGetGuiResource(int32_t set, int32_t flags, int32_t id) {
  return hostCall("vgGetGuiResource", static_cast<VG_IMAGE*>(nullptr), [](Host&) { return static_cast<VG_IMAGE*>(nullptr); }, set, flags, id);
}

int32_t vgDisableRefresh(int32_t monitor) {
  return hostCall("vgDisableRefresh", int32_t(-1), [](Host&) { return int32_t(-1); }, monitor);
}

int32_t vgEnableRefresh(int32_t monitor) {
  return hostCall("vgEnableRefresh", int32_t(-1), [](Host&) { return int32_t(-1); }, monitor);
}

int32_t vgHideExtendedHelpInRegion(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, int32_t flags) {
  return hostCall("vgHideExtendedHelpInRegion", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, x, y, width, height, flags);
}

void vgPointerBeep(void) {
  hostCallVoid("vgPointerBeep", [](Host&) {});
}

void vgBusyPointer(void) {
  hostCallVoid("vgBusyPointer", [](Host&) {});
}

void vgStandardPointer(void) {
  hostCallVoid("vgStandardPointer", [](Host&) {});
}

int32_t vgSetPointerAttrs(int32_t look, int32_t a, int32_t b, int32_t c) {
  return hostCall("vgSetPointerAttrs", int32_t(-1), [](Host&) { return int32_t(-1); }, look, a, b, c);
}

int32_t vgSetPointerPosition(int16_t x, int16_t y) {
  return hostCall("vgSetPointerPosition", int32_t(-1), [](Host&) { return int32_t(-1); }, x, y);
}

}
