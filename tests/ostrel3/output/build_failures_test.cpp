// Every host call of an output refused in turn: whatever fails, the undo
// step is closed, no copy is left behind, the act-scene sample is back, and
// an output that reports failure leaves the scene that was active at the
// start active again.
#include <map>
#include <set>

#include "output_fixture.h"
#include "transition_picker/picker_state.h"

namespace {

using ostrel3_test::ActiveLine;
using ostrel3_test::InsertLine;
using ostrel3_test::SceneLine;

// The host functions an output calls, user request and transitions
// included. A test below checks that the list is complete.
const std::vector<std::string> kBuildCalls = {
    "mainGetActSceneSample", "mainSetActSceneSample", "vreqCreateRequest", "vreqDeleteRequest",
    "msgQCreate", "msgQDelete", "vgMsgQReceive2", "vgAddTextButton", "vgAddCheckBox",
    "vgChangeElement", "vgEnableElement", "vgDisableElement", "resGetString", "snxprintf",
    "nslProjectUndoExtSeqStart", "nslProjectUndoExtSeqEnd", "nslSBAllocScene", "mainGetActiveStoryboardScene",
    "nslSBSceneCopy", "nslSBGetLastScene", "nslSBSceneCmp", "nslSBGetSceneType", "nslSBSceneHasInsert",
    "nslSBGetNextScene", "nslSBAddScene", "nslSBSceneGetAbsolutePos", "nslSBGetSceneLength",
    "nslGetTrimmedAVRecordLength", "nslCopyAVRecord", "nslGetAVRecordName", "nslBeginAVRecordTrim",
    "nslSplitAVRecord", "nslDeleteAVRecord", "nslEndAVRecordTrim", "mainMakeUniqueName", "nslSetAVRecordName",
    "nslSBAddInsertWithTrim", "nslSBInsertBeginTrim", "nslSBInsertEndTrim", "nslSBAllocAudioScene",
    "nslConvertSBSceneToSBAudioScene", "nslSBAddAudio", "nslSBAudioBeginTrim", "nslSBAudioEndTrim",
    "nslSBGetAudioInfo", "nslSBSetAudioInfo", "nslSBFreeAudioScene", "cmExitRender", "nslSBGetFirstScene",
    "nslSBSceneGetMaxTransitionLength", "mainGetOperatorFlags", "nslSBAddTransition22", "nslSBGetSceneInfo",
    "nslSBTransitionLoad", "nslSBTransitionGetOperator", "nslSBTransitionUpdatePrefs", "nslSBCalcTransitionAudio",
    "nslSBTransitionUnload", "mstlGetUniqueID", "opSetUniqueID", "mainSetActiveStoryboardScene",
    "vgAllocGadExt", "vgBoxText", "lstCount", "lstNth", "mainGetOperatorName",
};
// Calls with no failure to report: metrics, releases and the log itself.
const std::set<std::string> kInfallible = {
    "loggerMessage", "nslSBFreeScene", "vgFreeGadExt", "vgConvertGadgetWidth", "vgConvertWidth",
    "vgGetAddHeight", "vgGetDefaultMonitor", "vgGetFontHeight", "vgGetFontHeightMonitor", "vgTextLength",
};

// Releases: when the host refuses one, what it would have released stays
// (logged); everything else must still be cleaned up.
const std::set<std::string> kReleases = {
    "vreqDeleteRequest", "msgQDelete", "nslDeleteAVRecord", "nslSBFreeAudioScene", "nslProjectUndoExtSeqEnd",
};

class BuildFailuresTest : public ostrel3_test::OutputTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // Material before and after the place of the output: an intro split by an
  // insert, active, and an outro; the output goes between them.
  void SetUp() override {
    storyboard_ = {SceneLine(ostrel3_test::kIntro), InsertLine(ostrel3_test::kOutro, 20, 0, 29),
                   SceneLine(ostrel3_test::kOutro), ActiveLine(1)};
    OutputTest::SetUp();
  }
  /// An output with sound on camera 3 and transitions, inserted at the
  /// current position; the calls from the build on are traced.
  bool buildWithEverything(const std::string& failing = {}, int nth = 0) {
    op->cameras[2].useAudio = 1;
    auto& picker = ostrel3::transitionPicker();
    ostrel3::InsertEntryAfter(nullptr, ostrel3::NewEntry("transition/wipe"));
    picker.transitionsEnabled = 1;
    answer(ostrel3_test::Answer::InsertHere);
    host().calls().clearTrace();
    if (!failing.empty()) host().calls().failNth(failing, nth);
    return build({{0, 0}, {100, 1}, {200, 2}, {300, 0}}, ostrel3_test::Answer::Nothing);
  }
  uint32_t activeSceneId() {
    const auto v = view();
    return v.active ? v.scenes[*v.active].id : 0;
  }
};

TEST_F(BuildFailuresTest, TheListHoldsEveryCallOfAnOutput) {
  ASSERT_TRUE(buildWithEverything());
  const std::set<std::string> listed(kBuildCalls.begin(), kBuildCalls.end());
  for (const auto& entry : host().calls().trace())
    EXPECT_TRUE(listed.count(entry.name) || kInfallible.count(entry.name)) << entry.name << " is missing";
}

TEST_P(BuildFailuresTest, ARefusedCallLeavesNothingHalfDone) {
  const std::string name = GetParam();
  ASSERT_TRUE(buildWithEverything());
  const int calls = host().calls().count(name);
  const bool release = kReleases.count(name) > 0;
  checkHandles_ = !release;
  for (int nth = 1; nth <= calls; ++nth) {
    storyboard_ = {SceneLine(ostrel3_test::kIntro), InsertLine(ostrel3_test::kOutro, 20, 0, 29),
                   SceneLine(ostrel3_test::kOutro), ActiveLine(1)};
    restart();
    mainSetActSceneSample(7, 1);
    const uint32_t activeBefore = activeSceneId();
    const size_t clipsBefore = host().media().clips().names().size();
    const bool written = buildWithEverything(name, nth);
    const std::string what = name + " #" + std::to_string(nth);
    if (!release) {
      for (const auto& step : undoSteps()) EXPECT_TRUE(step.closed) << what;
      EXPECT_EQ(host().media().clips().names().size(), clipsBefore) << what << ": a copy was left behind";
      EXPECT_TRUE(host().panels().openRequests().empty()) << what;
    }
    if (name != "mainGetActSceneSample") {
      EXPECT_EQ(mainGetActSceneSample(1), 7u) << what;
    }
    if (!written) {
      EXPECT_EQ(activeSceneId(), activeBefore) << what;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryHostCall, BuildFailuresTest, ::testing::ValuesIn(kBuildCalls),
                         [](const auto& info) { return info.param; });

}  // namespace
