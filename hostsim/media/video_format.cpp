#include "hostsim/media/video_format.h"

#include <algorithm>
#include <cmath>

namespace hostsim {

int16_t frameWidth(VideoFormat format) { return format == VideoFormat::Hd1080i25 ? 1920 : 720; }

int16_t hiddenColumns(VideoFormat format) { return format == VideoFormat::Hd1080i25 ? 0 : 8; }

int16_t fieldHeight(VideoFormat format) {
  switch (format) {
    case VideoFormat::Ntsc2997: return 240;
    case VideoFormat::Hd1080i25: return 540;
    default: return 288;
  }
}

int32_t pairsPerField(VideoFormat format) { return kSampleRate / (2 * framesPerSecond(format)); }

PIXEL_ASPECT pixelAspect(VideoFormat format, int32_t aspectCode) {
  if (aspectCode == kAspectSquare) return {1, 1};
  if (aspectCode != kAspect4x3 && aspectCode != kAspect16x9) return {0, 0};
  const bool wide = aspectCode == kAspect16x9;
  // Ratios for the full line: a 720 x 576 (or 480) frame shows as 4:3 or
  // 16:9, and so does a 1920 x 1080 one (square pixels at 16:9).
  switch (format) {
    case VideoFormat::Ntsc2997: return wide ? PIXEL_ASPECT{32, 27} : PIXEL_ASPECT{8, 9};
    case VideoFormat::Hd1080i25: return wide ? PIXEL_ASPECT{1, 1} : PIXEL_ASPECT{3, 4};
    default: return wide ? PIXEL_ASPECT{64, 45} : PIXEL_ASPECT{16, 15};
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
