#pragma once
// The arithmetic of cut editing without the host: the frame a click in the
// timeline means and the cut it snaps to, how far a cut may be moved, how
// the pointer and the jog move the cursor or the cut, and how the visible
// window follows the cursor. Frames times pixels are taken in 64 bits: a
// long project on a wide timeline passes 32 bits.
#include <cstdint>
#include <optional>

#include "ostrel3/display/timeline_geometry.h"
#include "ostrel3/project/cut_list.h"

namespace ostrel3 {

/// Pixels either side of a cut within which a click lands on it.
inline constexpr int32_t kSnapDistance = 10;

/// The visible window of the timeline and the pixels it is shown on.
struct TimelineView {
  int32_t zoomIn = 0;
  int32_t zoomOut = 0;
  int32_t width = 0;
  int64_t span() const { return int64_t(zoomOut) - zoomIn + 1; }
  /// There are frames to show and pixels to show them on.
  bool usable() const { return span() > 0 && width > 0; }
};

/// The frame a click `x` pixels right of the timeline's left edge chooses:
/// the click counts from the middle of a frame's pixels, the frame is kept
/// within 0..lastFrame, and a visible cut whose pixel lies within 10 pixels
/// (left inclusive, right exclusive) wins, the first such cut in frame
/// order. None while there is no frame to choose (empty project or window,
/// timeline without width).
std::optional<int32_t> ClickedFrame(const CutList& cuts, const TimelineView& view, int32_t x, int32_t lastFrame);

/// The first cut from zoomIn up to, but not including, zoomOut whose pixel
/// lies in [centre - 10, centre + 10).
std::optional<int32_t> SnapToCut(const CutList& cuts, const TimelineView& view, int64_t centre);

/// The frames a moved cut may take.
struct MoveBounds {
  int32_t low = 0;
  int32_t high = 0;
  bool operator==(const MoveBounds&) const = default;
};

/// Where the cut at `from` may go: after the cut before it and before the
/// cut after it, or up to lastFrame when it is the last. The first cut of
/// the list keeps its frame: nothing lies before it to bound it. None when
/// no cut lies at `from`.
std::optional<MoveBounds> MoveBoundsOf(const CutList& cuts, int32_t from, int32_t lastFrame);

/// The offset of a moved cut kept so that from + offset lies in the bounds.
int32_t ClampMoveDelta(int64_t delta, int32_t from, MoveBounds bounds);

/// The offset a pointer at screen column `x` asks for: the timeline's width,
/// starting at screen column `left`, spans the bounds. Not yet clamped.
int64_t PointerMoveDelta(int32_t x, int32_t left, int32_t width, int32_t from, MoveBounds bounds);

/// The cursor after a jog of `delta` frames, kept within 0..lastFrame
/// (lastFrame must not be negative).
int32_t JogTarget(int32_t position, int64_t delta, int32_t lastFrame);

/// The window scrolled just far enough that `position` lies inside it; its
/// width stays.
TimelineWindow FollowPosition(TimelineWindow window, int32_t position);

/// Column of a frame in the view, kept on the timeline (0..width - 1).
int32_t CursorColumn(int32_t frame, const TimelineView& view);

}  // namespace ostrel3
