#include "hostsim/gui/screen.h"

#include <cairo.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "host/vg.h"
#include "hostsim/gui/text_render.h"

namespace hostsim {

struct Screen::Monitor {
  int16_t width = 0;
  int16_t height = 0;
  VG_CORNERS clip{};
  cairo_surface_t* surface = nullptr;

  Monitor(int16_t w, int16_t h) : width(w), height(h), clip{0, 0, static_cast<int16_t>(w - 1), static_cast<int16_t>(h - 1)} {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    framebufferMade();
  }
  ~Monitor() {
    cairo_surface_destroy(surface);
    framebufferGone();
  }
  Monitor(const Monitor&) = delete;
  Monitor& operator=(const Monitor&) = delete;

  VG_CORNERS whole() const { return {0, 0, static_cast<int16_t>(width - 1), static_cast<int16_t>(height - 1)}; }
  uint32_t* row(int y) const {
    auto* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface));
  }
};

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr int16_t kLargestScreen = 8192;

// B, G, R, A bytes read as a little-endian word are already 0xAARRGGBB: a
// line of pixels is a copy with the alpha forced, done four pixels at a
// time (camera pictures are written many times a second).
void copyOpaque(uint32_t* dst, const uint8_t* src, int count) {
  using FourPixels = uint32_t __attribute__((vector_size(16)));
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    FourPixels p;
    std::memcpy(&p, src + static_cast<ptrdiff_t>(i) * 4, sizeof p);
    p |= kOpaque;
    std::memcpy(dst + i, &p, sizeof p);
  }
  for (; i < count; ++i) {
    uint32_t p;
    std::memcpy(&p, src + static_cast<ptrdiff_t>(i) * 4, 4);
    dst[i] = p | kOpaque;
  }
}

