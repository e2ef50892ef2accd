// The output written into the stand-in host's storyboard: where it goes,
// which scenes and inserts it makes, when nothing is written, and that one
// host undo takes it all back.
#include <algorithm>

#include "host/vg.h"
#include "output_fixture.h"
#include "transition_picker/picker_state.h"

namespace {

using ostrel3::CutList;
using ostrel3_test::ActiveLine;
using ostrel3_test::Answer;
using ostrel3_test::InsertLine;
using ostrel3_test::OutputTest;
using ostrel3_test::SceneLine;

const CutList kOneInsert = {{0, 0}, {100, 1}, {200, 0}};

class BuildStoryboardTest : public OutputTest {
 protected:
  /// Restarts with material in the storyboard: Intro, then Outro, the
  /// second scene active.
  void withMaterial() {
    storyboard_ = {SceneLine(ostrel3_test::kIntro), SceneLine(ostrel3_test::kOutro), ActiveLine(2)};
    restart();
  }
  size_t traceIndex(const std::string& name) {
    const auto trace = host().calls().trace();
    const auto it = std::find_if(trace.begin(), trace.end(), [&](const auto& e) { return e.name == name; });
    return static_cast<size_t>(it - trace.begin());
  }
};

TEST_F(BuildStoryboardTest, OneInsertOverTheBaseSceneInOneUndoStep) {
  ASSERT_TRUE(build(kOneInsert));
  // The insert splits the base scene after its end: frames 200..499 follow.
  EXPECT_EQ(layout(), (std::vector<std::string>{"701:200+702@100", "701:300"}));
  const auto s = scenes();
  EXPECT_EQ(s[0].insert->clip.in, 100);
  EXPECT_EQ(s[0].insert->clip.out, 199);
  EXPECT_EQ(s[0].insert->clip.name, u"Camera 2 OS");
  EXPECT_EQ(view().active, 1u) << "the scene the build ended on is active";
  const auto steps = undoSteps();
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].name, u"Multi-camera edit");
  EXPECT_TRUE(steps[0].closed);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(BuildStoryboardTest, NeighbouringInsertsCountTheirOffsetsFromThePreviousSegment) {
  ASSERT_TRUE(build({{0, 0}, {100, 1}, {200, 2}, {300, 0}}));
  EXPECT_EQ(layout(), (std::vector<std::string>{"701:200+702@100", "701:100+703@0", "701:200"}));
  EXPECT_EQ(scenes()[1].insert->clip.in, 200);
}

TEST_F(BuildStoryboardTest, AOneFrameSegmentIsLeftOut) {
  ASSERT_TRUE(build({{0, 0}, {100, 1}, {200, 2}, {201, 1}, {300, 0}}));
  EXPECT_EQ(layout(), (std::vector<std::string>{"701:200+702@100", "701:100+702@1", "701:200"}));
}

TEST_F(BuildStoryboardTest, AnInsertAtTheEndLeavesNoSceneAfterIt) {
  ASSERT_TRUE(build({{0, 0}, {400, 2}}));
  EXPECT_EQ(layout(), (std::vector<std::string>{"701:500+703@400"}));
}

TEST_F(BuildStoryboardTest, ACutBeyondTheShortestCameraIsHeldToItsEnd) {
  give(2, ostrel3_test::kIntro);  // 100 frames: the timeline ends at frame 99
  ASSERT_TRUE(build({{0, 0}, {50, 1}, {300, 2}}));
  // The base scene is camera 1's whole clip; the cut at 300 has no frames.
  EXPECT_EQ(layout(), (std::vector<std::string>{"701:100+702@50", "701:400"}));
  EXPECT_EQ(scenes()[0].insert->clip.length(), 50);
}

TEST_F(BuildStoryboardTest, WhereTheOutputGoes) {
  struct Row {
    const char* what;
    Answer answer;
    bool material;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"append to an empty storyboard", Answer::Append, false, {"701:200+702@100", "701:300"}},
      {"append after the last scene", Answer::Append, true,
       {"711:100", "712:100", "701:200+702@100", "701:300"}},
      {"replace", Answer::Replace, true, {"701:200+702@100", "701:300"}},
      {"insert after the active scene", Answer::InsertHere, true,
       {"711:100", "701:200+702@100", "701:300", "712:100"}},
      {"insert with nothing active", Answer::InsertHere, false, {"701:200+702@100", "701:300"}},
  };
  for (const Row& r : rows) {
    storyboard_.clear();
    // With material, the first scene (Intro) is active.
    if (r.material) storyboard_ = {SceneLine(ostrel3_test::kIntro), SceneLine(ostrel3_test::kOutro), ActiveLine(1)};
    restart();
    ASSERT_TRUE(build(kOneInsert, r.answer)) << r.what;
    EXPECT_EQ(layout(), r.expected) << r.what;
  }
}

TEST_F(BuildStoryboardTest, ReplaceClearsTheStoryboardBeforeTheUndoStepOpens) {
  withMaterial();
  ASSERT_TRUE(build(kOneInsert, Answer::Replace));
  EXPECT_LT(traceIndex("mainClearStoryboard"), traceIndex("nslProjectUndoExtSeqStart"));
  const auto steps = undoSteps();
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_TRUE(steps[0].implicit) << "the clear is a step of its own";
  EXPECT_EQ(steps[1].name, u"Multi-camera edit");
  for (const auto& change : steps[1].changes) EXPECT_EQ(change.find("clear"), std::string::npos) << change;
}

