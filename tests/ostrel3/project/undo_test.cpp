// Undo and redo step through whole project states.
#include <filesystem>
#include <fstream>

#include "host/main.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

using ostrel3::CutList;
using ostrel3::MulticamOperator;

class UndoTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.clips = {{601, "eins", 250}, {602, "zwei", 300}};
    return c;
  }
  static AV_RECORD bin(uint32_t uid) { return mainGetAVRecordFromId(uid, mainGetActiveProjectNumber(), 1); }
  int beeps() { return host().calls().count("vgPointerBeep"); }
};

TEST_F(UndoTest, UndoAndRedoWithEmptyHistoriesBeepAndChangeNothing) {
  MulticamOperator op;
  op.position = 0;
  op.cutList = CutList{{0, 0}, {10, 1}};
  EXPECT_FALSE(op.Undo());
  EXPECT_EQ(beeps(), 1);
  EXPECT_FALSE(op.Redo());
  EXPECT_EQ(beeps(), 2);
  EXPECT_EQ(op.cutList, (CutList{{0, 0}, {10, 1}}));
  EXPECT_TRUE(op.redoHistory.empty());
}

TEST_F(UndoTest, UndoRestoresTheProjectBeforeTheEditAndRedoTheEditItself) {
  MulticamOperator op;
  ostrel3::AssignClip(op.cameras[1], bin(602), 20, -1, -1);
  op.cameras[1].colour = 0x12345678u;
  op.UpdateTimelineLength();
  op.projectName = u"Vorher \u00e4";
  op.PushUndo();
  EXPECT_TRUE(op.redoHistory.empty()) << "pushing an undo step leaves redo alone";

  ostrel3::ClearCameraSlot(op.cameras[1]);
  op.cutList = CutList{{0, 0}, {50, 2}};
  op.projectName = u"Nachher";
  ASSERT_TRUE(op.Undo());
  EXPECT_EQ(op.projectName, u"Vorher \u00e4");
  ASSERT_TRUE(op.cameras[1].hasClip());
  EXPECT_EQ(op.cameras[1].sourceUid, 602u);
  EXPECT_EQ(op.cameras[1].trimIn, 20);
  EXPECT_EQ(op.cameras[1].colour, 0x12345678u);
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
  EXPECT_TRUE(op.undoHistory.empty());
  ASSERT_EQ(op.redoHistory.size(), 1u);

  ASSERT_TRUE(op.Redo());
  EXPECT_EQ(op.projectName, u"Nachher");
  EXPECT_FALSE(op.cameras[1].hasClip());
  EXPECT_EQ(op.cutList, (CutList{{0, 0}, {50, 2}}));
  EXPECT_EQ(op.undoHistory.size(), 1u);
  EXPECT_TRUE(op.redoHistory.empty());
}

TEST_F(UndoTest, ThirtyThreeEditsKeepOnlyTheNewestThirtyTwoSnapshots) {
  MulticamOperator op;
  for (int edit = 0; edit < 33; ++edit) {
    op.projectName = u"Schritt " + std::u16string(1, char16_t(u'A' + edit));
    op.PushUndo();
  }
  ASSERT_EQ(op.undoHistory.size(), 32u);
  EXPECT_NE(op.undoHistory.front().text.find("Schritt B"), std::string::npos);
  EXPECT_NE(op.undoHistory.back().text.find("Schritt a"), std::string::npos);  // 'A' + 32
  for (int i = 0; i < 40; ++i) op.PushRedo();
  EXPECT_EQ(op.redoHistory.size(), 32u);
}

TEST_F(UndoTest, UndoToAnotherNumberOfCamerasAsksForARebuildOfThePanel) {
  MulticamOperator op;
  op.sceneCount = 6;
  op.PushUndo();
  op.sceneCount = 4;
  op.PushUndo();
  ASSERT_TRUE(op.Undo());
  EXPECT_EQ(op.sceneCount, 4);
  EXPECT_FALSE(op.restartRequested);
  ASSERT_TRUE(op.Undo());
  EXPECT_EQ(op.sceneCount, 6);
  EXPECT_TRUE(op.restartRequested);
}

TEST_F(UndoTest, ASnapshotThatCannotBeParsedLeavesAnEmptyProjectAndTheStateBeforeOnRedo) {
  MulticamOperator op;
  ostrel3::AssignClip(op.cameras[0], bin(601), -1, -1, -1);
  op.projectName = u"Arbeit";
  op.undoHistory.push_back({3, "<ostrel3><scenes>"});
  EXPECT_FALSE(op.Undo());
  EXPECT_TRUE(op.undoHistory.empty());
  EXPECT_EQ(op.projectSlot, 3);
  EXPECT_EQ(op.projectName, u"P 4");
  EXPECT_FALSE(op.cameras[0].hasClip());
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
  EXPECT_EQ(logCount(4), 1u);
  ASSERT_EQ(op.redoHistory.size(), 1u);
  ASSERT_TRUE(op.Redo());
  EXPECT_EQ(op.projectName, u"Arbeit");
  EXPECT_TRUE(op.cameras[0].hasClip());
}

TEST_F(UndoTest, AnEmptySnapshotIsConsumedWithoutTouchingTheProject) {
  MulticamOperator op;
  op.projectName = u"bleibt";
  op.undoHistory.push_back({0, ""});
  EXPECT_FALSE(op.Undo());
  EXPECT_TRUE(op.undoHistory.empty());
  EXPECT_TRUE(op.redoHistory.empty());
  EXPECT_EQ(op.projectName, u"bleibt");
  EXPECT_EQ(beeps(), 0);
}

TEST_F(UndoTest, ASnapshotOfAnotherRootIsRefusedAndLeavesTheModelReset) {
  MulticamOperator op;
  op.cutList = CutList{{0, 1}, {5, 0}};
  op.undoHistory.push_back({0, "<?xml version=\"1.0\"?><other/>"});
  EXPECT_FALSE(op.Undo());
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
  EXPECT_FALSE(op.restartRequested);
}

TEST_F(UndoTest, UndoReturnsToTheSlotTheSnapshotWasTakenIn) {
  MulticamOperator op;
  op.projectSlot = 2;
  op.projectName.clear();
  op.PushUndo();
  op.projectSlot = 7;
  ASSERT_TRUE(op.Undo());
  EXPECT_EQ(op.projectSlot, 2);
  EXPECT_EQ(op.projectName, u"P 3");  // no stored name: named after its own slot
  ASSERT_EQ(op.redoHistory.size(), 1u);
  EXPECT_EQ(op.redoHistory.back().slot, 7);
}

TEST_F(UndoTest, SnapshotsNeverTouchTheDisk) {
  MulticamOperator op;  // four empty cameras: a file save would delete the slot file
  const auto dir = home() / "programs" / "ostrel3";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "project_01_00.info") << "<ostrel3><scenes/></ostrel3>";
  op.PushUndo();
  ASSERT_EQ(op.undoHistory.size(), 1u);
  EXPECT_NE(op.undoHistory.back().text.find("<num_gui_scenes>4</num_gui_scenes>"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / "project_01_00.info"));
}

}  // namespace
