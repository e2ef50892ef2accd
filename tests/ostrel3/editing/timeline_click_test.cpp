// Clicks in the timeline: the snap onto a cut, a second click starting a
// move, and an empty project.
#include "cut_editing_fixture.h"

namespace {

using ostrel3::CutList;
using namespace ostrel3_test;

struct TimelineClickCase {
  const char* what;
  CutList cuts;
  std::vector<int16_t> clicks;  ///< pixels right of the timeline's left edge
  int32_t position;
  bool moving;
};

class TimelineClickTest : public CutEditingTest, public ::testing::WithParamInterface<TimelineClickCase> {};

// Frames 0 to 299 on 600 pixels: frame f lies on pixels 2f and 2f + 1.
TEST_P(TimelineClickTest, ASecondClickOnALaterCutMovesIt) {
  const TimelineClickCase& c = GetParam();
  openWith(c.cuts, 0);
  for (int16_t x : c.clicks) op->HandleTimelineClick(x);
  EXPECT_EQ(op->position, c.position) << c.what;
  EXPECT_EQ(op->moveMode, c.moving) << c.what;
  ASSERT_EQ(sliderChanges().size(), c.clicks.size()) << c.what;
  EXPECT_NE(sliderChanges().back().find(", 40, " + std::to_string(c.position) + ", "), std::string::npos) << c.what;
}

const CutList kCuts{{0, 0}, {100, 1}, {200, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, TimelineClickTest,
    ::testing::Values(TimelineClickCase{"within 10 pixels of a cut", kCuts, {209}, 100, false},
                      TimelineClickCase{"twice on a cut", kCuts, {209, 191}, 100, true},
                      TimelineClickCase{"twice on a frame", kCuts, {250, 250}, 125, false},
                      TimelineClickCase{"twice on frame 0", kCuts, {1, 1}, 0, false},
                      TimelineClickCase{"twice on the first cut", CutList{{50, 0}, {100, 1}}, {101, 101}, 50, false}));

class EmptyProjectTest : public CutEditingTest, public ::testing::WithParamInterface<int32_t> {};

// Fixed fault: with no frame in the project a click divided by a window of
// no frames, or put the cursor on frame -1; the jog's range was upside down.
TEST_P(EmptyProjectTest, ClicksAndJogsFindNoFrameAndChangeNothing) {
  openPanel();
  op->zoomOut = GetParam();
  host().calls().clearTrace();
  op->HandleTimelineClick(50);
  op->HandleKeyCommand(jog(5));
  op->HandleKeyCommand(jog(-5));
  EXPECT_EQ(op->position, 0);
  EXPECT_TRUE(sliderChanges().empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, EmptyProjectTest, ::testing::Values(-1, 0));

}  // namespace
