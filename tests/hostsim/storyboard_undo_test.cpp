// Undo steps around storyboard changes, and names unique against every
// clip the host knows.
#include "storyboard_fixture.h"

namespace ostrel3_test {
namespace {

const std::vector<Segment> kOutput = {{0, 99, 1}, {100, 199, 2}, {200, 299, 3}, {300, 499, 1}};

bool undo(hostsim::Host& h) { return h.media().storyboard().undo(); }

TEST_F(StoryboardTest, OneUndoTakesBackAWholeOutput) {
  appendScene(kCam3);
  const std::vector<std::u16string> before = sceneNames();
  SceneHolder kept, made;
  ASSERT_EQ(nslSBGetFirstScene(kept), 0);
  writeOutput(kOutput);
  ASSERT_EQ(nslSBGetLastScene(made), 0);
  ASSERT_EQ(view().scenes.size(), 4u);

  EXPECT_TRUE(undo(host()));
  EXPECT_EQ(sceneNames(), before);
  EXPECT_EQ(nslSBGetLength(), kClipFrames);
  EXPECT_EQ(nslSBGetSceneLength(kept), kClipFrames) << "a buffer of a scene from before still names it";
  EXPECT_EQ(nslSBGetSceneLength(made), -1) << "a buffer of the output's scenes names nothing";
  const auto steps = host().media().project().undoSteps();
  ASSERT_EQ(steps.size(), 1u) << "the output's step is gone, the earlier one stays";
  EXPECT_TRUE(steps[0].implicit);

  // The names of the undone output are free again.
  writeOutput(kOutput);
  EXPECT_EQ(view().scenes[1].insert->clip.name, u"Camera 2 OS");
}

TEST_F(StoryboardTest, ChangesOutsideABracketAreStepsOfTheirOwn) {
  appendScene(kCam2);
  appendScene(kCam3);
  ASSERT_EQ(mainClearStoryboard(0), 0);  // replacing: the clear comes before the output's step
  writeOutput(kOutput);
  ASSERT_EQ(host().media().project().undoSteps().size(), 4u);

  EXPECT_TRUE(undo(host()));
  EXPECT_EQ(nslSBGetLength(), 0) << "the output is gone, the clear stands";
  EXPECT_TRUE(undo(host()));
  EXPECT_EQ(sceneNames(), (std::vector<std::u16string>{u"Camera 2", u"Camera 3"}));
  EXPECT_TRUE(undo(host()));
  EXPECT_TRUE(undo(host()));
  EXPECT_FALSE(undo(host())) << "nothing left to undo";
}

TEST_F(StoryboardTest, BracketsThatDoNotMatchAreRefusedAndLoggedAndTheStepStaysWhole) {
  const size_t lines = hostLines();
  EXPECT_EQ(nslProjectUndoExtSeqEnd(), -1) << "an end without a start";
  EXPECT_EQ(hostLines(), lines + 1);

  ASSERT_EQ(nslProjectUndoExtSeqStart(u"Outer"), 0);
  appendScene(kCam1);
  EXPECT_EQ(nslProjectUndoExtSeqStart(u"Inner"), -1) << "steps do not nest";
  EXPECT_EQ(hostLines(), lines + 2);
  appendScene(kCam2);
  EXPECT_EQ(nslProjectUndoExtSeqEnd(), 0);
  EXPECT_EQ(nslProjectUndoExtSeqEnd(), -1) << "the inner end: nothing is open any more";
  EXPECT_EQ(hostLines(), lines + 3);

  ASSERT_EQ(nslProjectUndoExtSeqStart(u"Nothing"), 0);  // a step without changes
  ASSERT_EQ(nslProjectUndoExtSeqEnd(), 0);
  EXPECT_TRUE(undo(host()));
  EXPECT_EQ(nslSBGetLength(), 0) << "both scenes went with the outer step";
  const auto steps = host().media().project().undoSteps();
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].name, u"Nothing") << "undo passes over a step that changed nothing";

  ASSERT_EQ(nslProjectUndoExtSeqStart(u"Left open"), 0);
  appendScene(kCam1);
  EXPECT_TRUE(undo(host())) << "a step left open is taken back as it stands";
  EXPECT_EQ(nslSBGetLength(), 0);
  EXPECT_EQ(nslProjectUndoExtSeqEnd(), -1) << "the step went with the undo";
}

TEST_F(StoryboardTest, UniqueNamesCountCopiesAndTheStoryboardsOwnClips) {
  AV_RECORD take = copyOf(kCam1, 0, 99, u"Take A");
  writeOutput({{0, 99, 1}, {100, 199, 2}});
  struct Case {
    std::u16string name;
    int32_t maxChars;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"Take A", 31, u"Take A 2"},              // a caller's copy
      {u"Camera 2 OS", 31, u"Camera 2 OS 2"},    // an insert of the storyboard
      {u"Camera 1", 31, u"Camera 1 2"},          // the bin, and the base scene
      {u"Camera 2 OS and more", 11, u"Camera 2 2"},
      {u"Camera 9 OS", 31, u"Camera 9 OS"},
  };
  for (const Case& c : cases) {
    XCHAR out[32] = {};
    ASSERT_EQ(mainMakeUniqueName(1, out, c.name.c_str(), c.maxChars), 0);
    EXPECT_EQ(std::u16string(out), c.expected) << std::string(c.name.begin(), c.name.end());
  }
  ASSERT_EQ(nslDeleteAVRecord(take), 0);
  XCHAR out[32] = {};
  ASSERT_EQ(mainMakeUniqueName(1, out, u"Take A", 31), 0);
  EXPECT_EQ(std::u16string(out), u"Take A") << "a deleted copy's name is free";
}

}  // namespace
}  // namespace ostrel3_test
