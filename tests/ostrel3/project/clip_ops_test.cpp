// Cameras own trimmed copies of host clips: the copies hold exactly the
// frames of the source they are meant to, and nothing is left behind.
#include <climits>

#include "host/main.h"
#include "host/nsl.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

using ostrel3::CameraSlot;

constexpr uint32_t kShortUid = 501;  // 250 frames
constexpr uint32_t kLongUid = 502;   // 300 frames

class ClipOpsTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.clips = {{kShortUid, "short", 250}, {kLongUid, "long", 300}};
    return c;
  }
  static AV_RECORD bin(uint32_t uid) { return mainGetAVRecordFromId(uid, mainGetActiveProjectNumber(), 1); }
  static int32_t frameOf(AV_RECORD clip, int32_t frame) { return nslGetVideoFrameOffset(clip, frame); }
  static std::pair<int32_t, int32_t> trims(AV_RECORD clip) {
    int32_t in = -7, out = -7;
    EXPECT_EQ(nslBeginAVRecordTrim(clip, &in, &out), 0);
    return {in, out};
  }
};

TEST_F(ClipOpsTest, ClearingAnEmptyCameraCallsNoHostFunctionAndKeepsItsColour) {
  CameraSlot slot;
  slot.colour = 0x11223344u;
  slot.syncIn = 40;
  host().calls().clearTrace();
  ostrel3::ClearCameraSlot(slot);
  EXPECT_TRUE(host().calls().trace().empty());
  EXPECT_EQ(slot.colour, 0x11223344u);
  EXPECT_EQ(slot.syncIn, 0);
}

TEST_F(ClipOpsTest, ClearingDeletesTheCopyAndZeroesOnlyWhatBelongedToTheClip) {
  CameraSlot slot;
  slot.record = nslCopyAVRecord(bin(kShortUid), 0);
  ASSERT_NE(slot.record, 0u);
  slot.sourceUid = kShortUid;
  slot.trimIn = slot.syncIn = slot.useAudio = slot.useDistance = slot.distance = slot.autoSync = slot.synced = 3;
  slot.recStart = {1000, 5};
  slot.recEnd = {2000, 6};
  slot.origIn = 10;
  slot.origOut = 20;
  slot.recRate = 25;
  slot.colour = 9;
  ostrel3::ClearCameraSlot(slot);
  EXPECT_EQ(slot.record, 0u);
  EXPECT_EQ(slot.sourceUid, 0u);
  EXPECT_EQ(slot.trimIn + slot.syncIn + slot.useAudio + slot.useDistance + slot.distance + slot.autoSync + slot.synced, 0);
  EXPECT_EQ(slot.recStart.seconds + slot.recEnd.seconds, 0);
  EXPECT_EQ(slot.recStart.frame, 5);
  EXPECT_EQ(slot.recEnd.frame, 6);
  EXPECT_EQ(slot.origIn, 10);
  EXPECT_EQ(slot.origOut, 20);
  EXPECT_EQ(slot.recRate, 25);
  EXPECT_EQ(slot.colour, 9u);
  // The fixture finds no live copy.
}

TEST_F(ClipOpsTest, AssigningWithoutARangeKeepsTheWholeClip) {
  CameraSlot slot;
  ostrel3::AssignClip(slot, bin(kShortUid), -1, -1, -1);
  ASSERT_NE(slot.record, 0u);
  EXPECT_NE(slot.record, bin(kShortUid));
  EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), 250);
  EXPECT_EQ(slot.origIn, 0);
  EXPECT_EQ(slot.origOut, 249);
  EXPECT_EQ(slot.trimIn, 0);
  EXPECT_EQ(slot.sourceUid, kShortUid);
  EXPECT_EQ(frameOf(slot.record, 0), frameOf(bin(kShortUid), 0));
  ostrel3::ClearCameraSlot(slot);
}

TEST_F(ClipOpsTest, AssigningARangeKeepsExactlyThoseFramesOfTheSource) {
  CameraSlot slot;
  ostrel3::AssignClip(slot, bin(kLongUid), -1, 100, 199);
  ASSERT_NE(slot.record, 0u);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), 100);
  EXPECT_EQ(nslGetTotalAVRecordLength(slot.record), 100);
  EXPECT_EQ(frameOf(slot.record, 0), frameOf(bin(kLongUid), 100));
  EXPECT_EQ(frameOf(slot.record, 99), frameOf(bin(kLongUid), 199));
  EXPECT_EQ(slot.origIn, 100);
  EXPECT_EQ(slot.origOut, 199);
  EXPECT_EQ(slot.trimIn, 0);
  EXPECT_EQ(logCount(4), 0u);
  ostrel3::ClearCameraSlot(slot);
}

