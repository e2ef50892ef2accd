// Colours and drawing of the host GUI: fills, boxes, texts and off-screen
// pixel buffers.
#include <string_view>

#include "host/vg.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/display.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

uint32_t vgGetGuiColorYUV(int32_t index) {
  return hostCall("vgGetGuiColorYUV", uint32_t(0), [&](Host& h) { return h.display().guiColour(index); }, index);
}

uint32_t vgGetNewGuiColorYUV(int32_t index) {
  return hostCall("vgGetNewGuiColorYUV", uint32_t(0), [&](Host& h) { return h.display().newGuiColour(index); }, index);
}

void vgSetColorYUV(uint32_t colour) {
  hostCallVoid("vgSetColorYUV", [&](Host& h) { h.display().setCurrentColour(colour); }, colour);
}

void vgSetColorRGB(uint32_t rgba) {
  hostCallVoid("vgSetColorRGB", [&](Host& h) { h.display().setCurrentColourRgb(rgba); }, rgba);
}

int32_t vgRectFill(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
  return hostCall("vgRectFill", int32_t(-1), [&](Host& h) { return h.display().fillRect(panel, {x0, y0, x1, y1}); },
                  panel, x0, y0, x1, y1);
}

int32_t vgFillBackground(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t colourIndex,
                         int32_t flags) {
  return hostCall(
      "vgFillBackground", int32_t(-1),
      [&](Host& h) { return h.display().fillBackground(panel, {x0, y0, x1, y1}, colourIndex); }, panel, x0, y0, x1, y1,
      colourIndex, flags);
}

int32_t vgDrawBoxNew(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t style, int32_t fillIndex,
                     int32_t reserved1, int32_t reserved2) {
  return hostCall(
      "vgDrawBoxNew", int32_t(-1),
      [&](Host& h) { return h.display().drawBox(panel, {x0, y0, x1, y1}, style, fillIndex); }, panel, x0, y0, x1, y1,
      style, fillIndex, reserved1, reserved2);
}

int32_t vgBoxText(VG_PANEL panel, const XCHAR* text, int16_t x, int16_t y, int16_t width, int16_t height,
                  uint32_t style) {
  return hostCall(
      "vgBoxText", int32_t(-1),
      [&](Host& h) { return text ? h.display().boxText(panel, text, {x, y, width, height}, style) : -1; }, panel, text,
      x, y, width, height, style);
}

int32_t vgBoxTextBuffer(void* buffer, int16_t bufferWidth, int16_t bufferHeight, const XCHAR* text, int16_t x,
                        int16_t y, int16_t width, int16_t height, uint32_t style) {
  return hostCall(
      "vgBoxTextBuffer", int32_t(-1),
      [&](Host& h) {
        return text ? h.display().boxTextBuffer(buffer, bufferWidth, bufferHeight, text, {x, y, width, height}, style)
                    : -1;
      },
      buffer, bufferWidth, bufferHeight, text, x, y, width, height, style);
}

int32_t vgRectFillBuffer(VG_PANEL target, int16_t x, int16_t y, void* buffer, int16_t bufferWidth, int16_t x0,
                         int16_t y0, int16_t x1, int16_t y1, int32_t mode, int32_t flags) {
  return hostCall(
      "vgRectFillBuffer", int32_t(-1),
      [&](Host& h) { return h.display().fillBuffer(buffer, bufferWidth, {x0, y0, x1, y1}); }, target, x, y, buffer,
      bufferWidth, x0, y0, x1, y1, mode, flags);
}

int32_t vgWriteRectRaw(VG_PANEL panel, const void* buffer, int16_t x, int16_t y, int16_t width, int16_t height,
                       int32_t mode) {
  return hostCall(
      "vgWriteRectRaw", int32_t(-1),
      [&](Host& h) { return h.display().writeRaw(panel, buffer, {x, y, width, height}); }, panel, buffer, x, y, width,
      height, mode);
}

int32_t vgHideExtendedHelpInRegion(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                                   int32_t flags) {
  // The stand-in GUI shows no help bubbles: nothing to hide.
  return hostCall("vgHideExtendedHelpInRegion", int32_t(-1), [](Host&) { return int32_t(0); }, panel, x, y, width,
                  height, flags);
}

}
