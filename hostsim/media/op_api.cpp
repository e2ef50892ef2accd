// Operator support: images, sound blocks, the sound format, pixel aspects
// and fitting a picture into an area.
#include "host/op.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"
#include "hostsim/media/video_format.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

OP_IMAGE* opAllocImage(int32_t width, int32_t height, int32_t type, void* reserved) {
  return hostCall("opAllocImage", static_cast<OP_IMAGE*>(nullptr),
                  [&](Host& h) { return h.media().images().allocate(width, height, type); }, width, height, type,
                  reserved);
}

void opFreeImage(OP_IMAGE* image) {
  hostCallVoid(
      "opFreeImage",
      [&](Host& h) {
        if (image && !h.media().images().release(image)) h.log().host(3, "opFreeImage: not an image of the host");
      },
      image);
}

void opFreeAudio(OP_AUDIO* audio) {
  hostCallVoid(
      "opFreeAudio",
      [&](Host& h) {
        if (audio && !h.media().render().releaseSound(audio))
          h.log().host(3, "opFreeAudio: not a sound block of the host");
      },
      audio);
}

const OP_AUDIO_INFO* opGetAudioInfo(void) {
  return hostCall("opGetAudioInfo", static_cast<const OP_AUDIO_INFO*>(nullptr),
                  [](Host& h) { return &h.media().audioInfo(); });
}

PIXEL_ASPECT opGetPixelAspect(int32_t aspectCode) {
  return hostCall("opGetPixelAspect", PIXEL_ASPECT{0, 0},
                  [&](Host& h) { return hostsim::pixelAspect(h.config().format, aspectCode); }, aspectCode);
}

int32_t opCalcDims(int16_t* width, int16_t* height, PIXEL_ASPECT video, int16_t maxWidth, int16_t maxHeight,
                   PIXEL_ASPECT screen, int32_t flags) {
  return hostCall(
      "opCalcDims", int32_t(-1),
      [&](Host&) -> int32_t {
        if (!width || !height) return -1;
        int16_t w = *width, h = *height;
        if (!hostsim::calcDims(w, h, video, maxWidth, maxHeight, screen, flags & 1)) return -1;
        *width = w;
        *height = h;
        return 0;
      },
      width ? *width : int16_t(0), height ? *height : int16_t(0), video.x, video.y, maxWidth, maxHeight, screen.x,
      screen.y, flags);
}

}