// A file may give one end of the range only: the copy still holds exactly
// the range the camera then reports, so that saving and loading it again
// keeps the same frames.
TEST_F(ClipOpsTest, OneEndOfARangeKeepsTheFramesUpToTheSourcesOtherEnd) {
  const struct {
    int32_t origIn, origOut, length, first, reportedIn, reportedOut;
  } cases[] = {{-1, 199, 200, 0, 0, 199}, {100, -1, 200, 100, 100, 299}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.origIn << ".." << c.origOut);
    CameraSlot slot;
    ostrel3::AssignClip(slot, bin(kLongUid), -1, c.origIn, c.origOut);
    ASSERT_NE(slot.record, 0u);
    EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), c.length);
    EXPECT_EQ(frameOf(slot.record, 0), frameOf(bin(kLongUid), c.first));
    EXPECT_EQ(slot.origIn, c.reportedIn);
    EXPECT_EQ(slot.origOut, c.reportedOut);
    EXPECT_EQ(slot.origOut - slot.origIn + 1, c.length);
    ostrel3::ClearCameraSlot(slot);
  }
}

TEST_F(ClipOpsTest, AnInPointTrimsTheCopyToTheEndOfItsRange) {
  CameraSlot slot;
  ostrel3::AssignClip(slot, bin(kLongUid), 30, 100, 199);
  EXPECT_EQ(slot.trimIn, 30);
  EXPECT_EQ(trims(slot.record), std::make_pair(30, 99));
  EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), 70);
  EXPECT_EQ(frameOf(slot.record, 0), frameOf(bin(kLongUid), 130));
  ostrel3::ClearCameraSlot(slot);
}

TEST_F(ClipOpsTest, ASourceWithItsOwnTrimsGivesACopyOfExactlyItsTrimmedFrames) {
  const AV_RECORD source = nslCopyAVRecord(bin(kLongUid), 0);
  ASSERT_EQ(nslEndAVRecordTrim(source, 10, 99), 0);
  CameraSlot slot;
  ostrel3::AssignClip(slot, source, -1, -1, -1);
  EXPECT_EQ(slot.origIn, 10);
  EXPECT_EQ(slot.origOut, 99);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), 90);
  EXPECT_EQ(frameOf(slot.record, 0), frameOf(bin(kLongUid), 10));
  EXPECT_EQ(frameOf(slot.record, 89), frameOf(bin(kLongUid), 99));
  ostrel3::ClearCameraSlot(slot);
  nslDeleteAVRecord(source);
}

TEST_F(ClipOpsTest, CuttingARangeDeletesEveryPieceCutAway) {
  const AV_RECORD copy = nslCopyAVRecord(bin(kLongUid), 0);
  int32_t in = 50, out = 59;
  const AV_RECORD kept = ostrel3::CutToOrigRange(copy, in, out);
  EXPECT_EQ(nslGetTotalAVRecordLength(kept), 10);
  EXPECT_EQ(frameOf(kept, 0), frameOf(bin(kLongUid), 50));
  EXPECT_EQ(host().calls().count("nslSplitAVRecord"), 2);
  EXPECT_EQ(host().calls().count("nslDeleteAVRecord"), 2);
  nslDeleteAVRecord(kept);
  // The fixture checks that head and tail are gone as well.
}

TEST_F(ClipOpsTest, AClipTheHostNoLongerKnowsLeavesTheCameraEmpty) {
  CameraSlot slot;
  slot.sourceUid = 77;
  ostrel3::AssignClip(slot, mainGetAVRecordFromId(999, mainGetActiveProjectNumber(), 1), 0, -1, -1);
  EXPECT_EQ(slot.record, 0u);
  EXPECT_EQ(slot.sourceUid, 0u);
  EXPECT_EQ(host().calls().count("nslCopyAVRecord"), 0);
}

TEST_F(ClipOpsTest, ARefusedCopyLeavesTheCameraEmptyButNamesItsSource) {
  host().calls().failNth("nslCopyAVRecord", 1);
  CameraSlot slot;
  ostrel3::AssignClip(slot, bin(kShortUid), -1, -1, -1);
  EXPECT_EQ(slot.record, 0u);
  EXPECT_EQ(slot.sourceUid, kShortUid);
  EXPECT_EQ(logCount(4), 1u);
}

