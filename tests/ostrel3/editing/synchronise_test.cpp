// The synchronise command: the block the dialog receives, and the project
// once the dialog's results are taken over.
#include <functional>
#include <string>

#include "assignment_fixture.h"
#include "hostsim/gui/user_input.h"

namespace {

using ostrel3::CutList;
using ostrel3::SyncParams;
using namespace ostrel3_test;

// The dialog a test scripts: it sees the block and may edit it.
std::function<void(SyncParams&)> scriptedDialog;
int dialogRuns = 0;
bool runScripted(SyncParams& params) {
  ++dialogRuns;
  if (scriptedDialog) scriptedDialog(params);
  return true;
}

class SynchroniseTest : public AssignmentTest {
 protected:
  void SetUp() override {
    AssignmentTest::SetUp();
    dialogRuns = 0;
    scriptedDialog = nullptr;
    op->runSyncDialog = runScripted;
    give(0, kLeft);
  }
};

TEST_F(SynchroniseTest, OneClipOnlyBeepsButItsInPointIsAlreadyRewound) {
  ASSERT_EQ(nslEndAVRecordTrim(op->cameras[0].record, 30, 299), 0);
  op->SynchroniseCameras();
  EXPECT_EQ(beeps(), 1);
  EXPECT_EQ(dialogRuns, 0);
  EXPECT_EQ(inPoint(0), 0);
}

TEST_F(SynchroniseTest, TheBlockCarriesNamesTimesAndSyncState) {
  give(1, kRight);
  give(3, kLong);
  op->cameras[3].syncIn = 34;
  op->cameras[3].synced = 1;
  op->activeCamera = 3;
  SyncParams seen{};
  scriptedDialog = [&](SyncParams& p) { seen = p; };
  host().calls().failNth("cmGetRecInfo", 2);        // camera 2's recording times stay unknown
  host().calls().failNth("nslGetAVRecordName", 3);  // camera 4's clip cannot tell its name
  op->SynchroniseCameras();
  ASSERT_EQ(dialogRuns, 1);
  EXPECT_EQ(std::u16string(seen.name[0]), u"Stage left");
  EXPECT_EQ(std::u16string(seen.name[2]), u"Camera 3");
  EXPECT_EQ(std::u16string(seen.name[3]), u"Camera 4");
  EXPECT_EQ(seen.record[2], 0u);
  EXPECT_EQ(seen.recStart[0], 1700000000);
  EXPECT_EQ(seen.recEnd[0], 1700000000 + 300 / 25);
  EXPECT_EQ(seen.recStart[1], 0);
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_EQ(seen.syncIn[3], 34);
  EXPECT_EQ(seen.synced[3], 1);
  EXPECT_EQ(seen.syncCamera, 3);
  EXPECT_EQ(seen.rateFps, 25);
  // Only the unknown times are asked for again.
  host().calls().clearTrace();
  op->SynchroniseCameras();
  EXPECT_EQ(host().calls().traceOf({"cmGetRecInfo"}).size(), 1u);
}

TEST_F(SynchroniseTest, TheResultsComeBackCamera1CountsAsSyncedAndThePositionStaysInside) {
  give(1, kRight);
  op->cutList = CutList{{0, 0}, {150, 1}, {270, 0}};
  op->position = 290;
  scriptedDialog = [](SyncParams& p) {
    p.syncIn[1] = 40;
    p.synced[1] = 1;
    p.useDistance[1] = 1;
    p.synced[2] = 1;  // an empty camera takes nothing over
    p.syncScrub = 1;
  };
  op->SynchroniseCameras();
  EXPECT_EQ(op->cameras[1].syncIn, 40);
  EXPECT_EQ(op->cameras[1].useDistance, 0);
  EXPECT_EQ(op->cameras[2].synced, 0);
  EXPECT_EQ(op->cameras[0].synced, 1);
  EXPECT_TRUE(op->syncScrub);
  EXPECT_EQ(op->undoHistory.size(), 1u);
  EXPECT_EQ(inPoint(0), 40);
  EXPECT_EQ(op->projectLength, 2 * 260);
  EXPECT_EQ(op->position, 150);  // back over the cut at 270, past the last frame 259
}

TEST_F(SynchroniseTest, TheUserPositionsCameraTwoInTheDialogAndTheProjectTakesIt) {
  op->runSyncDialog = ostrel3::RunSyncDialog;
  give(1, kRight);
  op->activeCamera = 1;
  auto& input = host().panels().input();
  host().user().addAction("position camera 2", [&](hostsim::Host&) { return input.clickCaption("Position", {}, 2); });
  host().user().addAction("jog", [&](hostsim::Host&) { return input.jog(30); });
  host().user().addAction("confirm", [&](hostsim::Host&) { return input.jogConfirm(); });
  host().user().addAction("close", [&](hostsim::Host&) { return input.clickCaption("Close"); });
  op->SynchroniseCameras();
  EXPECT_TRUE(host().user().empty());
  EXPECT_EQ(op->cameras[1].trimIn, 30);
  EXPECT_EQ(op->cameras[1].synced, 1);
  EXPECT_EQ(op->cameras[0].synced, 1);
  EXPECT_EQ(op->undoHistory.size(), 1u);
  EXPECT_TRUE(host().panels().openRequests().empty());
}

TEST_F(SynchroniseTest, ADialogThatCouldNotBeShownLeavesTheProjectAsItWas) {
  op->runSyncDialog = ostrel3::RunSyncDialog;
  host().calls().failNth("vreqCreateRequest", 1);
  give(1, kRight);
  op->cameras[1].syncIn = 40;
  op->ApplySyncTrims();
  op->SynchroniseCameras();
  EXPECT_EQ(inPoint(0), 40) << "the rewound in-points are trimmed again";
  EXPECT_TRUE(op->undoHistory.empty());
}

class RecordingInfoModeTest : public SynchroniseTest, public ::testing::WithParamInterface<hostsim::VideoFormat> {
 protected:
  RecordingInfoModeTest() { format = GetParam(); }
};

TEST_P(RecordingInfoModeTest, WideFieldsAskForTheWideRecordingTimes) {
  give(1, kRight);
  op->SynchroniseCameras();
  const auto calls = host().calls().traceOf({"cmGetRecInfo"});
  ASSERT_FALSE(calls.empty());
  EXPECT_TRUE(calls[0].ends_with(GetParam() == hostsim::VideoFormat::Hd1080i25 ? ", 129)" : ", 1)")) << calls[0];
}

INSTANTIATE_TEST_SUITE_P(Formats, RecordingInfoModeTest,
                         ::testing::Values(hostsim::VideoFormat::Pal25, hostsim::VideoFormat::Hd1080i25));

}  // namespace