// Inclusive intersection; x1 < x0 or y1 < y0 when empty.
VG_CORNERS intersect(VG_CORNERS a, VG_CORNERS b) {
  return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

bool empty(VG_CORNERS r) { return r.x1 < r.x0 || r.y1 < r.y0; }

int16_t clamp16(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

// Straight-alpha blend of one channel.
uint32_t blend(uint32_t src, uint32_t dst, uint32_t alpha) { return (src * alpha + dst * (255 - alpha) + 127) / 255; }

}  // namespace

Screen::Screen(const std::vector<MonitorConfig>& monitors) {
  for (const auto& m : monitors)
    monitors_.push_back(std::make_unique<Monitor>(std::clamp<int16_t>(m.width, 1, kLargestScreen),
                                                  std::clamp<int16_t>(m.height, 1, kLargestScreen)));
}

Screen::~Screen() = default;

Screen::Monitor* Screen::find(int monitor) const {
  if (monitor < 1 || monitor > static_cast<int>(monitors_.size())) return nullptr;
  return monitors_[static_cast<size_t>(monitor - 1)].get();
}

int Screen::monitorCount() const { return static_cast<int>(monitors_.size()); }
bool Screen::validMonitor(int monitor) const { return find(monitor) != nullptr; }

int16_t Screen::width(int monitor) const {
  const Monitor* m = find(monitor);
  return m ? m->width : 0;
}

int16_t Screen::height(int monitor) const {
  const Monitor* m = find(monitor);
  return m ? m->height : 0;
}

void Screen::setClip(int monitor, VG_CORNERS clip) {
  std::lock_guard lock(mutex_);
  if (Monitor* m = find(monitor)) m->clip = clip;
}

VG_CORNERS Screen::clip(int monitor) const {
  std::lock_guard lock(mutex_);
  const Monitor* m = find(monitor);
  return m ? m->clip : VG_CORNERS{};
}

void Screen::resetClip(int monitor) {
  std::lock_guard lock(mutex_);
  if (Monitor* m = find(monitor)) m->clip = m->whole();
}

void Screen::fillRect(int monitor, VG_CORNERS r, uint32_t argb) {
  std::lock_guard lock(mutex_);
  Monitor* m = find(monitor);
  if (!m) return;
  const VG_CORNERS area = intersect(intersect(r, m->clip), m->whole());
  if (empty(area)) return;
  cairo_surface_flush(m->surface);
  for (int y = area.y0; y <= area.y1; ++y) std::fill(m->row(y) + area.x0, m->row(y) + area.x1 + 1, argb | kOpaque);
  cairo_surface_mark_dirty(m->surface);
}

void Screen::drawFrame(int monitor, VG_CORNERS r, uint32_t lightArgb, uint32_t darkArgb, int thickness) {
  if (empty(r) || thickness <= 0) return;
  for (int i = 0; i < thickness; ++i) {
    const int x0 = r.x0 + i, y0 = r.y0 + i, x1 = r.x1 - i, y1 = r.y1 - i;
    if (x1 < x0 || y1 < y0) break;
    // Light along the top and left edges, dark along the bottom and right.
    fillRect(monitor, {clamp16(x0), clamp16(y0), clamp16(x1), clamp16(y0)}, lightArgb);
    fillRect(monitor, {clamp16(x0), clamp16(y0), clamp16(x0), clamp16(y1)}, lightArgb);
    fillRect(monitor, {clamp16(x0), clamp16(y1), clamp16(x1), clamp16(y1)}, darkArgb);
    fillRect(monitor, {clamp16(x1), clamp16(y0 + 1), clamp16(x1), clamp16(y1)}, darkArgb);
  }
}

void Screen::drawText(int monitor, VG_CORNERS box, std::u16string_view text, uint32_t argb, TextStyle style) {
  std::lock_guard lock(mutex_);
  Monitor* m = find(monitor);
  if (!m) return;
  const VG_CORNERS area = intersect(m->clip, m->whole());
  if (empty(area) || empty(box)) return;
  cairo_t* cr = cairo_create(m->surface);
  cairo_rectangle(cr, area.x0, area.y0, area.x1 - area.x0 + 1, area.y1 - area.y0 + 1);
  cairo_clip(cr);
  renderText(cr, box, text, argb, style);
  cairo_destroy(cr);
  cairo_surface_flush(m->surface);
}

void Screen::drawPixels(int monitor, const uint8_t* pixels, int width, int height, int stride, int x, int y) {
  std::lock_guard lock(mutex_);
  Monitor* m = find(monitor);
  if (!m) return;
  writePixels(*m, m->clip, pixels, width, height, stride, x, y);
}

void Screen::drawVideo(const std::vector<VideoPicture>& pictures) {
  std::lock_guard lock(mutex_);
  for (const VideoPicture& p : pictures)
    if (Monitor* m = find(p.monitor))
      writePixels(*m, p.bounds, reinterpret_cast<const uint8_t*>(p.pixels), p.width, p.height, p.width * 4, p.x, p.y);
}

void Screen::writePixels(Monitor& monitor, VG_CORNERS bounds, const uint8_t* pixels, int width, int height, int stride,
                         int x, int y) {
  Monitor* const m = &monitor;
  if (!pixels || width <= 0 || height <= 0 || stride < width * 4) return;
  const VG_CORNERS target{clamp16(x), clamp16(y), clamp16(x + width - 1), clamp16(y + height - 1)};
  const VG_CORNERS area = intersect(intersect(target, bounds), m->whole());
  if (empty(area)) return;
  cairo_surface_flush(m->surface);
  const int count = area.x1 - area.x0 + 1;
  for (int row = area.y0; row <= area.y1; ++row) {
    const uint8_t* src = pixels + static_cast<ptrdiff_t>(row - y) * stride + static_cast<ptrdiff_t>(area.x0 - x) * 4;
    uint32_t* dst = m->row(row) + area.x0;
    if constexpr (std::endian::native == std::endian::little) {
      copyOpaque(dst, src, count);
    } else {
      for (int i = 0; i < count; ++i) {
        const uint8_t* p = src + static_cast<ptrdiff_t>(i) * 4;
        dst[i] = kOpaque | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
      }
    }
  }
  cairo_surface_mark_dirty(m->surface);
}

void Screen::drawImage(int monitor, const VG_IMAGE& image, int x, int y) {
  std::lock_guard lock(mutex_);
  Monitor* m = find(monitor);
  if (!m || !image.pixels || image.width <= 0 || image.height <= 0) return;
  const VG_CORNERS target{clamp16(x), clamp16(y), clamp16(x + image.width - 1), clamp16(y + image.height - 1)};
  const VG_CORNERS area = intersect(intersect(target, m->clip), m->whole());
  if (empty(area)) return;
  cairo_surface_flush(m->surface);
  for (int row = area.y0; row <= area.y1; ++row) {
    const uint8_t* src = image.pixels + static_cast<ptrdiff_t>(row - y) * image.width * 4;
    uint32_t* dst = m->row(row);
    for (int col = area.x0; col <= area.x1; ++col) {
      const uint8_t* p = src + static_cast<ptrdiff_t>(col - x) * 4;
      const uint32_t d = dst[col];
      dst[col] = kOpaque | (blend(p[2], (d >> 16) & 0xFF, p[3]) << 16) | (blend(p[1], (d >> 8) & 0xFF, p[3]) << 8) |
                 blend(p[0], d & 0xFF, p[3]);
    }
  }
  cairo_surface_mark_dirty(m->surface);
}

uint32_t Screen::pixel(int monitor, int x, int y) const {
  std::lock_guard lock(mutex_);
  const Monitor* m = find(monitor);
  if (!m || x < 0 || y < 0 || x >= m->width || y >= m->height) return 0;
  cairo_surface_flush(m->surface);
  return m->row(y)[x];
}

std::vector<uint32_t> Screen::saveRect(int monitor, VG_CORNERS r) const {
  std::lock_guard lock(mutex_);
  const Monitor* m = find(monitor);
  if (!m || empty(r)) return {};
  const int w = r.x1 - r.x0 + 1;
  std::vector<uint32_t> out(static_cast<size_t>(w) * static_cast<size_t>(r.y1 - r.y0 + 1), 0);
  const VG_CORNERS area = intersect(r, m->whole());
  if (empty(area)) return out;
  cairo_surface_flush(m->surface);
  for (int y = area.y0; y <= area.y1; ++y)
    std::copy(m->row(y) + area.x0, m->row(y) + area.x1 + 1, out.begin() + (y - r.y0) * w + (area.x0 - r.x0));
  return out;
}

void Screen::restoreRect(int monitor, VG_CORNERS r, const std::vector<uint32_t>& pixels) {
  std::lock_guard lock(mutex_);
  Monitor* m = find(monitor);
  if (!m || empty(r)) return;
  const int w = r.x1 - r.x0 + 1;
  if (pixels.size() != static_cast<size_t>(w) * static_cast<size_t>(r.y1 - r.y0 + 1)) return;
  const VG_CORNERS area = intersect(r, m->whole());
  if (empty(area)) return;
  cairo_surface_flush(m->surface);
  for (int y = area.y0; y <= area.y1; ++y) {
    auto from = pixels.begin() + (y - r.y0) * w + (area.x0 - r.x0);
    std::copy(from, from + (area.x1 - area.x0 + 1), m->row(y) + area.x0);
  }
  cairo_surface_mark_dirty(m->surface);
}

bool Screen::savePng(int monitor, const std::filesystem::path& file) const {
  std::lock_guard lock(mutex_);
  const Monitor* m = find(monitor);
  if (!m) return false;
  cairo_surface_flush(m->surface);
  return cairo_surface_write_to_png(m->surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
}

void Screen::drawTextInto(uint8_t* buffer, int bufferWidth, int bufferHeight, VG_CORNERS box, std::u16string_view text,
                          uint32_t argb, TextStyle style) {
  if (!buffer || bufferWidth <= 0 || bufferHeight <= 0 || bufferWidth > 32767 || bufferHeight > 32767) return;
  cairo_surface_t* surface =
      cairo_image_surface_create_for_data(buffer, CAIRO_FORMAT_ARGB32, bufferWidth, bufferHeight, bufferWidth * 4);
  cairo_t* cr = cairo_create(surface);
  renderText(cr, box, text, argb, style);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
}

}  // namespace hostsim
