// The project state the operator reads and sets: undo steps, the include-trim
// limit, the active scene sample, scene buffers, the scene chooser and ids.
#include <set>
#include <stdexcept>

#include "hostsim/core/user.h"
#include "media_fixture.h"

namespace ostrel3_test {
namespace {

using ProjectTest = MediaTest;

TEST_F(ProjectTest, UndoStepsOpenAndCloseOnceEach) {
  EXPECT_EQ(nslProjectUndoExtSeqEnd(), -1) << "end without start";
  EXPECT_EQ(nslProjectUndoExtSeqStart(u"Multicam"), 0);
  EXPECT_EQ(nslProjectUndoExtSeqStart(u"Nested"), -1) << "steps do not nest";
  EXPECT_EQ(nslProjectUndoExtSeqEnd(), 0);
  EXPECT_EQ(nslProjectUndoExtSeqEnd(), -1);
  EXPECT_EQ(nslProjectUndoExtSeqStart(nullptr), 0);
  const auto steps = host().media().project().undoSteps();
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].name, u"Multicam");
  EXPECT_TRUE(steps[0].closed);
  EXPECT_FALSE(steps[1].closed);
}

TEST_F(ProjectTest, IncludeTrimLimitAndSceneSampleKeepWhatWasSet) {
  EXPECT_EQ(nslGetMaxIncludeTrimFrames(), 50);
  EXPECT_EQ(nslSetMaxIncludeTrimFrames(125), 0);
  EXPECT_EQ(nslGetMaxIncludeTrimFrames(), 125);
  EXPECT_EQ(nslSetMaxIncludeTrimFrames(-1), -1);
  EXPECT_EQ(nslGetMaxIncludeTrimFrames(), 125);

  const uint32_t initial = mainGetActSceneSample(1);
  EXPECT_NE(initial, 0u) << "the host has a sample to give back";
  mainSetActSceneSample(77, 1);
  EXPECT_EQ(mainGetActSceneSample(1), 77u);
  EXPECT_EQ(mainGetActSceneSample(0), initial) << "each kind keeps its own";
}

TEST_F(ProjectTest, SceneBuffersAreHandlesUntilFreed) {
  SB_SCENE a = nslSBAllocScene(), b = nslSBAllocScene();
  SB_AUDIO_SCENE audio = nslSBAllocAudioScene();
  ASSERT_TRUE(a && b && audio);
  EXPECT_NE(a, b);
  EXPECT_NE(a, audio);
  EXPECT_EQ(host().liveHandles().size(), 3u);
  nslSBFreeScene(a);
  nslSBFreeScene(b);
  nslSBFreeAudioScene(audio);
  EXPECT_TRUE(host().liveHandles().empty());
  const size_t before = host().log().size();
  nslSBFreeScene(a);
  nslSBFreeAudioScene(b);  // a scene buffer is no audio scene buffer
  EXPECT_EQ(host().log().size(), before + 2);
  SB_SCENE again = nslSBAllocScene();
  EXPECT_NE(again, a) << "handles are not reused";
  nslSBFreeScene(again);
}

TEST_F(ProjectTest, TheSceneChooserTakesTheUsersAnswer) {
  EXPECT_EQ(mainSelectSceneRequesterExt(kUidA, 1), 0u) << "no answer: cancelled";
  EXPECT_EQ(host().media().lastScenePreselect(), kUidA);

  host().user().addAnswer({hostsim::AnswerKind::Scene, kUidB, ""});
  host().user().addAnswer({hostsim::AnswerKind::Scene, 0, "Camera C"});
  host().user().addAnswer({hostsim::AnswerKind::Scene, 0, ""});
  host().user().addAnswer({hostsim::AnswerKind::Scene, 4242, ""});
  EXPECT_EQ(mainSelectSceneRequesterExt(0, 1), kUidB);
  EXPECT_EQ(mainSelectSceneRequesterExt(kUidB, 1), kUidC) << "a clip named by the user";
  EXPECT_EQ(mainSelectSceneRequesterExt(0, 1), 0u) << "the user cancelled";
  const size_t before = host().log().size();
  EXPECT_EQ(mainSelectSceneRequesterExt(0, 1), 0u) << "no clip has that uid";
  EXPECT_EQ(host().log().size(), before + 1);
  EXPECT_TRUE(host().user().empty());
}

TEST_F(ProjectTest, TheSceneChooserLeavesAnswersOfOtherRequests) {
  host().user().addAnswer({hostsim::AnswerKind::Text, 1, ""});
  EXPECT_EQ(mainSelectSceneRequesterExt(0, 1), 0u);
  EXPECT_EQ(host().user().pending(), 1u);
}

TEST_F(ProjectTest, FreshIdsNeverRepeatAndNeverMatchABinClip) {
  std::set<uint32_t> seen{kUidA, kUidB, kUidC};
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(seen.insert(mstlGetUniqueID()).second);
  AV_RECORD copy = nslCopyAVRecord(bin(kUidA), 0);
  EXPECT_TRUE(seen.insert(nslAVRecordGetUniqueID(copy)).second);
  nslDeleteAVRecord(copy);
}

class ReservedIdTest : public MediaTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = MediaTest::makeConfig();
    // Ids where the host starts counting, and one clip that asks for an id.
    c.clips = {{0x00010001u, "First", 100}, {0x00010002u, "Second", 100}, {0, "No id", 100}};
    return c;
  }
};

TEST_F(ReservedIdTest, ConfiguredIdsAreSkippedAndAClipWithoutIdGetsAFreshOne) {
  AV_RECORD third = nslGetNextScene(nslGetNextScene(nslGetFirstScene()));
  const uint32_t given = nslAVRecordGetUniqueID(third);
  EXPECT_NE(given, 0u);
  EXPECT_EQ(mainGetAVRecordFromId(given, host().config().projectNumber, 1), third);
  for (int i = 0; i < 5; ++i) {
    const uint32_t id = mstlGetUniqueID();
    EXPECT_TRUE(id != 0x00010001u && id != 0x00010002u && id != given) << id;
  }
}

TEST(SourceCatalogueTest, UnusableClipConfigurationsAreRejected) {
  hostsim::UniqueIds ids({});
  EXPECT_THROW(hostsim::SourceCatalogue({{1, "Empty", 0}}, ids), std::invalid_argument);
  EXPECT_THROW(hostsim::SourceCatalogue({{1, "One", 10}, {1, "Two", 10}}, ids), std::invalid_argument);
  EXPECT_THROW(hostsim::SourceCatalogue({{1, "Huge", 600000000}, {2, "Huge too", 600000000}}, ids),
               std::invalid_argument);
  EXPECT_NO_THROW(hostsim::SourceCatalogue({{1, "Long", 600000000}}, ids));
}

}  // namespace
}  // namespace ostrel3_test
