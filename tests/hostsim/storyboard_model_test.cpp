// The storyboard's arithmetic without a host: inserts that split and move,
// the handles a copy keeps, the longest transition they allow.
#include <gtest/gtest.h>

#include "hostsim/gui/storyboard_picture.h"
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

TEST(StoryboardModel, AnInsertEndsItsSceneAndTheFramesAfterItBecomeTheNextScene) {
  struct Case {
    int32_t insertLength, offset;
    std::vector<int32_t> lengths;  ///< empty: refused
    int32_t firstType;
  };
  const Case cases[] = {
      {100, 0, {100, 400}, kSceneContinues},
      {100, 150, {250, 250}, kSceneContinues},
      {100, 400, {500}, 0},  // the insert reaches the end: nothing to split off
      {500, 0, {500}, 0},
      {100, 401, {}, 0},
      {100, -1, {}, 0},
  };
  for (const Case& c : cases) {
    SbScenes scenes{sceneOf(1, 500)};
    scenes[0].insert = SbInsert{insertClip(c.insertLength), 0};
    const std::string refused = placeInsert(scenes, 0, c.offset, 7);
    SCOPED_TRACE(testing::Message() << c.insertLength << " frames at " << c.offset);
    if (c.lengths.empty()) {
      EXPECT_FALSE(refused.empty());
      EXPECT_EQ(lengths(scenes), std::vector<int32_t>{500}) << "a refused placement changes nothing";
      continue;
    }
    EXPECT_EQ(refused, "");
    EXPECT_EQ(lengths(scenes), c.lengths);
    EXPECT_EQ(scenes[0].type, c.firstType);
    EXPECT_EQ(scenes[0].insert->offset, c.offset);
    if (scenes.size() == 2) {
      EXPECT_EQ(scenes[1].id, 7u);
      EXPECT_EQ(scenes[1].clip.in, scenes[0].clip.out + 1) << "the pieces show the clip without a gap";
      EXPECT_EQ(scenes[0].continuation, 7u);
    }
  }
}

TEST(StoryboardModel, MovingAnInsertMovesTheSplitAndKeepsThePieceAfterIt) {
  struct Case {
    int32_t offset;
    std::vector<int32_t> lengths;  ///< empty: refused
  };
  // A 500-frame scene with an insert of 100 at 100: pieces of 200 and 300.
  const Case cases[] = {{300, {400, 100}}, {0, {100, 400}}, {400, {500}}, {401, {}}};
  for (const Case& c : cases) {
    SbScenes scenes{sceneOf(1, 500)};
    scenes[0].insert = SbInsert{insertClip(100), 0};
    ASSERT_EQ(placeInsert(scenes, 0, 100, 2), "");
    scenes[1].transition = SbTransition{};
    scenes[1].transition->handle = 42;
    const std::string refused = placeInsert(scenes, 0, c.offset, 3);
    SCOPED_TRACE(c.offset);
    if (c.lengths.empty()) {
      EXPECT_FALSE(refused.empty());
      EXPECT_EQ(lengths(scenes), (std::vector<int32_t>{200, 300}));
      continue;
    }
    EXPECT_EQ(lengths(scenes), c.lengths);
    EXPECT_EQ(totalLength(scenes), 500) << "moving an insert never changes the storyboard's length";
    if (scenes.size() == 2) {
      EXPECT_EQ(scenes[1].id, 2u) << "the piece after the insert keeps its id";
    } else {
      EXPECT_EQ(scenes[0].type, 0) << "taken back whole, the scene is one again";
      ASSERT_TRUE(scenes[0].transition.has_value()) << "the piece's transition stays at the scene's end";
      EXPECT_EQ(scenes[0].transition->handle, 42u);
    }
  }
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

TEST(StoryboardModel, ACopyKeepsHandlesUpToTheLimitAndNeverPastItsMedia) {
  struct Case {
    int32_t total, in, out, limit, head, tail;
  };
  const Case cases[] = {
      {500, 100, 199, 50, 50, 50}, {500, 20, 479, 50, 20, 20}, {500, 0, 499, 50, 0, 0},
      {500, 100, 199, 0, 0, 0},    {500, 100, 199, INT32_MAX, 100, 300},
  };
  for (const Case& c : cases) {
    const SbClip clip = keptClip(1, 1, u"c", 2000, c.total, c.in, c.out, c.limit);
    EXPECT_EQ(clip.headHandle(), c.head) << c.in << ".." << c.out << " limit " << c.limit;
    EXPECT_EQ(clip.tailHandle(), c.tail) << c.in << ".." << c.out << " limit " << c.limit;
    EXPECT_EQ(clip.length(), c.out - c.in + 1);
    EXPECT_GE(clip.first, 2000);
    EXPECT_LE(clip.last, 2000 + c.total - 1);
  }
}

TEST(StoryboardModel, RulerStepsKeepTheirLabelsApart) {
  EXPECT_EQ(rulerStep(1.0, 90), 100);
  EXPECT_EQ(rulerStep(0.5, 90), 200);
  EXPECT_EQ(rulerStep(10.0, 90), 10);
  EXPECT_EQ(rulerStep(0.01, 90), 10000);
  EXPECT_EQ(rulerStep(0.0, 90), 1);
}

}  // namespace
}  // namespace ostrel3_test
