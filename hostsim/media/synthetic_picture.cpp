#include "hostsim/media/synthetic_picture.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "hostsim/core/text.h"
#include "hostsim/media/sources.h"

namespace hostsim {

namespace {

int even(int v) { return v & ~1; }

// Columns kept clear at each side: the share a standard-definition line
// hides (8 of 720 columns) at the picture's width, plus a little air, so
// that nothing but background is lost where a host cuts the visible area.
int sideMargin(int width) { return even(width / 90 + 8); }

// Fontconfig, which cairo loads for its first text, keeps caches for the
// life of the process that the leak checker would report at exit.
struct FontCacheScope {
#if defined(__SANITIZE_ADDRESS__)
  FontCacheScope() { __lsan_disable(); }
  ~FontCacheScope() { __lsan_enable(); }
#endif
};

}  // namespace

PictureLook lookOf(const MediaSource& source) {
  // Successive media step round the colour circle by the golden angle, so
  // neighbours in the bin never look alike.
  const double hue = 20.0 + source.index * 137.508;
  double r, g, b;
  hsvToRgb(hue, 0.65, 0.55, r, g, b);
  PictureLook look;
  look.background = rgbToYuv(r, g, b);
  hsvToRgb(hue + 180.0, 0.5, 0.95, r, g, b);
  look.element = rgbToYuv(r, g, b);
  return look;
}

uint8_t segmentsOf(int digit) {
  static constexpr uint8_t kTable[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  return digit >= 0 && digit <= 9 ? kTable[digit] : 0;
}

NumberLayout numberLayout(int width, int height, int digitCount) {
  NumberLayout l;
  const int n = std::max(digitCount, 1);
  // A field has half the lines of the frame: a digit as wide as 3/4 of its
  // height in lines shows about twice as tall as wide.
  const int digitH = std::max(even(height * 2 / 5), 8);
  int digitW = std::max(even(digitH * 3 / 4), 4);
  int gap = std::max(even(digitW / 4), 2);
  const int room = width - 2 * sideMargin(width) - 16;
  if (n * digitW + (n - 1) * gap > room) {
    digitW = std::max(even(room * 4 / (5 * n)), 4);
    gap = std::max(even(digitW / 4), 2);
  }
  const int total = n * digitW + (n - 1) * gap;
  const int left = even((width - total) / 2), top = even(height * 9 / 25);
  for (int i = 0; i < n; ++i) l.digits.push_back(Box{left + i * (digitW + gap), top, digitW, digitH});
  l.thickH = std::max(even(digitH / 9), 2);
  l.thickV = std::max(even(digitW / 5), 2);
  l.plate = Box{left - 8, top - 6, total + 16, digitH + 12};
  return l;
}

Box segmentBox(const NumberLayout& l, int digit, Segment segment) {
  const Box d = l.digits.at(static_cast<size_t>(digit));
  const int half = even(d.height / 2), tH = l.thickH, tV = l.thickV;
  switch (segment) {
    case kSegTop: return {d.x, d.y, d.width, tH};
    case kSegUpperRight: return {d.x + d.width - tV, d.y, tV, half};
    case kSegLowerRight: return {d.x + d.width - tV, d.y + half, tV, d.height - half};
    case kSegBottom: return {d.x, d.y + d.height - tH, d.width, tH};
    case kSegLowerLeft: return {d.x, d.y + half, tV, d.height - half};
    case kSegUpperLeft: return {d.x, d.y, tV, half};
    default: return {d.x, d.y + half - tH / 2, d.width, tH};
  }
}

Box nameBand(int width, int height) { return Box{0, 2, width, std::max(even(height / 8), 2)}; }

Box elementBox(int width, int height, int64_t field) {
  const int margin = sideMargin(width);
  // As wide as two of its field lines are high: square once the lines are woven.
  const int h = std::max(even(height / 6), 2), w = std::min(2 * h, std::max(even(width / 4), 2));
  const int travel = std::max(width - 2 * margin - w, 1);
  const Box band = nameBand(width, height);
  return Box{margin + even(static_cast<int>(field * 6 % travel)), band.y + band.height + 6, w, h};
}

// The band's planes from ARGB32 pixels: chroma is the mean of each 2 x 2 block.
SyntheticPicture::Band SyntheticPicture::bandFromArgb(const uint8_t* data, int stride, int width, int height) {
  Band band;
  const int cw = (width + 1) / 2, ch = (height + 1) / 2;
  band.y.assign(size_t(width) * height, 16);
  band.u.assign(size_t(cw) * ch, 128);
  band.v.assign(size_t(cw) * ch, 128);
  if (!data) return band;
  std::vector<double> us(band.u.size()), vs(band.v.size());
  std::vector<int> counts(band.u.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t px;
      std::memcpy(&px, data + size_t(y) * stride + size_t(x) * 4, 4);
      const Yuv c = rgbToYuv(px >> 16 & 0xFF, px >> 8 & 0xFF, px & 0xFF);
      band.y[size_t(y) * width + x] = c.y;
      const size_t ci = size_t(y / 2) * cw + x / 2;
      us[ci] += c.u, vs[ci] += c.v, ++counts[ci];
    }
  }
  for (size_t i = 0; i < us.size(); ++i) {
    band.u[i] = static_cast<uint8_t>(us[i] / std::max(counts[i], 1) + 0.5);
    band.v[i] = static_cast<uint8_t>(vs[i] / std::max(counts[i], 1) + 0.5);
  }
  return band;
}

const SyntheticPicture::Band& SyntheticPicture::nameBandOf(const MediaSource& source, int width, int height) {
  auto key = std::make_tuple(source.index, width, height);
  auto found = bands_.find(key);
  if (found != bands_.end()) return found->second;

  const Box box = nameBand(width, height);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, box.height);
  cairo_t* cr = cairo_create(surface);
  const uint32_t bg = toArgb(lookOf(source).background);
  cairo_set_source_rgb(cr, (bg >> 16 & 0xFF) / 255.0, (bg >> 8 & 0xFF) / 255.0, (bg & 0xFF) / 255.0);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  {
    [[maybe_unused]] const FontCacheScope fontCaches;
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, box.height * 0.75);
    cairo_move_to(cr, sideMargin(width) + 4, box.height * 0.8);
    cairo_show_text(cr, toUtf8(source.name).c_str());
  }
  cairo_surface_flush(surface);
  Band band = bandFromArgb(cairo_image_surface_get_data(surface), cairo_image_surface_get_stride(surface), width,
                           box.height);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return bands_.emplace(key, std::move(band)).first->second;
}