TEST_F(ClipOpsTest, ARefusedTrimQueryLeavesTheCopyUncut) {
  host().calls().failNth("nslBeginAVRecordTrim", 1);
  CameraSlot slot;
  ostrel3::AssignClip(slot, bin(kLongUid), -1, 100, 199);
  ASSERT_NE(slot.record, 0u);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), 300);
  EXPECT_EQ(slot.origIn, 100);  // as asked: the query did not answer
  EXPECT_EQ(host().calls().count("nslSplitAVRecord"), 0);
  EXPECT_EQ(logCount(4), 1u);
  ostrel3::ClearCameraSlot(slot);
}

TEST_F(ClipOpsTest, AReversedRangeIsNotCutAtAll) {
  CameraSlot slot;
  ostrel3::AssignClip(slot, bin(kLongUid), -1, 0, -5);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), 300);
  EXPECT_EQ(host().calls().count("nslSplitAVRecord"), 0);
  ostrel3::AssignClip(slot, bin(kLongUid), -1, -2147483647 - 1, 2147483647);  // no overflow
  EXPECT_EQ(nslGetTrimmedAVRecordLength(slot.record), 300);
  ostrel3::ClearCameraSlot(slot);
}

TEST(SyncTrimTest, TheCameraFurthestBehindStartsAtZeroAndTheOthersFollow) {
  ostrel3::CameraSlot cams[4];
  cams[1].syncIn = 40;
  cams[2].syncIn = 25;
  const int64_t lead = ostrel3::SyncLead(cams, 3);
  EXPECT_EQ(lead, 40);
  EXPECT_EQ(ostrel3::SyncedInPoint(cams[0], lead), 40);
  EXPECT_EQ(ostrel3::SyncedInPoint(cams[1], lead), 0);
  EXPECT_EQ(ostrel3::SyncedInPoint(cams[2], lead), 15);
  cams[3].syncIn = 90;  // not in use
  EXPECT_EQ(ostrel3::SyncLead(cams, 3), 40);
}

TEST(SyncTrimTest, TheReferenceCameraIsLeftOutAndNoInPointGoesBelowZeroOrOverflows) {
  ostrel3::CameraSlot cams[3];
  cams[0].syncIn = 100;
  cams[1].trimIn = 50;
  cams[1].syncIn = 20;
  EXPECT_EQ(ostrel3::SyncLead(cams, 3), 0);
  EXPECT_EQ(ostrel3::SyncedInPoint(cams[0], 0), 0);
  cams[2].trimIn = INT_MAX;
  cams[2].syncIn = INT_MIN;
  EXPECT_EQ(ostrel3::SyncLead(cams, 3), 0);
  EXPECT_EQ(ostrel3::SyncedInPoint(cams[2], 0), INT_MAX);
  cams[1].trimIn = INT_MIN;
  cams[1].syncIn = INT_MAX;
  EXPECT_EQ(ostrel3::SyncLead(cams, 3), int64_t{INT_MAX} - INT_MIN);
}

TEST_F(ClipOpsTest, ApplyingSyncTrimsRetrimsEveryCameraInUse) {
  ostrel3::MulticamOperator op;
  op.sceneCount = 3;
  for (int i = 0; i < 4; ++i) ostrel3::AssignClip(op.cameras[i], bin(kShortUid), -1, -1, -1);
  op.cameras[1].syncIn = 40;
  op.cameras[2].syncIn = 25;
  op.cameras[3].syncIn = 90;
  op.ApplySyncTrims();
  EXPECT_EQ(trims(op.cameras[0].record), std::make_pair(40, 249));
  EXPECT_EQ(trims(op.cameras[1].record), std::make_pair(0, 249));
  EXPECT_EQ(trims(op.cameras[2].record), std::make_pair(15, 249));
  EXPECT_EQ(trims(op.cameras[3].record), std::make_pair(0, 249));
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ClipOpsTest, ARefusedTrimOfOneCameraDoesNotStopTheOthers) {
  ostrel3::MulticamOperator op;
  op.sceneCount = 3;
  for (int i = 0; i < 3; ++i) ostrel3::AssignClip(op.cameras[i], bin(kShortUid), -1, -1, -1);
  op.cameras[1].syncIn = 10;
  op.cameras[2].syncIn = 4;
  host().calls().failNth("nslBeginAVRecordTrim", 1);
  op.ApplySyncTrims();
  EXPECT_EQ(trims(op.cameras[0].record), std::make_pair(0, 249));
  EXPECT_EQ(trims(op.cameras[2].record), std::make_pair(6, 249));
  host().calls().failNth("nslEndAVRecordTrim", 1);
  op.ApplySyncTrims();
  EXPECT_EQ(trims(op.cameras[0].record), std::make_pair(0, 249));
  EXPECT_EQ(trims(op.cameras[2].record), std::make_pair(6, 249));
  EXPECT_EQ(logCount(4), 2u);
}

}  // namespace
