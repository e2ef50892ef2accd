#pragma once
// How the stand-in GUI paints its elements and request frames into a
// monitor's framebuffer. Pure drawing: the records are only read.
#include <cstdint>
#include <string_view>

#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/screen.h"

namespace hostsim {

struct DrawContext {
  Screen& screen;
  int32_t monitor = 1;
  int32_t framesPerSecond = 25;  ///< for time texts
  int16_t rowHeight = 24;        ///< list view rows
  uint32_t background = 0xFF303030u;
};

/// Drawing of the host's own gadgets is not limited by the clip rectangle
/// the caller set for its drawing; the caller's clip is put back afterwards.
class UnclippedDrawing {
 public:
  UnclippedDrawing(Screen& screen, int32_t monitor) : screen_(screen), monitor_(monitor), saved_(screen.clip(monitor)) {
    screen_.resetClip(monitor_);
  }
  ~UnclippedDrawing() { screen_.setClip(monitor_, saved_); }
  UnclippedDrawing(const UnclippedDrawing&) = delete;
  UnclippedDrawing& operator=(const UnclippedDrawing&) = delete;

 private:
  Screen& screen_;
  int32_t monitor_;
  VG_CORNERS saved_;
};

/// Inclusive corners of a rectangle.
VG_CORNERS cornersOf(VG_RECT r);

/// Height of a list view row on a monitor: the font height and a margin
/// that is larger on the main monitor.
int16_t listRowHeight(int32_t defaultMonitor);
/// Rows a list view of `height` pixels shows.
int32_t visibleRows(int16_t height, int16_t rowHeight);

/// Slider value under a pixel column (relative to the element), by the
/// same track geometry the slider is drawn with.
int32_t sliderValueAt(const ElementRec& e, int relX);
/// List row under a pixel line (relative to the element), -1 for none.
int32_t listRowAt(const ElementRec& e, int relY, int16_t rowHeight);

/// Paints an element at its screen rectangle; drawing ignores the caller's
/// clip rectangle, as the host's own gadgets do.
void drawElement(const DrawContext& ctx, VG_RECT screenRect, const ElementRec& e);

/// Frame, title bar and background of a request window or modal box.
/// titleHeight 0: no title bar.
void drawWindowFrame(const DrawContext& ctx, VG_CORNERS outer, int16_t titleHeight, std::u16string_view title);

/// Lines of a message in a modal box, centred in `box`.
void drawMessage(const DrawContext& ctx, VG_CORNERS box, std::u16string_view text);

/// A colour swatch (palette requests) inside `box`.
void drawSwatch(const DrawContext& ctx, VG_CORNERS box, uint32_t yuv);

}  // namespace hostsim
