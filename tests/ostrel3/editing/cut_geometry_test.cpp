// The arithmetic of cut editing, without a host.
#include <gtest/gtest.h>

#include "ostrel3/editing/cut_geometry.h"

namespace {

using ostrel3::CutList;
using ostrel3::MoveBounds;
using ostrel3::TimelineView;

struct ClickCase {
  const char* what;
  TimelineView view;
  int32_t x, lastFrame;
  std::optional<int32_t> frame;
};

class ClickTest : public ::testing::TestWithParam<ClickCase> {};

// Mostly 300 frames on 600 pixels: the cut at 100 lies on pixel 200, and a
// click counts from the middle of a frame, one pixel further right.
TEST_P(ClickTest, ChoosesTheFrameUnderThePointerOrACutNearIt) {
  const ClickCase& c = GetParam();
  const CutList cuts{{0, 0}, {100, 1}, {140, 0}, {299, 1}};
  EXPECT_EQ(ostrel3::ClickedFrame(cuts, c.view, c.x, c.lastFrame), c.frame) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClickTest,
    ::testing::Values(ClickCase{"a frame's last pixel", {0, 299, 600}, 251, 299, 126},
                      ClickCase{"just left of the snap", {0, 299, 600}, 189, 299, 95},
                      ClickCase{"10 pixels left snaps", {0, 299, 600}, 190, 299, 100},
                      ClickCase{"9 pixels right snaps", {0, 299, 600}, 209, 299, 100},
                      ClickCase{"just right of the snap", {0, 299, 600}, 210, 299, 105},
                      ClickCase{"two cuts in reach: the first", {0, 299, 60}, 25, 299, 100},
                      ClickCase{"no snap to the window's last frame", {0, 299, 600}, 590, 299, 295},
                      ClickCase{"no snap to a cut left of the window", {101, 200, 600}, 0, 299, 101},
                      ClickCase{"never beyond the last frame", {250, 349, 600}, 599, 299, 299},
                      ClickCase{"a long project on a wide timeline", {0, 2000000, 4000}, 3999, 2000000, 1999500},
                      ClickCase{"an empty project", {0, -1, 600}, 100, -1, std::nullopt},
                      ClickCase{"an empty project, one-frame window", {0, 0, 600}, 100, -1, std::nullopt}));

struct BoundsCase {
  int32_t from;
  std::optional<MoveBounds> bounds;
};

class MoveBoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(MoveBoundsTest, AMovedCutStaysBetweenItsNeighbours) {
  const CutList cuts{{40, 0}, {100, 1}, {200, 0}, {300, 1}};
  EXPECT_EQ(ostrel3::MoveBoundsOf(cuts, GetParam().from, 399), GetParam().bounds);
}

// The first cut keeps its frame, wherever it lies; the last reaches the end.
INSTANTIATE_TEST_SUITE_P(Cases, MoveBoundsTest,
                         ::testing::Values(BoundsCase{200, MoveBounds{101, 299}}, BoundsCase{300, MoveBounds{201, 399}},
                                           BoundsCase{40, MoveBounds{40, 40}}, BoundsCase{150, std::nullopt}));

TEST(PointerDeltaTest, ALongMoveOnAWideTimelineDoesNotWrap) {
  EXPECT_EQ(ostrel3::PointerMoveDelta(3839, 0, 3840, 1, {1, 3000000}), 2999218);
  EXPECT_EQ(ostrel3::ClampMoveDelta(int64_t(1) << 40, 200, {101, 299}), 99);
}

}  // namespace
