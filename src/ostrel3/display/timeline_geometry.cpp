#include "ostrel3/display/timeline_geometry.h"

#include <algorithm>
#include <iterator>

namespace ostrel3 {

namespace {

constexpr int32_t kMultipliers[] = {1, 2, 3, 5, 10, 20, 30, 50};
constexpr int32_t kMinorTickSpacing = 14;
constexpr int32_t kMostMinorIntervals = 10;
constexpr int32_t kMajorTickLeft = 2, kMajorTickRight = 1;
constexpr int32_t kMinorTickOffset = 3, kMinorTickWidth = 2;
constexpr int32_t kNarrowestLabel = 20;
constexpr int32_t kZoomBarInset = 6;
constexpr int32_t kZoomBarFreeRight = 108;

int16_t narrow(int64_t v) { return static_cast<int16_t>(std::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }
int32_t narrow32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

// Floor division, for windows that start before frame 0.
int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

// A tick's columns cut at the ruler's edges; none when wholly outside.
void addTick(std::vector<TickMark>& ticks, int64_t first, int64_t last, int32_t width) {
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, width - 1);
  if (first <= last) ticks.push_back({narrow(first), narrow(last)});
}

bool hasClip(const CutBarView& view, int32_t camera) {
  return camera >= 0 && camera < 32 && (view.camerasWithClip >> camera & 1u) != 0;
}

}  // namespace

OverviewBands BandsOf(int16_t height, int16_t textLineHeight, int16_t gap, int16_t margin) {
  OverviewBands b;
  b.rulerHeight = narrow(int32_t(textLineHeight) + gap);
  b.barTop = narrow(int32_t(b.rulerHeight) + 2);
  b.barHeight = narrow(std::max(0, int32_t(height) - margin - b.barTop));
  b.zoomTop = narrow(int32_t(height) - margin + 2);
  return b;
}

int64_t FramePixel(int64_t offset, int32_t width, int32_t span) { return offset * width / span; }

std::optional<RulerStep> ChooseRulerStep(int32_t span, int32_t width, int32_t slot, int32_t framesPerSecond,
                                         int32_t maxLength) {
  if (span <= 0 || width <= 0 || framesPerSecond <= 0) return std::nullopt;
  const int64_t fps = framesPerSecond, minute = 60 * fps;
  const int64_t room = std::max(slot, 1);
  for (const int64_t unit : {int64_t(1), fps, minute}) {
    for (const int32_t multiplier : kMultipliers) {
      int64_t step = multiplier * unit;
      if (step > fps) step = step / fps * fps;
      if (step > minute) step = step / minute * minute;
      step = std::max<int64_t>(std::min<int64_t>(step, maxLength), fps);
      const int64_t labels = span / step;
      if (labels <= width / room && labels * room <= width)
        return RulerStep{static_cast<int32_t>(step), static_cast<int32_t>(std::min<int64_t>(labels, span))};
    }
  }
  return std::nullopt;
}

MinorSpacing MinorSpacingOf(int64_t pixelStep) {
  int64_t intervals = std::min<int64_t>(pixelStep / kMinorTickSpacing, kMostMinorIntervals);
  if (intervals <= 0) return {};
  int64_t pixels = pixelStep / intervals;
  if (pixels < kMinorTickSpacing) {
    pixels = kMinorTickSpacing;
    intervals = pixelStep / kMinorTickSpacing;
  }
  return {narrow32(intervals), narrow32(pixels)};
}

RulerLayout LayoutRuler(int32_t zoomIn, int32_t span, int32_t width, RulerStep step, int16_t labelWidth) {
  RulerLayout r;
  if (span <= 0 || width <= 0 || step.frames <= 0) return r;
  r.pixelStep = FramePixel(step.frames, width, span);
  const int64_t firstLabel = -floorDiv(-int64_t(zoomIn), step.frames) * step.frames;
  std::vector<int64_t> majors;
  majors.reserve(size_t(step.labels) + 3);
  majors.push_back(FramePixel(firstLabel - zoomIn, width, span) - r.pixelStep);
  for (int64_t k = 0; k <= step.labels; ++k) {
    const int64_t frame = firstLabel + k * step.frames;
    const int64_t centre = FramePixel(frame - zoomIn, width, span);
    majors.push_back(centre);
    const int64_t left = centre - labelWidth / 2;
    if (labelWidth > kNarrowestLabel && left >= 0 && left + labelWidth <= width)
      r.labels.push_back({narrow32(frame), narrow(left), labelWidth});
  }
  majors.push_back(majors.back() + r.pixelStep);
  const MinorSpacing minor = MinorSpacingOf(r.pixelStep);
  for (size_t i = 0; i < majors.size(); ++i) {
    addTick(r.major, majors[i] - kMajorTickLeft, majors[i] + kMajorTickRight, width);
    if (i + 1 == majors.size()) break;
    for (int32_t k = 1; k < minor.intervals; ++k) {
      const int64_t at = majors[i] + kMinorTickOffset + int64_t(k) * minor.pixels;
      addTick(r.minor, at, at + kMinorTickWidth - 1, width);
    }
  }
  return r;
}

std::vector<CutSegment> LayoutCutBar(const CutList& cuts, const CutBarView& view) {
  std::vector<CutSegment> segments;
  if (view.span <= 0 || view.width <= 0) return segments;
  const auto frameOf = [&](const CutList::value_type& cut) -> int64_t {
    return view.moving && cut.first == view.movingFrom ? int64_t(cut.first) + view.moveDelta : cut.first;
  };
  // The cut in force at the window's start: its camera, or the last one
  // before it that has a clip, or camera 1 (unnamed) when none has.
  int32_t camera = 0;
  bool named = false;
  auto start = cuts.lower_bound(view.zoomIn);
  // A cut being moved may be shown on the other side of the window's start.
  if (view.moving && start != cuts.begin() && std::prev(start)->first == view.movingFrom) --start;
  for (auto it = start; it != cuts.begin();) {
    --it;
    if (hasClip(view, it->second)) {
      camera = it->second, named = true;
      break;
    }
  }
  if (!named && !cuts.empty() && hasClip(view, cuts.begin()->second)) camera = cuts.begin()->second, named = true;

  const int64_t lastColumn = view.width - 1;
  int64_t from = 0;
  const auto add = [&](int64_t to, bool endBorder) {
    to = std::max(to, from);
    segments.push_back({narrow(from), narrow(to), camera, named, from != 0, endBorder});
    from = to;
  };
  for (auto it = start; it != cuts.end(); ++it) {
    const int64_t offset = frameOf(*it) - view.zoomIn;
    if (offset >= view.span) {
      // Beyond the window: the segment is cut at the right edge, and nothing
      // after it can be seen.
      add(lastColumn, false);
      return segments;
    }
    if (offset >= 0) add(FramePixel(offset, view.width, view.span), true);
    if (hasClip(view, it->second)) camera = it->second, named = true;
  }
  add(lastColumn, false);
  return segments;
}

TimelineWindow ZoomAround(TimelineWindow window, int32_t position, int direction, int32_t framesPerSecond,
                          int32_t projectLength) {
  const int64_t width = int64_t(window.last) - window.first + 1;
  const int64_t wanted = direction < 0 ? 2 * width : width / 2;
  const int64_t half = std::max<int64_t>(wanted, framesPerSecond) / 2;
  int64_t first = int64_t(position) - half, last = int64_t(position) + half;
  if (first < 0) first = 0, last = 2 * half;
  const int64_t lastFrame = projectLength / 2 - 1;
  if (last > lastFrame) {
    first = std::max<int64_t>(0, lastFrame - (last - first));
    last = lastFrame;
  }
  return {narrow32(first), narrow32(last)};
}

std::optional<TickMark> ZoomBarExtent(int32_t width, TimelineWindow window, int32_t projectLength) {
  const int64_t scale = int64_t(width) - kZoomBarInset - kZoomBarFreeRight;
  if (scale < 1) return std::nullopt;
  const int64_t frames = projectLength / 2;
  // Without frames the window holds the whole (empty) project.
  int64_t first = 0, end = scale;
  if (frames > 0) {
    first = std::clamp<int64_t>(int64_t(window.first) * scale / frames, 0, scale - 1);
    end = std::clamp<int64_t>(int64_t(window.last) * scale / frames, first + 1, scale);
  }
  return TickMark{narrow(kZoomBarInset + first), narrow(kZoomBarInset + end - 1)};
}

}  // namespace ostrel3
