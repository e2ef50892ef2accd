#pragma once
// The arithmetic of the timeline overview, without the host: where its bands
// lie, which frames the ruler labels and where its ticks go, which segment of
// the cut bar belongs to which camera, how a zoom moves the visible window
// and where the zoom bar shows it. Pixels are computed wide and narrowed only
// once they are known to lie inside the timeline.
#include <cstdint>
#include <optional>
#include <vector>

#include "ostrel3/project/cut_list.h"

namespace ostrel3 {

/// The rows of the overview's bands, relative to the top of the timeline.
struct OverviewBands {
  int16_t rulerHeight = 0;  ///< rows 0 .. rulerHeight - 1
  int16_t barTop = 0;       ///< first row of the cut bar
  int16_t barHeight = 0;    ///< rows of the cut bar (colour strip and body)
  int16_t zoomTop = 0;      ///< the zoom bar's reference row: its indicator lies 4 rows below
};

/// Bands of a timeline `height` rows high: the ruler is a text line plus
/// `gap` rows, the cut bar follows two rows below it and leaves `margin` rows
/// for the zoom bar.
OverviewBands BandsOf(int16_t height, int16_t textLineHeight, int16_t gap, int16_t margin);

/// Pixel of a frame `offset` frames into a window of `span` frames shown on
/// `width` pixels (truncated towards zero). Wide: far frames do not wrap.
/// `span` must be positive.
int64_t FramePixel(int64_t offset, int32_t width, int32_t span);

// ---- Ruler -------------------------------------------------------------------

/// Frames between two ruler labels and how many label steps fill the window.
struct RulerStep {
  int32_t frames = 0;
  int32_t labels = 0;
};

/// The smallest step of 1, 2, 3, 5, 10, 20, 30 or 50 frames, seconds or
/// minutes (never below one second, never above `maxLength`) whose labels,
/// `slot` pixels each, fit into `width`. None when the window is empty or no
/// step fits. A slot of 0 pixels counts as 1, so labels never outnumber pixels.
std::optional<RulerStep> ChooseRulerStep(int32_t span, int32_t width, int32_t slot, int32_t framesPerSecond,
                                         int32_t maxLength);

/// Minor tick intervals between two major ticks `pixelStep` apart: at most
/// 10, each at least 14 pixels; none when the step is narrower than that.
struct MinorSpacing {
  int32_t intervals = 0;
  int32_t pixels = 0;
};
MinorSpacing MinorSpacingOf(int64_t pixelStep);

/// Columns first..last of a tick, inside the ruler.
struct TickMark {
  int16_t first = 0;
  int16_t last = 0;
  bool operator==(const TickMark&) const = default;
};

/// A label that fits into the ruler: its frame and the box it is written in.
struct RulerLabel {
  int32_t frame = 0;
  int16_t left = 0;
  int16_t width = 0;
  bool operator==(const RulerLabel&) const = default;
};

struct RulerLayout {
  int64_t pixelStep = 0;          ///< pixels between two labels
  std::vector<RulerLabel> labels; ///< only those wholly inside the ruler
  std::vector<TickMark> major;    ///< 4 pixels wide, cut at the ruler's edges
  std::vector<TickMark> minor;    ///< 2 pixels wide, cut at the ruler's edges
};

/// Labels and ticks of a window starting at `zoomIn`, `span` frames on
/// `width` pixels. Labels are written only when `labelWidth` is more than 20
/// pixels, centred on their frame.
RulerLayout LayoutRuler(int32_t zoomIn, int32_t span, int32_t width, RulerStep step, int16_t labelWidth);

// ---- Cut bar -------------------------------------------------------------------

/// A stretch of the cut bar, columns first..last, shown in a camera's colour.
struct CutSegment {
  int16_t first = 0;
  int16_t last = 0;
  int32_t camera = 0;       ///< whose colour (and clip name) the segment shows
  bool named = false;       ///< the camera has a clip whose name can be written
  bool leftBorder = false;  ///< a cut line at `first`
  bool endBorder = false;   ///< a cut line at `last` (not where the window cuts the segment)
  bool operator==(const CutSegment&) const = default;
};

/// What of the project the cut bar shows.
struct CutBarView {
  int32_t zoomIn = 0;
  int32_t span = 0;   ///< frames of the window, positive
  int32_t width = 0;  ///< pixels, positive
  uint32_t camerasWithClip = 0;  ///< bit i: camera i has a clip
  bool moving = false;           ///< the cut at movingFrom is drawn at movingFrom + moveDelta
  int32_t movingFrom = 0;
  int32_t moveDelta = 0;
};

/// The segments of the visible window, left to right, covering every column.
/// The walk starts at the window by a binary search and stops at its right
/// edge, so its cost follows what is visible, not the length of the list. A
/// stretch of a camera without a clip is shown as the last camera before it
/// that has one.
std::vector<CutSegment> LayoutCutBar(const CutList& cuts, const CutBarView& view);

// ---- Zoom -----------------------------------------------------------------------

/// First and last frame of the visible window.
struct TimelineWindow {
  int32_t first = 0;
  int32_t last = 0;
  bool operator==(const TimelineWindow&) const = default;
};

/// The window after a zoom step around `position`: twice as wide for a
/// negative direction, else half as wide, never under about one second, and
/// kept inside a project of `projectLength` fields.
TimelineWindow ZoomAround(TimelineWindow window, int32_t position, int direction, int32_t framesPerSecond,
                          int32_t projectLength);

/// Columns first..last of the zoom bar's indicator in a timeline `width`
/// pixels wide; the rightmost 108 pixels stay free. An empty project shows
/// the whole scale. None when the timeline is too narrow for a scale.
std::optional<TickMark> ZoomBarExtent(int32_t width, TimelineWindow window, int32_t projectLength);

}  // namespace ostrel3
