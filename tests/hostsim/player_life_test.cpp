// The player's life cycle: what each call accepts, what it refuses (with a
// host log line and nothing changed), and the handles a caller must give back.
#include <functional>

#include "player_fixture.h"

namespace ostrel3_test {
namespace {

class PlayerRefusals;

struct Refusal {
  const char* name;
  std::function<void(PlayerRefusals&)> before;
  std::function<int32_t(PlayerRefusals&)> call;
  const char* logged;
};

class PlayerRefusals : public PlayerTest, public ::testing::WithParamInterface<Refusal> {
 public:
  using PlayerTest::copyOf;
  using PlayerTest::kUidA;
  using PlayerTest::layout;
  // The table below reaches the fixture's helpers through these.
  int32_t initWith(uintptr_t size) {
    const MAIN_PLAY_CALLBACKS record = callbacks(size);
    return mainPlayInit(&record, 0);
  }
  int32_t playBoth() { return play(copyOf(kUidA), copyOf(kUidB), 0, 99); }
  int32_t startAlone() {
    return mainPlayStartMultiple2(copyOf(kUidA), 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  }
  CM_HANDLE render() const { return render_; }
};

bool hostLogged(hostsim::Host& host, const std::string& text) {
  for (const auto& l : host.log().lines())
    if (l.fromHost && l.text.find(text) != std::string::npos) return true;
  return false;
}

TEST_P(PlayerRefusals, AreRefusedWithALogLine) {
  const Refusal& r = GetParam();
  if (r.before) r.before(*this);
  const bool wasRunning = player().running();
  EXPECT_EQ(r.call(*this), -1);
  EXPECT_TRUE(hostLogged(host(), r.logged)) << "no host log line with \"" << r.logged << "\"";
  EXPECT_EQ(player().running(), wasRunning) << "a refusal changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Calls, PlayerRefusals,
    ::testing::Values(
        Refusal{"InitWithoutRecord", nullptr, [](PlayerRefusals&) { return mainPlayInit(nullptr, 0); },
                "mainPlayInit: refused: no callbacks record"},
        Refusal{"InitWithSize24", nullptr, [](PlayerRefusals& t) { return t.initWith(24); }, "size word is 24"},
        Refusal{"InitWhilePlaying", [](PlayerRefusals& t) { ASSERT_EQ(t.playBoth(), 0); },
                [](PlayerRefusals& t) { return t.initWith(20); }, "mainPlayInit: refused: a playback is running"},
        Refusal{"StartWithoutInit", nullptr, [](PlayerRefusals& t) { return t.startAlone(); },
                "mainPlayStartMultiple2: refused: mainPlayInit was not called"},
        Refusal{"StartAfterExit",
                [](PlayerRefusals& t) {
                  ASSERT_EQ(t.initWith(20), 0);
                  mainPlayExit(0);
                },
                [](PlayerRefusals& t) { return t.startAlone(); }, "mainPlayInit was not called"},
        Refusal{"SecondStart", [](PlayerRefusals& t) { ASSERT_EQ(t.playBoth(), 0); },
                [](PlayerRefusals& t) { return t.startAlone(); },
                "mainPlayStartMultiple2: refused: a playback is running"},
        Refusal{"FourCameraStartWithoutInit", nullptr,
                [](PlayerRefusals& t) {
                  return mainPlayStartMultiple(t.copyOf(PlayerRefusals::kUidA), 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
                },
                "mainPlayStartMultiple: refused: mainPlayInit was not called"},
        Refusal{"CommitWithoutRect", [](PlayerRefusals& t) { ASSERT_EQ(t.initWith(20), 0); },
                [](PlayerRefusals&) { return mainPlaySetGuiRect(nullptr, 0); }, "no rectangle to commit"},
        Refusal{"PauseWithoutPlayback", nullptr, [](PlayerRefusals&) { return mainPlayPause(0); },
                "mainPlayPause: refused: no playback runs"},
        Refusal{"StopWithoutPlayback", [](PlayerRefusals& t) { ASSERT_EQ(t.initWith(20), 0); },
                [](PlayerRefusals&) { return mainPlayStop(0); }, "mainPlayStop: refused: no playback runs"},
        Refusal{"ListWithoutPlayback", nullptr,
                [](PlayerRefusals& t) {
                  static const CM_OUTPUT_PAIR list[] = {{0, 0}};
                  return cmUpdateFinalList(t.render(), list, 0);
                },
                "cmUpdateFinalList: refused: no playback runs"},
        Refusal{"ListOfAnotherRenderHandle", [](PlayerRefusals& t) { ASSERT_EQ(t.playBoth(), 0); },
                [](PlayerRefusals&) {
                  static const CM_OUTPUT_PAIR list[] = {{0, 0}};
                  return cmUpdateFinalList(cmOpen(0, 0), list, 0);
                },
                "did not start the playback"},
        Refusal{"LayoutOfABadHandle", nullptr,
                [](PlayerRefusals&) {
                  const CM_MULTICAM l = PlayerRefusals::layout(0x21);
                  return cmSetMultiCam(0x42, &l);
                },
                "cmSetMultiCam: refused: no render handle 66"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayerTest, TheRecordMaySayTwentyOrItsOwnSize) {
  for (uintptr_t size : {uintptr_t(20), uintptr_t(sizeof(MAIN_PLAY_CALLBACKS))}) {
    const MAIN_PLAY_CALLBACKS record = callbacks(size);
    EXPECT_EQ(mainPlayInit(&record, 0), 0) << size;
    mainPlayExit(0);
  }
}

std::vector<std::string> playerHandles(hostsim::Host& host) {
  std::vector<std::string> out;
  for (const std::string& h : host.liveHandles())
    if (h.rfind("player:", 0) == 0) out.push_back(h);
  return out;
}

TEST_F(PlayerTest, AWholeLifeCycleLeavesNothingBehind) {
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 10, 109), 0);
  EXPECT_TRUE(player().step(4));
  EXPECT_EQ(mainPlayPause(0), 14) << "pause returns the frame reached";
  EXPECT_EQ(mainPlayPause(0), 14) << "and holds it";
  EXPECT_EQ(mainPlayStop(0), 0);
  mainPlayExit(0);
  EXPECT_TRUE(playerHandles(host()).empty());
  // A second playback after the first has stopped.
  ASSERT_EQ(play(copyOf(kUidA), 0, 0, 9), 0);
  EXPECT_TRUE(player().running());
}

TEST_F(PlayerTest, APlaybackNotStoppedOrExitedIsALiveHandle) {
  ASSERT_EQ(play(copyOf(kUidA), 0, 0, 9), 0);
  EXPECT_EQ(playerHandles(host()), (std::vector<std::string>{"player: a playback runs (mainPlayStop was not called)",
                                                              "player: mainPlayInit without mainPlayExit"}));
  EXPECT_EQ(mainPlayStop(0), 0);
  EXPECT_EQ(playerHandles(host()), (std::vector<std::string>{"player: mainPlayInit without mainPlayExit"}));
}

TEST_F(PlayerTest, ExitWhilePlayingStopsFirst) {
  ASSERT_EQ(play(copyOf(kUidA), 0, 0, 99), 0);
  mainPlayExit(0);
  EXPECT_FALSE(player().running());
  EXPECT_TRUE(kernel().runningTasks().empty()) << "the player's task was joined";
}

TEST_F(PlayerTest, AnInjectedFailureIsTracedAndChangesNothing) {
  ASSERT_EQ(play(copyOf(kUidA), 0, 0, 99), 0);
  host().calls().failNth("mainPlayStop", 1);
  EXPECT_EQ(mainPlayStop(0), -1);
  EXPECT_TRUE(player().running());
  EXPECT_EQ(mainPlayStop(0), 0);
  const auto calls = host().calls().traceOf({"mainPlayStartMultiple2", "mainPlayStop"});
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1], "mainPlayStop(0)");
}

}  // namespace
}  // namespace ostrel3_test
