// The overview's arithmetic without a host: ruler steps and ticks, the
// segments of the cut bar, zoom steps and the zoom bar.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ostrel3/display/timeline_geometry.h"

namespace {

using namespace ostrel3;

struct StepCase {
  const char* what;
  int32_t span, width, slot, fps, maxLength;
  std::optional<RulerStep> expected;
};

TEST(RulerStep, TheSmallestStepWhoseLabelsFitIsTaken) {
  const StepCase cases[] = {
      {"1 s gives 10 labels for 5 slots; 2 s gives 5", 250, 500, 100, 25, 180000, RulerStep{50, 5}},
      {"never below one second", 25, 1000, 100, 25, 180000, RulerStep{25, 1}},
      {"whole seconds at 30 fps", 900, 600, 100, 30, 216000, RulerStep{150, 6}},
      {"two hours on 1000 pixels: 20 minutes", 180000, 1000, 100, 25, 180000, RulerStep{30000, 6}},
      {"a label slot of 0 does not divide", 250, 500, 0, 25, 180000, RulerStep{25, 10}},
      {"the longest step is bounded by the maximum length", 10000, 500, 100, 25, 100, std::nullopt},
      {"narrower than one slot: a step longer than the window", 250, 80, 100, 25, 180000, RulerStep{500, 0}},
      {"an empty window", 0, 500, 100, 25, 180000, std::nullopt},
      {"no frame rate", 250, 500, 100, 0, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto step = ChooseRulerStep(c.span, c.width, c.slot, c.fps, c.maxLength);
    ASSERT_EQ(step.has_value(), c.expected.has_value()) << c.what;
    if (!step) continue;
    EXPECT_EQ(step->frames, c.expected->frames) << c.what;
    EXPECT_EQ(step->labels, c.expected->labels) << c.what;
  }
}

TEST(RulerStep, MinorTicksAreAtLeast14PixelsApartAndAtMost10AStep) {
  const struct {
    int64_t step;
    MinorSpacing expected;
  } cases[] = {{0, {0, 0}}, {13, {0, 0}}, {14, {1, 14}}, {100, {7, 14}}, {139, {9, 15}}, {140, {10, 14}},
               {1000, {10, 100}}};
  for (const auto& c : cases) {
    const MinorSpacing s = MinorSpacingOf(c.step);
    EXPECT_EQ(s.intervals, c.expected.intervals) << c.step;
    EXPECT_EQ(s.pixels, c.expected.pixels) << c.step;
  }
}

TEST(RulerLayout, LabelsEvery100PixelsWithSevenMinorIntervals) {
  const RulerLayout r = LayoutRuler(0, 250, 500, RulerStep{50, 5}, 80);
  EXPECT_EQ(r.pixelStep, 100);
  // The labels at frames 0 and 250 would stick out of the ruler.
  EXPECT_EQ(r.labels, (std::vector<RulerLabel>{{50, 60, 80}, {100, 160, 80}, {150, 260, 80}, {200, 360, 80}}));
  // One step before the first label (gone) and after the last (gone); the
  // ticks at the edges are cut.
  EXPECT_EQ(r.major, (std::vector<TickMark>{{0, 1}, {98, 101}, {198, 201}, {298, 301}, {398, 401}, {498, 499}}));
  ASSERT_EQ(r.minor.size(), 5u * 6u);
  EXPECT_EQ(r.minor.front(), (TickMark{17, 18}));
  EXPECT_EQ(r.minor[5], (TickMark{87, 88}));
  EXPECT_EQ(r.minor.back(), (TickMark{487, 488}));
}

TEST(RulerLayout, TicksBeforeTheFirstLabelAreCutAtTheRulersEdge) {
  // The first label (frame 50) lies 40 pixels in; its step before starts at -60.
  const RulerLayout r = LayoutRuler(30, 250, 500, RulerStep{50, 5}, 80);
  EXPECT_EQ(r.major.front(), (TickMark{38, 41}));
  // Minor ticks of that step at -1, 13 and 27: the first keeps its one column inside.
  EXPECT_EQ(r.minor[0], (TickMark{0, 0}));
  EXPECT_EQ(r.minor[1], (TickMark{13, 14}));
  EXPECT_EQ(r.minor[2], (TickMark{27, 28}));
  for (const auto& t : r.major) EXPECT_TRUE(t.first >= 0 && t.last <= 499 && t.first <= t.last);
  for (const auto& t : r.minor) EXPECT_TRUE(t.first >= 0 && t.last <= 499 && t.first <= t.last);
}

// ---- Cut bar -----------------------------------------------------------------------

constexpr uint32_t kAllClips = 0xFF;

CutBarView window(int32_t zoomIn, int32_t span, int32_t width, uint32_t clips = kAllClips) {
  CutBarView v;
  v.zoomIn = zoomIn, v.span = span, v.width = width, v.camerasWithClip = clips;
  return v;
}

CutBarView moving(CutBarView v, int32_t from, int32_t delta) {
  v.moving = true, v.movingFrom = from, v.moveDelta = delta;
  return v;
}

struct BarCase {
  const char* what;
  CutList cuts;
  CutBarView view;
  std::vector<CutSegment> expected;  // first, last, camera, named, left border, end border
};

TEST(CutBar, SegmentsTakeTheirCamerasColourAndName) {
  const BarCase cases[] = {
      {"a cut before the window carries its camera into the first segment",
       {{0, 0}, {100, 1}, {300, 2}},
       window(150, 250, 500),
       {{0, 300, 1, true, false, true}, {300, 499, 2, true, true, false}}},
      {"an empty camera's stretch shows the camera before it",
       {{0, 0}, {100, 1}, {200, 2}},
       window(0, 300, 300, 0b101),
       {{0, 0, 0, true, false, true},
        {0, 100, 0, true, false, true},
        {100, 200, 0, true, true, true},
        {200, 299, 2, true, true, false}}},
      {"an empty camera at the window's start: the last one with a clip before it",
       {{0, 0}, {50, 1}, {100, 2}},
       window(60, 100, 100, 0b101),
       {{0, 40, 0, true, false, true}, {40, 99, 2, true, true, false}}},
      {"the last cut beyond the window: cut at the right edge without border",
       {{0, 0}, {50, 1}, {500, 2}},
       window(0, 100, 200),
       {{0, 0, 0, true, false, true}, {0, 100, 0, true, false, true}, {100, 199, 1, true, true, false}}},
      {"a far cut does not wrap: 1000 frames on 1500 pixels for 25 frames",
       {{0, 0}, {1000, 1}},
       window(0, 25, 1500),
       {{0, 0, 0, true, false, true}, {0, 1499, 0, true, false, false}}},
      {"no camera has a clip: camera 1's colour, no name",
       {{0, 2}},
       window(0, 100, 100, 0),
       {{0, 0, 0, false, false, true}, {0, 99, 0, false, false, false}}},
      {"the first cut after the window's start still colours the start",
       {{100, 1}},
       window(0, 200, 200),
       {{0, 100, 1, true, false, true}, {100, 199, 1, true, true, false}}},
      {"a moved cut is drawn where it is going",
       {{0, 0}, {100, 1}, {200, 2}},
       moving(window(0, 300, 300), 100, 50),
       {{0, 0, 0, true, false, true},
        {0, 150, 0, true, false, true},
        {150, 200, 1, true, true, true},
        {200, 299, 2, true, true, false}}},
      {"a cut moved into the window from before its start",
       {{0, 0}, {100, 1}, {200, 2}},
       moving(window(110, 100, 100), 100, 15),
       {{0, 5, 0, true, false, true}, {5, 90, 1, true, true, true}, {90, 99, 2, true, true, false}}},
      {"a cut moved out of the window to before its start",
       {{0, 0}, {100, 1}, {200, 2}},
       moving(window(90, 200, 200), 100, -20),
       {{0, 110, 1, true, false, true}, {110, 199, 2, true, true, false}}},
  };
  for (const auto& c : cases) EXPECT_EQ(LayoutCutBar(c.cuts, c.view), c.expected) << c.what;
}

TEST(CutBar, AnEmptyWindowHasNoSegments) {
  EXPECT_TRUE(LayoutCutBar(CutList{{0, 0}}, window(0, 0, 500)).empty());
  EXPECT_TRUE(LayoutCutBar(CutList{{0, 0}}, window(0, 100, 0)).empty());
}

TEST(CutBar, TheWalkCoversEveryColumnHoweverManyCutsLieOutside) {
  CutList cuts;
  for (int32_t f = 0; f < 100000; f += 10) cuts.insert_or_assign(f, (f / 10) % 3);
  const auto segments = LayoutCutBar(cuts, window(50005, 100, 1000));
  ASSERT_EQ(segments.size(), 11u);
  EXPECT_EQ(segments.front().first, 0);
  EXPECT_EQ(segments.front().camera, 5000 % 3);  // the cut at 50000 is in force at 50005
  for (size_t i = 1; i < segments.size(); ++i) EXPECT_EQ(segments[i].first, segments[i - 1].last);
  EXPECT_EQ(segments.back().last, 999);
  EXPECT_FALSE(segments.back().endBorder);
}

// ---- Zoom ------------------------------------------------------------------------

TEST(Zoom, TheWindowHalvesOrDoublesAroundThePositionInsideTheProject) {
  const struct {
    const char* what;
    TimelineWindow from;
    int32_t position;
    int direction;
    int32_t projectLength;
    TimelineWindow expected;
  } cases[] = {
      {"out from 3 frames: about one second", {99, 101}, 100, -1, 1000, {88, 112}},
      {"in", {0, 399}, 200, +1, 1000, {100, 300}},
      {"any direction but a negative one zooms in", {0, 399}, 200, 0, 1000, {100, 300}},
      {"never narrower than about one second", {90, 110}, 100, +1, 1000, {88, 112}},
      {"clamped at the start", {0, 99}, 10, +1, 1000, {0, 50}},
      {"clamped at the end", {400, 499}, 490, +1, 1000, {449, 499}},
      {"out beyond the whole project", {0, 499}, 250, -1, 1000, {0, 499}},
      {"an empty project", {0, -1}, 0, +1, 0, {0, -1}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ZoomAround(c.from, c.position, c.direction, 25, c.projectLength), c.expected) << c.what;
}

TEST(Zoom, TheIndicatorStaysInsideTheBarAndLeavesItsRightEndFree) {
  const struct {
    const char* what;
    int32_t width;
    TimelineWindow window;
    int32_t projectLength;
    std::optional<TickMark> expected;
  } cases[] = {
      {"the whole project", 1000, {0, 499}, 1000, TickMark{6, 889}},
      {"its second half", 1000, {250, 499}, 1000, TickMark{449, 889}},
      {"an empty project shows the whole scale", 1000, {0, -1}, 0, TickMark{6, 891}},
      {"one frame still shows", 1000, {10, 10}, 1000, TickMark{23, 23}},
      {"a window beyond the project's end", 1000, {0, 10000}, 1000, TickMark{6, 891}},
      {"too narrow for a scale", 114, {0, 499}, 1000, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto extent = ZoomBarExtent(c.width, c.window, c.projectLength);
    EXPECT_EQ(extent, c.expected) << c.what;
    if (extent) {
      EXPECT_TRUE(extent->first >= 6 && extent->last <= c.width - 109) << c.what;
    }
  }
}

}  // namespace
