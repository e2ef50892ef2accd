// GUI images: allocated headers, resource images at any size and the host
// GUI's own pictures, and writing them to the screen.
#include "host/res.h"
#include "host/vg.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/resources.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

VG_IMAGE* vgAllocImage(uint32_t flags, int16_t width, int16_t height) {
  return hostCall(
      "vgAllocImage", static_cast<VG_IMAGE*>(nullptr),
      [&](Host& h) { return h.display().allocImage(flags, width, height); }, flags, width, height);
}

void vgFreeImage(VG_IMAGE* image) {
  hostCallVoid(
      "vgFreeImage",
      [&](Host& h) {
        if (image && !h.display().freeImage(image))
          h.log().host(4, "vgFreeImage: not an image of vgAllocImage, or freed before");
      },
      image);
}

int32_t vgWriteImage(VG_PANEL panel, VG_IMAGE* image, int16_t x, int16_t y) {
  return hostCall(
      "vgWriteImage", int32_t(-1), [&](Host& h) { return h.display().writeImage(panel, image, x, y, false); }, panel,
      image, x, y);
}

VG_IMAGE* vgGetScaledResImage(RES_IMAGES images, int32_t id, int16_t width, int16_t height, int32_t flags) {
  return hostCall(
      "vgGetScaledResImage", static_cast<VG_IMAGE*>(nullptr),
      [&](Host& h) { return h.resources().scaledImage(images, id, width, height); }, images, id, width, height, flags);
}

int32_t vgWriteResImage(VG_PANEL panel, VG_IMAGE* image, int16_t x, int16_t y) {
  return hostCall(
      "vgWriteResImage", int32_t(-1), [&](Host& h) { return h.display().writeImage(panel, image, x, y, true); }, panel,
      image, x, y);
}

VG_IMAGE* vgGetGuiResource(int32_t set, int32_t flags, int32_t id) {
  return hostCall(
      "vgGetGuiResource", static_cast<VG_IMAGE*>(nullptr),
      [&](Host& h) { return set == 0 ? h.display().guiImage(id) : nullptr; }, set, flags, id);
}

}
