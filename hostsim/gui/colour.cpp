// Host colours are 32-bit YUV words (Y in the top byte, then U, V, alpha).
// They convert to and from RGB with the BT.601 matrix at full range: Y, U
// and V all use 0..255, U and V centred on 128 (the JPEG convention), so
// black is 0x008080xx and white 0xFF8080xx. Alpha passes through unchanged.
#include <algorithm>
#include <cmath>

#include "hostsim/gui/screen.h"

namespace hostsim {

namespace {

uint32_t toByte(double v) { return static_cast<uint32_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

uint32_t yuvToArgb(uint32_t yuv) {
  const double y = (yuv >> 24) & 0xFF;
  const double u = static_cast<double>((yuv >> 16) & 0xFF) - 128.0;
  const double v = static_cast<double>((yuv >> 8) & 0xFF) - 128.0;
  const uint32_t alpha = yuv & 0xFF;
  const uint32_t r = toByte(y + 1.402 * v);
  const uint32_t g = toByte(y - 0.344136 * u - 0.714136 * v);
  const uint32_t b = toByte(y + 1.772 * u);
  return (alpha << 24) | (r << 16) | (g << 8) | b;
}

uint32_t argbToYuv(uint32_t argb) {
  const double r = (argb >> 16) & 0xFF;
  const double g = (argb >> 8) & 0xFF;
  const double b = argb & 0xFF;
  const uint32_t alpha = argb >> 24;
  const uint32_t y = toByte(0.299 * r + 0.587 * g + 0.114 * b);
  const uint32_t u = toByte(128.0 - 0.168736 * r - 0.331264 * g + 0.5 * b);
  const uint32_t v = toByte(128.0 + 0.5 * r - 0.418688 * g - 0.081312 * b);
  return (y << 24) | (u << 16) | (v << 8) | alpha;
}

}  // namespace hostsim
