// The storyboard's arithmetic without a host: inserts that split and move,
// and the longest transition the handles allow.
#include <gtest/gtest.h>

#include "hostsim/media/storyboard_model.h"

namespace ostrel3_test {
namespace {

using namespace hostsim;

// A scene of `length` frames from frame 1000 of a long media, with `handles`
// frames kept on each side.
SbScene sceneOf(uint32_t id, int32_t length, int32_t handles = 50) {
  SbScene s;
  s.id = id;
  s.clip = keptClip(id, 1, u"clip", 0, 100000, 1000, 1000 + length - 1, handles);
  return s;
}

SbClip insertClip(int32_t length, int32_t handles = 50) {
  return keptClip(99, 2, u"insert", 0, 100000, 5000, 5000 + length - 1, handles);
}

std::vector<int32_t> lengths(const SbScenes& scenes) {
  std::vector<int32_t> out;
  for (const SbScene& s : scenes) out.push_back(s.length());
  return out;
}

TEST(StoryboardModel, ThePieceAfterAnInsertKeepsItsOwnInsertWhereItWas) {
  SbScenes scenes{sceneOf(1, 500)};
  scenes[0].insert = SbInsert{insertClip(100), 0};
  ASSERT_EQ(placeInsert(scenes, 0, 100, 2), "");  // 200 | 300
  scenes[1].insert = SbInsert{insertClip(50), 0};
  ASSERT_EQ(placeInsert(scenes, 1, 40, 3), "");  // 200 | 90 | 210
  const int32_t secondAt = positionOf(scenes, 1) + scenes[1].insert->offset;

  EXPECT_FALSE(placeInsert(scenes, 0, 150, 4).empty()) << "the second insert would start before its scene";
  ASSERT_EQ(placeInsert(scenes, 0, 120, 4), "");
  EXPECT_EQ(lengths(scenes), (std::vector<int32_t>{220, 70, 210}));
  EXPECT_EQ(positionOf(scenes, 1) + scenes[1].insert->offset, secondAt) << "the second insert stays put";
  EXPECT_FALSE(placeInsert(scenes, 0, 190, 4).empty()) << "the piece would vanish with its own insert";
  EXPECT_EQ(lengths(scenes), (std::vector<int32_t>{220, 70, 210}));
}

TEST(StoryboardModel, TheLongestTransitionIsWhatTheHandlesOnBothSidesAllow) {
  struct Case {
    int32_t leavingHandles, comingHandles, leavingLength, comingLength, expected;
  };
  const Case cases[] = {
      {50, 50, 500, 500, 50}, {10, 50, 500, 500, 10}, {50, 20, 500, 500, 20},
      {50, 50, 30, 500, 30},  {50, 50, 500, 15, 15},  {0, 50, 500, 500, 0},
  };
  for (const Case& c : cases) {
    SbScenes scenes{sceneOf(1, c.leavingLength, c.leavingHandles), sceneOf(2, c.comingLength, c.comingHandles)};
    EXPECT_EQ(maxTransitionLength(scenes, 0), c.expected)
        << c.leavingHandles << "/" << c.comingHandles << " handles, " << c.leavingLength << "/" << c.comingLength;
    EXPECT_EQ(maxTransitionLength(scenes, 1), -1) << "the last scene goes nowhere";
  }
}

TEST(StoryboardModel, AnInsertThatEndsOrStartsAtTheCutGivesTheHandlesThere) {
  SbScenes scenes{sceneOf(1, 500, 50), sceneOf(2, 500, 50)};
  scenes[0].insert = SbInsert{insertClip(100, 8), 0};
  ASSERT_EQ(placeInsert(scenes, 0, 400, 3), "");
  EXPECT_EQ(maxTransitionLength(scenes, 0), 8) << "the insert leaves at the cut";
  scenes[1].insert = SbInsert{insertClip(100, 5), 0};
  ASSERT_EQ(placeInsert(scenes, 1, 0, 4), "");
  EXPECT_EQ(maxTransitionLength(scenes, 0), 5) << "the next scene's insert comes at the cut";
}

}  // namespace
}  // namespace ostrel3_test
