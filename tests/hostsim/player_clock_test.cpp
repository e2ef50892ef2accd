// The player on a test clock: a frame each time the clock reaches it, the
// end of play after the last frame, cameras whose material runs out, pause,
// and the events the scripted user asks for.
#include "player_fixture.h"

namespace ostrel3_test {
namespace {

using Events = std::vector<std::pair<int32_t, int32_t>>;

std::vector<int32_t> frames(int32_t first, int32_t last) {
  std::vector<int32_t> out;
  for (int32_t f = first; f <= last; ++f) out.push_back(f);
  return out;
}

// step(n) lets the player play what is due now (at the start: the first
// frame), then moves the time on by n frames.
TEST_F(PlayerTest, EachStepPlaysOneFrameOnThePlayersTask) {
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 10, 109), 0);
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_EQ(playLog().positionsSoFar(), frames(10, 10)) << "the first frame is due at the start";
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_EQ(playLog().positionsSoFar(), frames(10, 10)) << "the time stands still";
  ASSERT_TRUE(player().step(3));
  EXPECT_EQ(playLog().positionsSoFar(), frames(10, 13));
  EXPECT_NE(playLog().thread, std::this_thread::get_id());
  EXPECT_EQ(host().kernel().clock().now(), hostsim::Nanos(3 * 40'000'000))
      << "a frame every two fields at 50 fields a second";
}

TEST_F(PlayerTest, AWaitOfTheCallingThreadLetsThePlayerPlayItsFrames) {
  ASSERT_EQ(play(copyOf(kUidA), 0, 0, 299), 0);
  EXPECT_EQ(taskDelay(60), 0);  // one second
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_EQ(playLog().positionsSoFar(), frames(0, 25)) << "26 frames: at 0, 40 ms ... 1000 ms";
}

TEST_F(PlayerTest, TheEndOfPlayFollowsTheLastFrameAndNothingAfterIt) {
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 0, 4), 0);
  ASSERT_TRUE(player().step(4));
  EXPECT_TRUE(playLog().eventsSoFar().empty());
  ASSERT_TRUE(player().step(1));
  EXPECT_EQ(playLog().eventsSoFar(), (Events{{1, 0}}));
  EXPECT_FALSE(player().step(1)) << "an ended playback has nothing more to play";
  EXPECT_EQ(playLog().positionsSoFar(), frames(0, 4));
  EXPECT_EQ(player().history().state, "ended");
  EXPECT_EQ(mainPlayPause(0), 4) << "the frame reached is the last";
}

TEST_F(PlayerTest, ACameraThatRunsOutSendsItsEventAtThatFrame) {
  // Hall has 120 frames, Stage 300: from 100 on, Hall runs out at 120.
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 100, 149), 0);
  ASSERT_TRUE(player().step(19));
  EXPECT_TRUE(playLog().eventsSoFar().empty());
  ASSERT_TRUE(player().step(1));
  EXPECT_EQ(playLog().positionsSoFar().back(), 120);
  EXPECT_EQ(playLog().eventsSoFar(), (Events{{7, int32_t((1u << 30) | 240)}}))
      << "camera 2 (1 in the top bits), field 240";
  ASSERT_TRUE(player().step(30));  // frames 121 .. 149, then the end
  EXPECT_EQ(playLog().eventsSoFar().size(), 2u) << "once, then the end of play";
}

TEST_F(PlayerTest, PauseHoldsThePlaybackAtTheFrameReached) {
  ASSERT_EQ(play(copyOf(kUidA), 0, 50, 99), 0);
  ASSERT_TRUE(player().step(6));
  EXPECT_EQ(mainPlayPause(0), 56);
  EXPECT_FALSE(player().step(1)) << "nothing is due while paused";
  EXPECT_EQ(taskDelay(60), 0);
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_EQ(playLog().positionsSoFar(), frames(50, 56));
  EXPECT_EQ(player().history().state, "paused");
}

class NtscPlayerTest : public PlayerTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PlayerTest::makeConfig();
    c.format = hostsim::VideoFormat::Ntsc2997;
    return c;
  }
};

TEST_F(NtscPlayerTest, AFrameEveryTwoFieldsAt5994) {
  ASSERT_EQ(play(copyOf(kUidA), 0, 0, 299), 0);
  ASSERT_TRUE(kernel().advanceClock(hostsim::Nanos(1'000'999'999)));
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_EQ(playLog().positionsSoFar().size(), 30u);
  ASSERT_TRUE(kernel().advanceClock(hostsim::Nanos(1'001'000'000)));
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_EQ(playLog().positionsSoFar().size(), 31u);
}

TEST_F(PlayerTest, TheUserCanMakeTheRunningPlayerSendItsEvents) {
  EXPECT_FALSE(player().sendEnd()) << "no player runs";
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 0, 99), 0);
  ASSERT_TRUE(player().step(2));
  EXPECT_TRUE(player().sendCameraEvent(1, 400));
  EXPECT_TRUE(player().sendEnd());
  EXPECT_EQ(playLog().eventsSoFar(), (Events{{7, int32_t((1u << 30) | 400)}, {1, 0}}));
  EXPECT_FALSE(player().step(1)) << "after its end the player plays no further";
  EXPECT_FALSE(player().sendCameraEvent(4, 10)) << "the event has room for cameras 1 to 4";
  const auto history = player().history();
  ASSERT_EQ(history.playbacks.size(), 1u);
  EXPECT_TRUE(history.playbacks[0].events[0].byUser);
  EXPECT_EQ(history.playbacks[0].events[0].atPosition, 2);
}

}  // namespace
}  // namespace ostrel3_test
