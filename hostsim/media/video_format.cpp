#include "hostsim/media/video_format.h"

#include <algorithm>
#include <cmath>

namespace hostsim {

int16_t fieldHeight(VideoFormat format) { return format == VideoFormat::Pal25 ? 288 : 240; }

int32_t pairsPerField(VideoFormat format) { return kSampleRate / (2 * framesPerSecond(format)); }

PIXEL_ASPECT pixelAspect(VideoFormat format, int32_t aspectCode) {
  const bool pal = format == VideoFormat::Pal25;
  // Ratios for the full 720-pixel line: a 720 x 576 (or 480) frame shows as 4:3 or 16:9.
  switch (aspectCode) {
    case kAspectSquare: return {1, 1};
    case kAspect4x3: return pal ? PIXEL_ASPECT{16, 15} : PIXEL_ASPECT{8, 9};
    case kAspect16x9: return pal ? PIXEL_ASPECT{64, 45} : PIXEL_ASPECT{32, 27};
    default: return {0, 0};
  }
}

bool calcDims(int16_t& width, int16_t& height, PIXEL_ASPECT video, int16_t maxWidth, int16_t maxHeight,
              PIXEL_ASPECT screen, bool fit) {
  if (width <= 0 || height <= 0 || maxWidth <= 0 || maxHeight <= 0) return false;
  if (video.x <= 0 || video.y <= 0 || screen.x <= 0 || screen.y <= 0) return false;
  // The picture's size in screen pixels: its lines stay, its columns stretch
  // by the ratio of the two pixel aspects.
  const double naturalW = double(width) * video.x * screen.y / (double(video.y) * screen.x);
  const double naturalH = height;
  double scale = std::min(maxWidth / naturalW, maxHeight / naturalH);
  if (!fit) scale = std::min(scale, 1.0);
  const auto clampTo = [](double v, int16_t max) {
    return static_cast<int16_t>(std::clamp<long>(std::lround(v), 1, max));
  };
  width = clampTo(naturalW * scale, maxWidth);
  height = clampTo(naturalH * scale, maxHeight);
  return true;
}

}  // namespace hostsim
