#include "ostrel3/editing/cut_geometry.h"

#include <algorithm>
#include <iterator>

namespace ostrel3 {

namespace {

int32_t narrow32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

std::optional<int32_t> SnapToCut(const CutList& cuts, const TimelineView& view, int64_t centre) {
  if (!view.usable()) return std::nullopt;
  // A cut on the window's last frame does not draw the cursor onto it.
  const auto end = cuts.lower_bound(view.zoomOut);
  for (auto it = cuts.lower_bound(view.zoomIn); it != end; ++it) {
    const int64_t pixel = FramePixel(int64_t(it->first) - view.zoomIn, view.width, narrow32(view.span()));
    if (pixel >= centre - kSnapDistance && pixel < centre + kSnapDistance) return it->first;
    if (pixel >= centre + kSnapDistance) break;  // later cuts lie further right
  }
  return std::nullopt;
}

std::optional<int32_t> ClickedFrame(const CutList& cuts, const TimelineView& view, int32_t x, int32_t lastFrame) {
  if (!view.usable() || lastFrame < 0) return std::nullopt;
  const int64_t span = view.span();
  // Half a frame's pixels to the right, so that a click anywhere on a
  // frame's pixels chooses that frame.
  const int64_t centre = int64_t(x) + (view.width / span) / 2;
  const int64_t frame = view.zoomIn + centre * span / view.width;
  if (const auto cut = SnapToCut(cuts, view, centre)) return *cut;
  return narrow32(std::clamp<int64_t>(frame, 0, lastFrame));
}

std::optional<MoveBounds> MoveBoundsOf(const CutList& cuts, int32_t from, int32_t lastFrame) {
  const auto at = cuts.find(from);
  if (at == cuts.end()) return std::nullopt;
  if (at == cuts.begin()) return MoveBounds{from, from};
  const auto next = std::next(at);
  MoveBounds bounds{std::prev(at)->first + 1, next == cuts.end() ? lastFrame : next->first - 1};
  // A cut beyond the end of a shortened timeline stays where it is.
  if (bounds.high < from) bounds.high = from;
  return bounds;
}

int32_t ClampMoveDelta(int64_t delta, int32_t from, MoveBounds bounds) {
  const int64_t to = std::clamp<int64_t>(int64_t(from) + delta, bounds.low, std::max(bounds.low, bounds.high));
  return narrow32(to - from);
}

int64_t PointerMoveDelta(int32_t x, int32_t left, int32_t width, int32_t from, MoveBounds bounds) {
  if (width <= 0) return 0;
  const int64_t frames = int64_t(bounds.high) - bounds.low + 1;
  return (int64_t(x) - left) * frames / width + bounds.low - from;
}

int32_t JogTarget(int32_t position, int64_t delta, int32_t lastFrame) {
  return narrow32(std::clamp<int64_t>(int64_t(position) + delta, 0, std::max(lastFrame, 0)));
}

TimelineWindow FollowPosition(TimelineWindow window, int32_t position) {
  const int64_t width = int64_t(window.last) - window.first;
  if (position < window.first) return {position, narrow32(position + width)};
  if (position > window.last) return {narrow32(position - width), position};
  return window;
}

int32_t CursorColumn(int32_t frame, const TimelineView& view) {
  if (!view.usable()) return 0;
  const int64_t pixel = FramePixel(int64_t(frame) - view.zoomIn, view.width, narrow32(view.span()));
  return narrow32(std::clamp<int64_t>(pixel, 0, view.width - 1));
}

}  // namespace ostrel3
