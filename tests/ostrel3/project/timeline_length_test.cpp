// The project is as long as its shortest camera in use.
#include "host/host.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

class TimelineLengthTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{11, "Short", 100, -1, 0}, {12, "Long", 250, -1, 0}, {13, "Tiny", 40, -1, 0}};
    return c;
  }
  void SetUp() override {
    HostTest::SetUp();
    op = std::make_unique<ostrel3::MulticamOperator>();
  }
  void TearDown() override {
    op.reset();
    HostTest::TearDown();
  }
  void give(int camera, uint32_t uid) {
    ostrel3::AssignClip(op->cameras[camera], mainGetAVRecordFromId(uid, host().config().projectNumber, 1), -1, -1,
                        -1);
  }
  std::unique_ptr<ostrel3::MulticamOperator> op;
};

TEST_F(TimelineLengthTest, TheShortestCameraInUseSetsTheLength) {
  give(0, 11);
  give(1, 12);
  EXPECT_EQ(op->UpdateTimelineLength(), 99);
  EXPECT_EQ(op->projectLength, 200);
  // A shorter clip beyond the cameras in use does not count.
  give(5, 13);
  op->UpdateTimelineLength();
  EXPECT_EQ(op->projectLength, 200);
  op->sceneCount = 6;
  op->UpdateTimelineLength();
  EXPECT_EQ(op->projectLength, 80);
}

TEST_F(TimelineLengthTest, NoClipsLeaveTheLengthZeroAndTheSliderUntouched) {
  op->elementSlots[ostrel3::kPositionSlider] = 77;
  host().calls().clearTrace();
  EXPECT_EQ(op->UpdateTimelineLength(), -1);
  EXPECT_EQ(op->projectLength, 0);
  EXPECT_EQ(host().calls().count("vgChangeElement"), 0);
  op->elementSlots[ostrel3::kPositionSlider] = 0;
}

TEST_F(TimelineLengthTest, TheSliderLearnsANewLengthOnlyWhenItChanged) {
  op->elementSlots[ostrel3::kPositionSlider] = 77;
  give(0, 12);
  host().calls().clearTrace();
  op->UpdateTimelineLength();
  EXPECT_EQ(host().calls().traceOf({"vgChangeElement"}),
            std::vector<std::string>{"vgChangeElement(0, 77, 39, 249, 1)"});
  op->UpdateTimelineLength();
  EXPECT_EQ(host().calls().count("vgChangeElement"), 1);
  op->elementSlots[ostrel3::kPositionSlider] = 0;
}

TEST_F(TimelineLengthTest, TheVisibleWindowIsCutToTheNewEnd) {
  give(0, 12);
  op->zoomIn = 10;
  op->zoomOut = 5000;
  op->UpdateTimelineLength();
  EXPECT_EQ(op->zoomOut, 249);
  op->zoomOut = 5;  // before its start
  op->UpdateTimelineLength();
  EXPECT_EQ(op->zoomOut, 249);
}

TEST_F(TimelineLengthTest, AClipWhoseLengthTheHostCannotTellIsLeftOut) {
  give(0, 11);
  give(1, 12);
  host().calls().failNth("nslGetTrimmedAVRecordLength", 1);
  op->UpdateTimelineLength();
  EXPECT_EQ(op->projectLength, 500);
  EXPECT_EQ(logCount(4), 1u);
}

}  // namespace
