// Transitions at the cuts of the storyboard: as long as the handles allow,
// with an operator from the directory whose settings and unique id go into
// the transition and back.
#include "storyboard_fixture.h"

namespace ostrel3_test {
namespace {

// Camera 2 from frame 100 to 199 over camera 1: scenes of 200 and 300 frames.
const std::vector<Segment> kOneInsert = {{0, 99, 1}, {100, 199, 2}, {200, 499, 1}};

TEST_F(StoryboardTest, TheLongestTransitionIsWhatTheIncludeTrimLimitLeftAsHandles) {
  struct Case {
    int32_t limit, expected;
  };
  // The insert leaves at the cut with at most `limit` frames after it; the
  // scene after it comes with the frames before it; the insert has 100.
  const Case cases[] = {{0, 0}, {10, 10}, {50, 50}, {125, 100}, {INT32_MAX, 100}};
  for (const Case& c : cases) {
    ASSERT_EQ(mainClearStoryboard(0), 0);
    ASSERT_EQ(nslSetMaxIncludeTrimFrames(c.limit), 0);
    writeOutput(kOneInsert);
    SceneHolder first, last;
    ASSERT_EQ(nslSBGetFirstScene(first), 0);
    ASSERT_EQ(nslSBGetLastScene(last), 0);
    EXPECT_EQ(nslSBSceneGetMaxTransitionLength(first), c.expected) << "limit " << c.limit;
    EXPECT_EQ(nslSBSceneGetMaxTransitionLength(last), -1) << "the last scene goes nowhere";
  }
}

TEST_F(StoryboardTest, ATransitionNeedsAKnownOperatorAndALengthItsHandlesAllow) {
  writeOutput(kOneInsert);
  SceneHolder first, last;
  ASSERT_EQ(nslSBGetFirstScene(first), 0);
  ASSERT_EQ(nslSBGetLastScene(last), 0);
  const int32_t most = nslSBSceneGetMaxTransitionLength(first);
  ASSERT_EQ(most, 50);
  struct Case {
    SB_SCENE scene;
    const char* path;
    int32_t length;
    bool added;
  };
  const Case cases[] = {
      {first, "transition/none", 25, false}, {first, nullptr, 25, false},     {first, "transition/wipe", 0, false},
      {first, "transition/wipe", most + 1, false}, {last, "transition/wipe", 10, false},
      {first, "transition/fade", most, true},      {first, "transition/wipe", 20, true},
  };
  for (const Case& c : cases) {
    SB_TRANSITION t = 0;
    const size_t lines = hostLines();
    const int32_t result = nslSBAddTransition22(c.scene, c.path, c.length, 1, &t);
    SCOPED_TRACE(testing::Message() << (c.path ? c.path : "null") << " " << c.length);
    EXPECT_EQ(result == 0, c.added);
    EXPECT_EQ(hostLines(), lines + (c.added ? 0 : 1)) << "a refusal says why";
    if (!c.added) continue;
    SB_SCENE_INFO info{};
    ASSERT_EQ(nslSBGetSceneInfo(c.scene, &info), 0);
    EXPECT_EQ(info.transition, t);
  }
  const auto v = view();
  const auto& t = v.scenes[0].transition;
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(t->path, "transition/wipe") << "a second transition replaces the first";
  EXPECT_EQ(t->length, 20);
  EXPECT_EQ(t->direction, 1);
}

TEST_F(StoryboardTest, AnOperatorsSettingsAndIdGoIntoTheTransitionAndBack) {
  writeOutput(kOneInsert);
  SceneHolder first;
  ASSERT_EQ(nslSBGetFirstScene(first), 0);
  SB_TRANSITION t = 0;
  ASSERT_EQ(nslSBAddTransition22(first, "transition/wipe", 25, 0, &t), 0);
  EXPECT_EQ(nslSBTransitionGetOperator(t), 0u) << "not loaded yet";
  EXPECT_EQ(nslSBTransitionUpdatePrefs(t), -1);

  ASSERT_EQ(nslSBTransitionLoad(t), 0);
  EXPECT_EQ(nslSBTransitionLoad(t), -1) << "loaded already";
  const OP_HANDLE op = nslSBTransitionGetOperator(t);
  ASSERT_NE(op, 0u);
  hostsim::OperatorDirectory& operators = host().media().operators();
  const std::vector<uint8_t> settings = {1, 2, 3, 4, 5, 6, 7, 0xFE};
  ASSERT_TRUE(operators.setPrefs(op, settings.data(), settings.size()));
  ASSERT_TRUE(operators.setUniqueId(op, 0xC0FFEE));
  ASSERT_EQ(nslSBTransitionUpdatePrefs(t), 0);
  ASSERT_EQ(nslSBCalcTransitionAudio(t), 0);
  EXPECT_EQ(nslSBTransitionAddJingle(t, nullptr, u"Bell", 0), -1) << "a jingle needs a file";
  ASSERT_EQ(nslSBTransitionAddJingle(t, "bell.wav", u"Bell", 0), 0);
  ASSERT_EQ(nslSBTransitionUnload(t), 0);
  EXPECT_EQ(nslSBTransitionUnload(t), -1) << "unloaded already";
  EXPECT_FALSE(operators.loaded(op));

  const hostsim::SbTransition kept = *view().scenes[0].transition;
  EXPECT_EQ(kept.settings, settings);
  EXPECT_EQ(kept.uniqueId, 0xC0FFEEu);
  EXPECT_TRUE(kept.audioCalculated);
  ASSERT_TRUE(kept.jingle.has_value());
  EXPECT_EQ(kept.jingle->file, "bell.wav");

  // Loaded again, the operator starts from what the transition keeps.
  ASSERT_EQ(nslSBTransitionLoad(t), 0);
  const OP_HANDLE again = nslSBTransitionGetOperator(t);
  EXPECT_EQ(operators.prefs(again), settings);
  EXPECT_EQ(operators.uniqueId(again), 0xC0FFEEu);
  ASSERT_EQ(nslSBTransitionUnload(t), 0);
}

TEST_F(StoryboardTest, ATransitionThatGoesWhileItsOperatorIsLoadedHasItUnloaded) {
  writeOutput(kOneInsert);
  SceneHolder first;
  ASSERT_EQ(nslSBGetFirstScene(first), 0);
  ASSERT_EQ(nslProjectUndoExtSeqStart(u"Transitions"), 0);
  SB_TRANSITION t = 0, replacing = 0;
  ASSERT_EQ(nslSBAddTransition22(first, "transition/wipe", 25, 0, &t), 0);
  ASSERT_EQ(nslSBTransitionLoad(t), 0);
  ASSERT_EQ(nslSBAddTransition22(first, "transition/fade", 25, 0, &replacing), 0);
  EXPECT_EQ(nslSBTransitionGetOperator(t), 0u) << "the replaced transition's operator went with it";
  ASSERT_EQ(nslSBTransitionLoad(replacing), 0);
  ASSERT_EQ(nslProjectUndoExtSeqEnd(), 0);
  EXPECT_TRUE(host().media().storyboard().undo());
  EXPECT_FALSE(view().scenes[0].transition.has_value());
  EXPECT_EQ(nslSBTransitionLoad(replacing), -1) << "an undone transition is gone";
  // No operator is left loaded: the fixture checks every handle at the end.
}

}  // namespace
}  // namespace ostrel3_test