void SyntheticPicture::paint(const MediaSource& source, int32_t frame, int parity, const ImageView& target) {
  const int w = target.width, h = target.height;
  const PictureLook look = lookOf(source);
  fillBox(target, Box{0, 0, w, h}, look.background);

  std::lock_guard lock(mutex_);
  const Band& band = nameBandOf(source, w, h);
  const Box nb = nameBand(w, h);
  for (int y = 0; y < nb.height && nb.y + y < h; ++y)
    std::memcpy(target.plane[0] + size_t(nb.y + y) * target.stride[0], band.y.data() + size_t(y) * w, w);
  const int cw = (w + 1) / 2;
  for (int y = 0; y < nb.height / 2 && nb.y / 2 + y < (h + 1) / 2; ++y) {
    std::memcpy(target.plane[1] + size_t(nb.y / 2 + y) * target.stride[1], band.u.data() + size_t(y) * cw, cw);
    std::memcpy(target.plane[2] + size_t(nb.y / 2 + y) * target.stride[2], band.v.data() + size_t(y) * cw, cw);
  }

  fillBox(target, elementBox(w, h, int64_t{2} * frame + parity), look.element);

  const std::string number = std::to_string(frame);
  const NumberLayout layout = numberLayout(w, h, static_cast<int>(number.size()));
  fillBox(target, layout.plate, kPlateColour);
  for (size_t i = 0; i < number.size(); ++i) {
    const uint8_t lit = segmentsOf(number[i] - '0');
    for (int s = 0; s < kSegments; ++s)
      if (lit >> s & 1) fillBox(target, segmentBox(layout, static_cast<int>(i), static_cast<Segment>(s)), kDigitColour);
  }
}

}  // namespace hostsim
