// Choosing and removing a camera's clip: the model, the cuts, the position
// and the undo history afterwards.
#include "assignment_fixture.h"

namespace {

using ostrel3::CutList;
using namespace ostrel3_test;

struct ChooserCase {
  uint32_t before, answer;  ///< 0: no clip, cancelled
  size_t snapshots;
  bool freshCopy;
};

class ChooserTest : public AssignmentTest, public ::testing::WithParamInterface<ChooserCase> {};

TEST_P(ChooserTest, OnlyAnotherClipIsAStepBack) {
  const ChooserCase& c = GetParam();
  op->activeCamera = 1;
  if (c.before) give(1, c.before);
  const AV_RECORD old = op->cameras[1].record;
  choose(c.answer);
  EXPECT_EQ(op->undoHistory.size(), c.snapshots);
  EXPECT_EQ(op->cameras[1].sourceUid, c.answer ? c.answer : c.before);
  EXPECT_EQ(op->cameras[1].record != old, c.freshCopy);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChooserTest,
                         ::testing::Values(ChooserCase{0, 0, 0, false}, ChooserCase{kLeft, 0, 0, false},
                                           ChooserCase{kLeft, kLeft, 0, true}, ChooserCase{kLeft, kRight, 1, true},
                                           ChooserCase{0, kRight, 1, true}));

TEST_F(AssignmentTest, TheChooserOffersTheCamerasOwnClipElseTheLastChosen) {
  choose(kLeft);
  op->activeCamera = 2;
  choose(kShort);
  EXPECT_EQ(host().media().lastScenePreselect(), kLeft);
  give(1, kRight);
  op->activeCamera = 1;
  choose(0);
  EXPECT_EQ(host().media().lastScenePreselect(), kRight);
}

struct ShorterCase {
  int32_t syncLead;  ///< camera 2 behind camera 1
  uint32_t chosen;
  int32_t length, position;
  CutList cuts;
};

class ShorterClipTest : public AssignmentTest, public ::testing::WithParamInterface<ShorterCase> {};

// 300- and 400-frame cameras; camera 3 receives a clip. A sync lead trims
// the new clip's start away too.
TEST_P(ShorterClipTest, DropsLaterCutsAndKeepsThePositionInside) {
  const ShorterCase& c = GetParam();
  give(0, kLeft);
  give(1, kLong);
  op->cameras[1].syncIn = c.syncLead;
  op->ApplySyncTrims();
  op->cutList = CutList{{0, 0}, {100, 1}, {190, 0}};
  op->position = 195;
  op->activeCamera = 2;
  choose(c.chosen);
  EXPECT_EQ(op->projectLength, 2 * c.length);
  EXPECT_EQ(op->position, c.position);
  EXPECT_EQ(op->cutList, c.cuts);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShorterClipTest,
                         ::testing::Values(ShorterCase{0, kShort, 120, 119, {{0, 0}, {100, 1}}},
                                           ShorterCase{100, kMedium, 150, 149, {{0, 0}, {100, 1}}}));

TEST_F(AssignmentTest, RemovingAClipErasesAllItsCutsAndPushesAStep) {
  give(0, kLeft);
  give(1, kRight);
  op->cameras[1].recStart = {1700000000, 7};
  op->cutList = CutList{{0, 1}, {40, 0}, {80, 1}, {120, 0}};
  op->activeCamera = 1;
  op->RemoveClipFromActiveCamera();
  EXPECT_EQ(op->cutList, (CutList{{40, 0}}));
  EXPECT_FALSE(op->cameras[1].hasClip());
  EXPECT_EQ(op->cameras[1].recStart.frame, 0);
  EXPECT_EQ(op->undoHistory.size(), 1u);
  // The last clip leaves an empty timeline, the cut (0, camera 1) and frame 0.
  op->position = 200;
  op->activeCamera = 0;
  op->RemoveClipFromActiveCamera();
  EXPECT_EQ(op->cutList, (CutList{{0, 0}}));
  EXPECT_EQ(op->position, 0);
}

TEST_F(AssignmentTest, RemoveIsRefusedOnAnEmptyCameraAndDuringPlayback) {
  give(0, kLeft);
  for (auto [camera, playing] : {std::pair{1, false}, std::pair{0, true}}) {
    op->activeCamera = camera;
    op->playing = playing;
    op->RemoveClipFromActiveCamera();
  }
  op->playing = false;
  EXPECT_EQ(beeps(), 2);
  EXPECT_TRUE(op->cameras[0].hasClip());
  EXPECT_TRUE(op->undoHistory.empty());
}

}  // namespace
