// Cut-list walks of camera assignment, without a host.
#include <gtest/gtest.h>

#include "ostrel3/editing/assignment_rules.h"

namespace {

using ostrel3::CutList;

struct EraseCase {
  CutList before;
  int32_t camera;
  CutList after;
};

class EraseCameraCutsTest : public ::testing::TestWithParam<EraseCase> {};

TEST_P(EraseCameraCutsTest, LeavesNoCutOfTheCameraAndNoEqualNeighbours) {
  CutList cuts = GetParam().before;
  ostrel3::EraseCameraCuts(cuts, GetParam().camera);
  EXPECT_EQ(cuts, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, EraseCameraCutsTest,
                         ::testing::Values(EraseCase{{{0, 1}, {40, 0}, {80, 1}, {120, 0}, {160, 2}}, 1, {{40, 0}, {160, 2}}},
                                           EraseCase{{{0, 2}, {10, 1}, {20, 2}, {30, 1}}, 1, {{0, 2}}},
                                           EraseCase{{{0, 1}}, 1, {{0, 0}}},  // never an empty list
                                           EraseCase{{{0, 0}, {30, 1}}, 3, {{0, 0}, {30, 1}}}));

struct WalkCase {
  CutList cuts;
  int32_t position, lastFrame, expected;
};

class StepBackIntoTimelineTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(StepBackIntoTimelineTest, EndsInsideTheTimeline) {
  const WalkCase& c = GetParam();
  EXPECT_EQ(ostrel3::StepBackIntoTimeline(c.cuts, c.position, c.lastFrame), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StepBackIntoTimelineTest,
                         ::testing::Values(WalkCase{{{0, 0}, {60, 1}}, 99, 99, 99},               // inside stays
                                           WalkCase{{{0, 0}, {60, 1}, {120, 0}}, 150, 99, 60},    // cut to cut
                                           WalkCase{{{0, 0}, {60, 1}, {100, 0}}, 130, 99, 60},    // 100 is past the end
                                           WalkCase{{{120, 1}}, 150, 99, 99},                     // no cut before it
                                           WalkCase{{}, 150, 99, 99},                             // no cuts at all
                                           WalkCase{{{0, 0}, {60, 1}}, 40, -1, 0}));              // empty timeline

}  // namespace
