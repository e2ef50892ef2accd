#include "hostsim/gui/image_buffer.h"

#include <cairo.h>


namespace hostsim {

namespace {

// cairo keeps premultiplied alpha; GUI images keep straight alpha, as the
// picture scaler writes them. These two convert whole surfaces.
std::unique_ptr<ImageBuffer> fromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  if (!data || w <= 0 || h <= 0 || w > 32767 || h > 32767) return nullptr;
  auto image = ImageBuffer::make(static_cast<int16_t>(w), static_cast<int16_t>(h));
  for (int y = 0; y < h; ++y) {
    const auto* src = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    uint8_t* dst = image->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(w) * 4;
    for (int x = 0; x < w; ++x, dst += 4) {
      const uint32_t p = src[x];
      const uint32_t a = p >> 24;
      const auto unpremultiply = [a](uint32_t c) { return a ? static_cast<uint8_t>((c * 255 + a / 2) / a) : uint8_t(0); };
      dst[0] = unpremultiply(p & 0xFF);
      dst[1] = unpremultiply((p >> 8) & 0xFF);
      dst[2] = unpremultiply((p >> 16) & 0xFF);
      dst[3] = static_cast<uint8_t>(a);
    }
  }
  return image;
}

cairo_surface_t* toSurface(const VG_IMAGE& image) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  uint8_t* data = cairo_image_surface_get_data(surface);
  if (!data) return surface;
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.height; ++y) {
    const uint8_t* src = image.pixels + static_cast<ptrdiff_t>(y) * image.width * 4;
    auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < image.width; ++x, src += 4) {
      const uint32_t a = src[3];
      const auto premultiply = [a](uint32_t c) { return (c * a + 127) / 255; };
      dst[x] = (a << 24) | (premultiply(src[2]) << 16) | (premultiply(src[1]) << 8) | premultiply(src[0]);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace

std::unique_ptr<ImageBuffer> ImageBuffer::make(int16_t width, int16_t height, uint32_t flags) {
  auto image = std::make_unique<ImageBuffer>();
  const int16_t w = width < 1 ? 1 : width;
  const int16_t h = height < 1 ? 1 : height;
  image->pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h) * 4, 0);
  image->header.pixels = image->pixels.data();
  image->header.width = w;
  image->header.height = h;
  image->header.flags = flags;
  return image;
}

std::unique_ptr<ImageBuffer> ImageBuffer::draw(int16_t width, int16_t height, const std::function<void(cairo_t*)>& paint) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width < 1 ? 1 : width, height < 1 ? 1 : height);
  cairo_t* cr = cairo_create(surface);
  paint(cr);
  cairo_destroy(cr);
  auto image = fromSurface(surface);
  cairo_surface_destroy(surface);
  return image;
}

std::unique_ptr<ImageBuffer> ImageBuffer::readPng(const std::filesystem::path& file) {
  cairo_surface_t* surface = cairo_image_surface_create_from_png(file.c_str());
  std::unique_ptr<ImageBuffer> image;
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) image = fromSurface(surface);
  cairo_surface_destroy(surface);
  return image;
}

std::unique_ptr<ImageBuffer> ImageBuffer::scaled(const VG_IMAGE& source, int16_t width, int16_t height) {
  if (!source.pixels || source.width <= 0 || source.height <= 0) return nullptr;
  cairo_surface_t* from = toSurface(source);
  auto image = draw(width, height, [&](cairo_t* cr) {
    cairo_scale(cr, static_cast<double>(width) / source.width, static_cast<double>(height) / source.height);
    cairo_set_source_surface(cr, from, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
  });
  cairo_surface_destroy(from);
  return image;
}

}  // namespace hostsim
