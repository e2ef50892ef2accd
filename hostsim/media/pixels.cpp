#include "hostsim/media/pixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/op.h"

namespace hostsim {

namespace {
uint8_t clampByte(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }
}  // namespace

Yuv rgbToYuv(double r, double g, double b) {
  r /= 255.0, g /= 255.0, b /= 255.0;
  return Yuv{clampByte(16 + 65.481 * r + 128.553 * g + 24.966 * b),
             clampByte(128 - 37.797 * r - 74.203 * g + 112.0 * b),
             clampByte(128 + 112.0 * r - 93.786 * g - 18.214 * b)};
}

uint32_t toArgb(Yuv c) {
  const double y = 1.164 * (c.y - 16), u = c.u - 128.0, v = c.v - 128.0;
  const uint32_t r = clampByte(y + 1.596 * v), g = clampByte(y - 0.392 * u - 0.813 * v), b = clampByte(y + 2.017 * u);
  return 0xFF000000u | r << 16 | g << 8 | b;
}

void hsvToRgb(double hue, double saturation, double value, double& r, double& g, double& b) {
  const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
  const double c = value * saturation, x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1)), m = value - c;
  double rr = 0, gg = 0, bb = 0;
  switch (static_cast<int>(h)) {
    case 0: rr = c, gg = x; break;
    case 1: rr = x, gg = c; break;
    case 2: gg = c, bb = x; break;
    case 3: gg = x, bb = c; break;
    case 4: rr = x, bb = c; break;
    default: rr = c, bb = x; break;
  }
  r = (rr + m) * 255, g = (gg + m) * 255, b = (bb + m) * 255;
}

void fillBox(const ImageView& image, Box box, Yuv colour) {
  const int x0 = std::max(box.x, 0), y0 = std::max(box.y, 0);
  const int x1 = std::min(box.x + box.width, image.width), y1 = std::min(box.y + box.height, image.height);
  if (x0 >= x1 || y0 >= y1) return;
  for (int y = y0; y < y1; ++y) std::memset(image.plane[0] + size_t(y) * image.stride[0] + x0, colour.y, x1 - x0);
  const int cx0 = x0 / 2, cx1 = (x1 + 1) / 2;
  for (int y = y0 / 2; y < (y1 + 1) / 2; ++y) {
    std::memset(image.plane[1] + size_t(y) * image.stride[1] + cx0, colour.u, cx1 - cx0);
    std::memset(image.plane[2] + size_t(y) * image.stride[2] + cx0, colour.v, cx1 - cx0);
  }
}

Yuv sampleAt(const ImageView& image, int x, int y) {
  return Yuv{image.plane[0][size_t(y) * image.stride[0] + x], image.plane[1][size_t(y / 2) * image.stride[1] + x / 2],
             image.plane[2][size_t(y / 2) * image.stride[2] + x / 2]};
}

namespace {

// One line of a planar picture. Neighbouring samples are mostly alike, so
// the last conversion is kept: the same colour costs a comparison.
void planarLine(const ImageView& image, int sy, const std::vector<int>& columns, uint32_t* line) {
  const uint8_t* ys = image.plane[0] + size_t(sy) * image.stride[0];
  const uint8_t* us = image.plane[1] + size_t(sy / 2) * image.stride[1];
  const uint8_t* vs = image.plane[2] + size_t(sy / 2) * image.stride[2];
  Yuv last{ys[0], us[0], vs[0]};
  uint32_t lastArgb = toArgb(last);
  for (size_t x = 0; x < columns.size(); ++x) {
    const int sx = columns[x];
    const Yuv c{ys[sx], us[sx / 2], vs[sx / 2]};
    if (c.y != last.y || c.u != last.u || c.v != last.v) {
      last = c;
      lastArgb = toArgb(c);
    }
    line[x] = lastArgb;
  }
}

void argbLine(const ImageView& image, int sy, const std::vector<int>& columns, uint32_t* line) {
  const uint8_t* row = image.plane[0] + size_t(sy) * image.stride[0];
  for (size_t x = 0; x < columns.size(); ++x) std::memcpy(&line[x], row + size_t(columns[x]) * 4, 4);
}

}  // namespace

std::vector<uint32_t> toArgbScaled(const ImageView& image, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  std::vector<uint32_t> out(size_t(width) * height);
  if (image.width <= 0 || image.height <= 0) return out;
  std::vector<int> columns(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) columns[size_t(x)] = int(int64_t(x) * image.width / width);
  int previous = -1;
  for (int y = 0; y < height; ++y) {
    const int sy = int(int64_t(y) * image.height / height);
    uint32_t* line = out.data() + size_t(y) * width;
    if (sy == previous) {
      // A source line shown on several lines (a field on a full-height output) is converted once.
      std::memcpy(line, line - width, size_t(width) * 4);
    } else if (image.type == OP_IMAGE_YUV420) {
      planarLine(image, sy, columns, line);
    } else {
      argbLine(image, sy, columns, line);
    }
    previous = sy;
  }
  return out;
}

}  // namespace hostsim
