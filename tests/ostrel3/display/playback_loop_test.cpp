// Playback through the event loop: what the panel's elements, the keys and
// the closing do while the player runs, and what the live picture shows.
#include "hostsim/gui/display.h"
#include "hostsim/gui/screen.h"
#include "ostrel3/editing/parser_commands.h"
#include "playback_fixture.h"

namespace {

using namespace ostrel3_test;
using ostrel3::CutList;

enum class Leaving { Apply, Leave, Close };

class LeavingDuringPlaybackTest : public PlaybackTest, public ::testing::WithParamInterface<Leaving> {};

// Apply, leave and close first stop the playback; the operator stays.
TEST_P(LeavingDuringPlaybackTest, OnlyStopsThePlayback) {
  openWithTwoCameras(50);
  bool stillRunning = false, stopped = false;
  int32_t position = -1;
  click(ostrel3::kPlayButton);
  waitTicks(12);
  act([&] {
    auto& input = host().panels().input();
    switch (GetParam()) {
      // A marked element beeps for the user: the loop sees the frame's own confirm.
      case Leaving::Apply: input.clickElement(op->panelRequest.okElement); break;
      case Leaving::Leave: input.clickElement(op->panelRequest.cancelElement); break;
      case Leaving::Close: input.closeScreen(); break;
    }
  });
  act([&] {
    stillRunning = op->keepRunning;
    stopped = !playerAlive() && !op->playbackUnderway;
    position = op->position;
  });
  runLoop();
  EXPECT_TRUE(stillRunning);
  EXPECT_TRUE(stopped);
  EXPECT_EQ(position, 50);
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavingDuringPlaybackTest,
                         ::testing::Values(Leaving::Apply, Leaving::Leave, Leaving::Close));

TEST_F(PlaybackTest, MarkedElementsBeepAndChangeNothingWhilePlaying) {
  openWithTwoCameras(0);
  op->cutList = CutList{{0, 0}, {30, 1}};
  CutList during;
  int beepsDuring = 0;
  click(ostrel3::kPlayButton);
  waitTicks(30);
  act([&] {
    click(ostrel3::kDeleteCutButton);
    click(ostrel3::kNextCutButton);
    click(ostrel3::CameraButtonSlot(2));  // camera 3 has no clip
  });
  act([&] {
    during = op->cutList;
    beepsDuring = beeps();
  });
  runLoop();
  EXPECT_EQ(during, (CutList{{0, 0}, {30, 1}}));
  EXPECT_EQ(beepsDuring, 3);
}

// The keys during playback: the play key plays from the cursor, pauses
// while playing and goes on from the paused frame; the hold key stops where
// the playback is.
TEST_F(PlaybackTest, TheKeysPlayPauseAndHold) {
  openWithTwoCameras(100);
  int32_t pausedAt = -1, heldAt = -1;
  auto& input = host().panels().input();
  act([&] { input.command(ostrel3::kPlayCommand, 0); });
  waitTicks(24);
  act([&] { input.command(ostrel3::kPlayCommand, 0); });
  act([&] {
    pausedAt = op->resumePos;
    input.command(ostrel3::kPlayCommand, 0);
  });
  waitTicks(12);
  act([&] {
    heldAt = op->position;
    input.key('h', 0x800);
  });
  act([&] { EXPECT_EQ(op->position, heldAt); });
  runLoop();
  const auto playbacks = player().history().playbacks;
  ASSERT_EQ(playbacks.size(), 2u);
  EXPECT_EQ(playbacks[0].ranges[0].first, 100);
  EXPECT_GT(pausedAt, 100);
  EXPECT_EQ(playbacks[1].ranges[0].first, pausedAt);
  EXPECT_GT(heldAt, pausedAt);
}

// The live picture is the operator's while stopped and the player's while
// it plays; after a cut made while stopped it shows the camera in force.
class LivePictureTest : public PlaybackTest {
 protected:
  std::vector<uint32_t> livePicture() {
    VG_RECT panel{};
    EXPECT_EQ(vgGetPanelRect(op->previewPanel, &panel), 0);
    const int16_t x = int16_t(panel.x + op->previewRect.x), y = int16_t(panel.y + op->previewRect.y);
    return host().display().screen().saveRect(
        1, VG_CORNERS{x, y, int16_t(x + op->previewRect.width - 1), int16_t(y + op->previewRect.height - 1)});
  }
};

TEST_F(LivePictureTest, ShowsTheCameraInForceAfterACut) {
  openWithTwoCameras(150);
  ASSERT_NE(op->previewPanel, 0u);
  op->SelectCamera(0, -1);
  const auto cameraOne = livePicture();
  op->SelectCamera(1, -1);
  const auto cameraTwo = livePicture();
  EXPECT_NE(cameraTwo, cameraOne);
  op->SelectCamera(0, -1);
  EXPECT_EQ(livePicture(), cameraOne);
  // During playback the operator leaves the picture boxes to the player.
  op->resumePos = 150;
  op->PlayStart(-1, -1);
  play(3);
  host().calls().clearTrace();
  op->SelectCamera(1, -1);
  EXPECT_TRUE(host().calls().traceOf({"cmGetField"}).empty());
  // The stop returns to the live cut at 153: the operator draws camera 2
  // there, as it does when camera 2 is chosen again.
  op->PlayStop(false);
  EXPECT_EQ(op->position, 153);
  const auto afterStop = livePicture();
  op->SelectCamera(1, -1);
  EXPECT_EQ(livePicture(), afterStop);
}

}  // namespace
