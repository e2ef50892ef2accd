#pragma once
// A GUI image the host owns: the VG_IMAGE header handed to callers and the
// pixels behind it (bytes blue, green, red, alpha; straight alpha; width
// pixels a line). Held by unique_ptr so the header's address stays put.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "host/vg.h"

typedef struct _cairo cairo_t;

namespace hostsim {

struct ImageBuffer {
  VG_IMAGE header{};
  std::vector<uint8_t> pixels;

  /// A transparent image of width x height (both at least 1).
  static std::unique_ptr<ImageBuffer> make(int16_t width, int16_t height, uint32_t flags = 0);
  /// An image drawn by `paint` on a transparent cairo surface of that size.
  static std::unique_ptr<ImageBuffer> draw(int16_t width, int16_t height, const std::function<void(cairo_t*)>& paint);
  /// An image read from a PNG file; null when it cannot be read.
  static std::unique_ptr<ImageBuffer> readPng(const std::filesystem::path& file);
  /// A copy of `source` scaled to width x height (smoothly filtered).
  static std::unique_ptr<ImageBuffer> scaled(const VG_IMAGE& source, int16_t width, int16_t height);
};

}  // namespace hostsim
