// The time ruler of the timeline overview: composed off-screen, then written
// to the panel in one piece so that it never flickers while it is drawn.
#include "host/vg.h"
#include "ostrel3/display/timeline_geometry.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

constexpr int32_t kDarkLook = 2;
constexpr int32_t kDarkRulerColour = 5;
constexpr int32_t kRulerColour = 2;
constexpr uint32_t kTickRgb = 0xB7B7B7FFu;
constexpr uint32_t kLabelStyle = 0x12;  // centred both ways, in the GUI's text colour
constexpr int32_t kFillMode = 3;
constexpr int16_t kMajorTickRows = 8, kMinorTickRows = 4, kBaseLineRows = 2;

// The ruler's pixels, allocated by the host GUI and freed on every way out.
class RulerBuffer {
 public:
  RulerBuffer(int16_t width, int16_t height) : image_(vgAllocImage(0, width, height)) {}
  ~RulerBuffer() {
    if (image_) vgFreeImage(image_);
  }
  RulerBuffer(const RulerBuffer&) = delete;
  RulerBuffer& operator=(const RulerBuffer&) = delete;
  explicit operator bool() const { return image_ && image_->pixels; }
  void* pixels() const { return image_->pixels; }

 private:
  VG_IMAGE* image_;
};

// Draws into the ruler's pixels, which will be written at `place`.
class RulerPainter {
 public:
  RulerPainter(VG_PANEL panel, const VG_RECT& place, void* pixels, int16_t rows)
      : panel_(panel), place_(place), pixels_(pixels), rows_(rows) {}
  /// Fills columns x0..x1 of rows y0..y1 with the current colour.
  bool fill(int16_t x0, int16_t y0, int16_t x1, int16_t y1) const {
    if (y0 < 0) y0 = 0;
    return vgRectFillBuffer(panel_, place_.x, place_.y, pixels_, place_.width, x0, y0, x1, y1, kFillMode, 0) == 0;
  }
  void label(const XCHAR* text, const RulerLabel& l, int16_t height) const {
    vgBoxTextBuffer(pixels_, place_.width, rows(), text, l.left, 0, l.width, height, kLabelStyle);
  }
  int16_t rows() const { return rows_; }

 private:
  VG_PANEL panel_;
  VG_RECT place_;
  void* pixels_;
  int16_t rows_;
};

void writeLabels(const RulerPainter& painter, const RulerLayout& layout, int16_t textHeight) {
  for (const RulerLabel& l : layout.labels) {
    XCHAR text[VG_TIME_TEXT_MAX] = {};
    if (vgSliderCallbackFramesTime(l.frame, text) < 0) {
      OS3_LOG(kLogFailed);
      continue;
    }
    painter.label(text, l, textHeight);
  }
}

void writeTicks(const RulerPainter& painter, const RulerLayout& layout, int16_t width) {
  const int16_t rows = painter.rows();
  vgSetColorRGB(kTickRgb);
  painter.fill(0, static_cast<int16_t>(rows - kBaseLineRows), static_cast<int16_t>(width - 1),
               static_cast<int16_t>(rows - 1));
  const int16_t tickBottom = static_cast<int16_t>(rows - kBaseLineRows - 1);
  for (const TickMark& t : layout.major)
    painter.fill(t.first, static_cast<int16_t>(tickBottom - kMajorTickRows + 1), t.last, tickBottom);
  for (const TickMark& t : layout.minor)
    painter.fill(t.first, static_cast<int16_t>(tickBottom - kMinorTickRows + 1), t.last, tickBottom);
}

}  // namespace

void MulticamOperator::DrawTimeRuler() {
  const VG_PANEL panel = timelineArea.panel;
  const VG_RECT& r = timelineArea.rect;
  const int16_t rows = BandsOf(r.height, textLineHeight, timelineGap, timelineMargin).rulerHeight;
  if (!panel || r.width <= 0 || rows <= 0) return;
  RulerBuffer buffer(r.width, rows);
  if (!buffer) {
    OS3_LOG(kLogFailed);
    return;
  }
  const RulerPainter painter(panel, r, buffer.pixels(), rows);
  vgSetColorYUV(vgGetNewGuiColorYUV(vgGetGuiLook() == kDarkLook ? kDarkRulerColour : kRulerColour));
  if (!painter.fill(0, 0, static_cast<int16_t>(r.width - 1), static_cast<int16_t>(rows - 1))) {
    OS3_LOG(kLogFailed);
    return;
  }
  // Without a step that fits (or without frames) the ruler shows only its
  // background, never the labels of an earlier window.
  const int32_t span = zoomOut - zoomIn + 1;
  const int32_t slot = timeTextWidth * 5 / 4;
  if (const auto step = ChooseRulerStep(span, r.width, slot, framesPerSecond, maxLength)) {
    const RulerLayout layout = LayoutRuler(zoomIn, span, r.width, *step, timeTextWidth);
    writeLabels(painter, layout, textLineHeight);
    writeTicks(painter, layout, r.width);
  }
  if (vgHideExtendedHelpInRegion(panel, r.x, r.y, r.width, rows, 0) != 0) OS3_LOG(kLogFailed);
  if (vgWriteRectRaw(panel, buffer.pixels(), r.x, r.y, r.width, rows, 1) != 0) OS3_LOG(kLogFailed);
}

}  // namespace ostrel3