// New material never goes between a scene and the piece its insert split
// off, nor right after a scene that carries an insert.
TEST_F(BuildStoryboardTest, InsertAtCurrentGoesPastScenesThatGoOnOrCarryAnInsert) {
  struct Row {
    const char* what;
    std::vector<hostsim::StoryboardSetup> setup;
    std::vector<std::string> before;
    size_t outputAt;  // index of the base scene afterwards
  };
  const Row rows[] = {
      {"a scene of type 2",
       {SceneLine(ostrel3_test::kIntro, 2), SceneLine(ostrel3_test::kOutro), ActiveLine(1)},
       {"711:100", "712:100"},
       2},
      {"a scene split by an insert",
       {SceneLine(ostrel3_test::kIntro), InsertLine(ostrel3_test::kOutro, 20, 0, 29), SceneLine(ostrel3_test::kOutro),
        ActiveLine(1)},
       {"711:50+712@20", "711:50", "712:100"},
       2},
      {"the last scene, split by an insert",
       {SceneLine(ostrel3_test::kIntro), InsertLine(ostrel3_test::kOutro, 20, 0, 29), ActiveLine(1)},
       {"711:50+712@20", "711:50"},
       2},
  };
  for (const Row& r : rows) {
    storyboard_ = r.setup;
    restart();
    ASSERT_EQ(layout(), r.before) << r.what;
    ASSERT_TRUE(build(kOneInsert, Answer::InsertHere)) << r.what;
    const auto after = layout();
    ASSERT_GT(after.size(), r.outputAt) << r.what;
    EXPECT_EQ(after[r.outputAt], "701:200+702@100") << r.what;
  }
}

TEST_F(BuildStoryboardTest, OneHostUndoTakesTheWholeOutputBack) {
  withMaterial();
  const auto before = layout();
  ASSERT_TRUE(build({{0, 0}, {100, 1}, {200, 2}, {300, 0}}));
  ASSERT_GT(layout().size(), before.size());
  ASSERT_TRUE(host().media().storyboard().undo());
  EXPECT_EQ(layout(), before);
}

TEST_F(BuildStoryboardTest, OneCutWritesNothingAndAsksNothing) {
  withMaterial();
  const auto before = layout();
  EXPECT_FALSE(build({{0, 0}}, Answer::Nothing));
  EXPECT_EQ(callsOf("vreqCreateRequest"), 0);
  EXPECT_EQ(layout(), before);
  const auto steps = undoSteps();
  ASSERT_EQ(steps.size(), 1u) << "an empty step, opened and closed";
  EXPECT_TRUE(steps[0].closed);
  EXPECT_TRUE(steps[0].changes.empty());
}

TEST_F(BuildStoryboardTest, NothingIsWrittenWithoutAChoice) {
  struct Row {
    const char* what;
    Answer answer;
  };
  const Row rows[] = {
      {"cancel", Answer::Cancel},
      {"close", Answer::Close},
      {"OK before a choice", Answer::OkWithoutChoice},
  };
  for (const Row& r : rows) {
    withMaterial();
    const auto before = layout();
    EXPECT_FALSE(build(kOneInsert, r.answer)) << r.what;
    EXPECT_EQ(layout(), before) << r.what;
    EXPECT_TRUE(undoSteps().empty()) << r.what;
    EXPECT_EQ(view().active, 1u) << r.what;
  }
}

TEST_F(BuildStoryboardTest, ARequestThatCannotBeShownCancels) {
  withMaterial();
  const auto before = layout();
  host().calls().failNth("vreqCreateRequest", 1);
  EXPECT_FALSE(build(kOneInsert, Answer::Nothing));
  EXPECT_EQ(callsOf("mainClearStoryboard"), 0) << "never replace without asking";
  EXPECT_EQ(layout(), before);
  EXPECT_TRUE(undoSteps().empty());
}

TEST_F(BuildStoryboardTest, WithoutCameraOneTheOutputIsRefusedBeforeAsking) {
  withMaterial();
  const auto before = layout();
  ostrel3::ClearCameraSlot(op->cameras[0]);
  const int beepsBefore = host().display().beeps();
  EXPECT_FALSE(build(kOneInsert, Answer::Nothing));
  EXPECT_EQ(host().display().beeps(), beepsBefore + 1);
  EXPECT_EQ(callsOf("vreqCreateRequest"), 0);
  EXPECT_EQ(layout(), before);
  EXPECT_TRUE(undoSteps().empty());
  EXPECT_EQ(logCount(3), 1u);
}

TEST_F(BuildStoryboardTest, ACutToAnEmptyCameraFailsAndLeavesTheActiveSceneWhereItWas) {
  withMaterial();
  ostrel3::ClearCameraSlot(op->cameras[2]);
  EXPECT_FALSE(build({{0, 0}, {100, 1}, {200, 2}, {300, 0}}));
  EXPECT_EQ(logCount(3), 1u);
  EXPECT_EQ(view().active, 1u) << "Outro, active at the start, is active again";
  const auto steps = undoSteps();
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_TRUE(steps[0].closed);
  ASSERT_TRUE(host().media().storyboard().undo()) << "what was written goes with one undo";
  EXPECT_EQ(layout(), (std::vector<std::string>{"711:100", "712:100"}));
}

TEST_F(BuildStoryboardTest, TheActSceneSampleIsRestored) {
  mainSetActSceneSample(42, 1);
  ASSERT_TRUE(build(kOneInsert));
  EXPECT_EQ(mainGetActSceneSample(1), 42u);
  EXPECT_GE(callsOf("mainSetActSceneSample"), 2);
}

TEST_F(BuildStoryboardTest, TheRenderEngineIsReleasedBeforeTheTransitions) {
  ASSERT_TRUE(op->renderReady);
  ASSERT_TRUE(build(kOneInsert));
  EXPECT_FALSE(op->renderReady);
  EXPECT_EQ(callsOf("cmExitRender"), 1);
}

}  // namespace
