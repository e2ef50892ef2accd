// Starting playback: what the player is given, what the panel shows, and
// that every refusal or failure of the start leaves nothing behind.
#include "playback_fixture.h"

namespace {

using namespace ostrel3_test;
using ostrel3::CutList;

TEST_F(PlaybackTest, OneClipAmongFourCamerasPlaysAloneAndMarksTheEmptyButtons) {
  give(0, kLeft);
  openPanel();
  op->position = op->resumePos = 40;
  op->PlayStart(-1, -1);
  ASSERT_TRUE(player().running());
  const hostsim::PlaybackRecord rec = lastPlayback();
  ASSERT_TRUE(rec.layout);
  // Camera 1, the default monitor, the bit always set, the live picture.
  EXPECT_EQ(rec.layout->layout.flags, 0x1u | 0x10 | 0x20 | 0x200);
  EXPECT_EQ(rec.ranges[0].clip, op->cameras[0].record);
  EXPECT_EQ(rec.ranges[0].first, 40);
  EXPECT_EQ(rec.ranges[0].last, 299);
  for (int i = 1; i < 6; ++i) EXPECT_EQ(rec.ranges[i].clip, 0u) << "camera " << i + 1;
  for (int camera = 1; camera < 4; ++camera) EXPECT_TRUE(element(ostrel3::CameraButtonSlot(camera))->beeping);
  EXPECT_FALSE(element(ostrel3::CameraButtonSlot(0))->beeping);
  EXPECT_TRUE(element(ostrel3::kApplyButton)->beeping);
  EXPECT_FALSE(element(ostrel3::kStopButton)->beeping);
  EXPECT_EQ(screen(), VG_PARSER_PLAYBACK);
  EXPECT_EQ(flags(), std::make_pair(true, false));
  EXPECT_TRUE(op->scrubHeldForPlayback);
  EXPECT_EQ(op->position, 40) << "a cut made before the first frame arrives belongs where playback starts";
}

TEST_F(PlaybackTest, TheLayoutPlacesEveryCameraAndTheLivePictureOnTheScreen) {
  openWithTwoCameras(0);
  op->PlayStart(-1, -1);
  const CM_MULTICAM layout = lastPlayback().layout->layout;
  EXPECT_EQ(layout.pictureWidth, op->pictureWidth);
  EXPECT_EQ(layout.origin[1][0], op->cameras[1].displayRect[0]);
  EXPECT_EQ(layout.origin[1][1], op->cameras[1].displayRect[1]);
  VG_RECT panel{};
  ASSERT_EQ(vgGetPanelRect(op->previewPanel, &panel), 0);
  EXPECT_EQ(layout.previewLeft, panel.x + op->previewRect.x);
  EXPECT_EQ(layout.previewTop, panel.y + op->previewRect.y);
  EXPECT_EQ(layout.previewWidth, op->previewRect.width);
}

class ThreeMonitorPlaybackTest : public PlaybackTest {
 protected:
  ThreeMonitorPlaybackTest() { monitors.resize(3); }
};

TEST_F(ThreeMonitorPlaybackTest, TheEditGoesToTheOutputMonitorAtTheVideosSize) {
  openWithTwoCameras(0);
  ASSERT_TRUE(op->threeMonitors);
  op->PlayStart(-1, -1);
  const CM_MULTICAM layout = lastPlayback().layout->layout;
  EXPECT_EQ(layout.flags & 0x600u, 0x600u);
  EXPECT_EQ(layout.previewLeft, 0);
  EXPECT_EQ(layout.previewWidth, 720);
  EXPECT_EQ(layout.previewHeight, 576) << "two fields of the PAL picture";
}

struct AroundCase {
  int32_t position;
  int32_t first, last;  ///< what the cameras play
};

class PlayAroundTest : public PlaybackTest, public ::testing::WithParamInterface<AroundCase> {};

// Three seconds either side of the position, cut at the timeline's ends; the
// edit's picture starts with the cameras.
TEST_P(PlayAroundTest, PlaysThreeSecondsEitherSide) {
  const AroundCase& c = GetParam();
  openWithTwoCameras(c.position);
  op->cutList = CutList{{0, 0}, {100, 1}};
  click(ostrel3::kPreviewButton);
  act([] {});
  runLoop();
  const hostsim::PlaybackRecord rec = player().history().playbacks.at(0);
  EXPECT_EQ(rec.ranges[0].first, c.first) << c.position;
  EXPECT_EQ(rec.ranges[1].last, c.last) << c.position;
  EXPECT_EQ(rec.outputListPairs(0).at(0).start, c.first) << c.position;
  EXPECT_FALSE(playerAlive()) << "closing stopped it";
}

INSTANTIATE_TEST_SUITE_P(Positions, PlayAroundTest,
                         ::testing::Values(AroundCase{50, 50, 124}, AroundCase{75, 0, 149}, AroundCase{200, 125, 274},
                                           AroundCase{280, 205, 299}));

struct StartFailure {
  const char* what;
  const char* call;  ///< the host call that fails; null: camera 1 has no clip
  int nth;
  int32_t logLevel;
};

class StartFailureTest : public PlaybackTest, public ::testing::WithParamInterface<StartFailure> {};

TEST_P(StartFailureTest, LeavesNoPlayerNoMarksAndScrubbingBack) {
  const StartFailure& c = GetParam();
  if (c.call) {
    openWithTwoCameras(60);
    host().calls().failNth(c.call, c.nth);
  } else {
    give(1, kRight);
    openPanel();
  }
  const size_t logged = logCount(c.logLevel);
  op->resumePos = op->position;
  op->PlayStart(-1, -1);
  EXPECT_FALSE(playerAlive()) << c.what;
  EXPECT_EQ(beepingElements(), 0) << c.what;
  EXPECT_FALSE(op->scrubHeldForPlayback) << c.what;
  EXPECT_EQ(flags(), std::make_pair(false, false)) << c.what;
  EXPECT_EQ(screen(), VG_PARSER_MAIN) << c.what;
  EXPECT_EQ(logCount(c.logLevel), logged + 1) << c.what;
  EXPECT_EQ(beeps(), c.call ? 0 : 1) << c.what;
  // Nothing is left to stop: a stop is no playback's end and moves nothing.
  op->position = 33;
  op->PlayStop(false);
  EXPECT_EQ(op->position, 33) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartFailureTest,
    ::testing::Values(StartFailure{"camera 1 without a clip", nullptr, 0, 3},
                      StartFailure{"the player refuses to start up", "mainPlayInit", 1, 4},
                      StartFailure{"the layout is refused", "cmSetMultiCam", 1, 4},
                      StartFailure{"the screen area is refused", "mainPlaySetGuiRect", 1, 4},
                      StartFailure{"the screen area's commit is refused", "mainPlaySetGuiRect", 2, 4},
                      StartFailure{"the cameras are refused", "mainPlayStartMultiple2", 1, 4}));

TEST_F(PlaybackTest, ASecondStartWhilePlayingBeepsAndKeepsTheFirst) {
  openWithTwoCameras(60);
  op->PlayStart(-1, -1);
  play(2);
  op->PlayStart(-1, -1);
  EXPECT_EQ(beeps(), 1);
  EXPECT_EQ(player().history().playbacks.size(), 1u);
  EXPECT_TRUE(player().running());
  EXPECT_EQ(flags(), std::make_pair(false, true));
}

}  // namespace
