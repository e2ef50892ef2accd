#pragma once
// The framebuffers of the stand-in host: one 32-bit picture per monitor on
// which drawing calls and elements render, saved as PNG with cairo.
//
// Coordinates are screen pixels with inclusive corners. Colours given as
// YUV are the host's 32-bit values (Y in the top byte, then U, V, alpha);
// pixels are stored as cairo's ARGB32 (bytes blue, green, red, alpha), the
// same layout as VG_IMAGE pixels.
//
// The screen is opaque: fills, texts and raw pixels replace what was there
// (the alpha of their colour is ignored); only drawImage blends, by the
// image's own (straight) alpha. Every call is safe from any thread.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "host/host_types.h"
#include "hostsim/core/config.h"

struct VG_IMAGE;

namespace hostsim {

/// Host YUV colour to an ARGB32 pixel value (0xAARRGGBB), and back.
uint32_t yuvToArgb(uint32_t yuv);
uint32_t argbToYuv(uint32_t argb);

/// Text alignment and look for Screen::drawText.
struct TextStyle {
  enum Align { Left, Centre, Right } align = Left;
  bool verticalCentre = true;
  bool bold = false;
};

/// A picture of the video layer: 32-bit pixels (ARGB32 layout, `width` a
/// line) for a box of a monitor's screen, kept inside `bounds`.
struct VideoPicture {
  int monitor = 1;
  int x = 0, y = 0, width = 0, height = 0;
  VG_CORNERS bounds{};
  const uint32_t* pixels = nullptr;
};

class Screen {
 public:
  explicit Screen(const std::vector<MonitorConfig>& monitors);
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  int monitorCount() const;
  bool validMonitor(int monitor) const;  ///< monitors are numbered from 1
  int16_t width(int monitor) const;
  int16_t height(int monitor) const;

  /// Drawing is clipped to the monitor's clip rectangle (the whole screen by default).
  void setClip(int monitor, VG_CORNERS clip);
  VG_CORNERS clip(int monitor) const;
  void resetClip(int monitor);

  void fillRect(int monitor, VG_CORNERS r, uint32_t argb);
  /// A raised or sunken frame of `thickness` pixels inside r.
  void drawFrame(int monitor, VG_CORNERS r, uint32_t lightArgb, uint32_t darkArgb, int thickness);
  /// Text in the GUI font (8 pixels a character, 16 high), cut at the box.
  /// Lines break at '\n'; each line is aligned on its own.
  void drawText(int monitor, VG_CORNERS box, std::u16string_view text, uint32_t argb, TextStyle style = {});
  /// 32-bit pixels (ARGB32 layout) with `stride` bytes a line, at x, y.
  void drawPixels(int monitor, const uint8_t* pixels, int width, int height, int stride, int x, int y);
  /// An image blended over the screen by its alpha, at x, y.
  void drawImage(int monitor, const VG_IMAGE& image, int x, int y);
  /// The pictures of one video frame, written in one step: a screenshot
  /// shows all of them or none. Video does not go through the GUI, so the
  /// clip rectangle does not apply, only each picture's bounds.
  void drawVideo(const std::vector<VideoPicture>& pictures);

  /// Pixel value (0xAARRGGBB) at x, y; 0 outside the screen.
  uint32_t pixel(int monitor, int x, int y) const;
  /// Copy of a rectangle, and putting it back (modal requests restore what they covered).
  /// Neither looks at the clip rectangle; pixels outside the screen read as 0
  /// and are not written back.
  std::vector<uint32_t> saveRect(int monitor, VG_CORNERS r) const;
  void restoreRect(int monitor, VG_CORNERS r, const std::vector<uint32_t>& pixels);

  /// Writes the monitor's framebuffer as a PNG of the screen's size.
  bool savePng(int monitor, const std::filesystem::path& file) const;

  /// Text drawing into an off-screen ARGB32 buffer (vgBoxTextBuffer).
  static void drawTextInto(uint8_t* buffer, int bufferWidth, int bufferHeight, VG_CORNERS box, std::u16string_view text,
                           uint32_t argb, TextStyle style = {});

 private:
  struct Monitor;
  Monitor* find(int monitor) const;
  /// drawPixels inside `bounds`; the caller holds the mutex.
  static void writePixels(Monitor& monitor, VG_CORNERS bounds, const uint8_t* pixels, int width, int height,
                          int stride, int x, int y);
  std::vector<std::unique_ptr<Monitor>> monitors_;
  mutable std::mutex mutex_;
};

}  // namespace hostsim
