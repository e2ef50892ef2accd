// Pause, resume and stop, and the player's messages: where the cursor ends,
// what the next start plays, and the flags' states on the way.
#include <algorithm>

#include "ostrel3/display/overview_gate.h"
#include "playback_fixture.h"

namespace {

using namespace ostrel3_test;
using ostrel3::CutList;

TEST_F(PlaybackTest, TheFlagsMoveTogetherFromStartingToRunningToStopped) {
  openWithTwoCameras(20);
  op->resumePos = 20;
  op->PlayStart(-1, -1);
  EXPECT_EQ(flags(), std::make_pair(true, false));
  play(3);  // the first frame is due at once, then three more
  EXPECT_EQ(flags(), std::make_pair(false, true));
  EXPECT_EQ(op->position, 23);
  op->PlayStop(false);
  EXPECT_EQ(flags(), std::make_pair(false, false));
  EXPECT_EQ(op->position, 20) << "a stop goes back to where playback started";
  EXPECT_FALSE(playerAlive());
  EXPECT_EQ(beepingElements(), 0);
  EXPECT_EQ(screen(), VG_PARSER_MAIN);
  EXPECT_FALSE(op->scrubHeldForPlayback);
  // Nothing plays now: a stop is no paused playback's and moves nothing.
  op->position = 250;
  op->PlayStop(false);
  EXPECT_EQ(op->position, 250);
}

class PauseTest : public PlaybackTest, public ::testing::WithParamInterface<bool> {};

// Paused at frame 120 of a playback from 100: a stop goes back to 100; a
// resume plays from 120, and its stop goes back to 120.
TEST_P(PauseTest, AStopGoesBackToWhereTheLastStartBegan) {
  const bool resumed = GetParam();
  openWithTwoCameras(100);
  op->resumePos = 100;
  op->PlayStart(-1, -1);
  play(20);
  op->PlayPauseToggle();
  EXPECT_EQ(op->resumePos, 120) << "the frame shown last";
  EXPECT_EQ(flags(), std::make_pair(false, false));
  EXPECT_FALSE(playerAlive());
  EXPECT_GT(beepingElements(), 0) << "a paused playback keeps the panel's marks";
  EXPECT_TRUE(op->scrubHeldForPlayback);
  if (resumed) {
    op->PlayStart(-1, -1);  // what the pause button does while nothing plays
    EXPECT_EQ(lastPlayback().ranges[0].first, 120);
    play(10);
    EXPECT_EQ(op->position, 130);
  }
  op->PlayStop(false);
  EXPECT_EQ(op->position, resumed ? 120 : 100);
  EXPECT_EQ(op->resumePos, op->position);
  EXPECT_EQ(beepingElements(), 0);
  EXPECT_FALSE(op->scrubHeldForPlayback);
  EXPECT_FALSE(playerAlive());
  EXPECT_EQ(screen(), VG_PARSER_MAIN);
}

INSTANTIATE_TEST_SUITE_P(StoppedOrResumed, PauseTest, ::testing::Bool());

// The end of play the player sent before a pause belongs to the paused
// playback: it must not end the pause or move the cursor.
TEST_F(PlaybackTest, AnEndOfPlayOnItsWayDoesNotEndAPause) {
  openWithTwoCameras(290);
  op->resumePos = 290;
  op->PlayStart(-1, -1);
  ASSERT_TRUE(player().step(10));  // frames 290 .. 299, then the end of play
  op->PlaybackPosition(2 * 297);
  op->PlayPauseToggle();
  deliver();
  EXPECT_GT(beepingElements(), 0);
  EXPECT_EQ(screen(), VG_PARSER_PLAYBACK);
  op->PlayStop(false);
  EXPECT_EQ(op->position, 290);
}

TEST_F(PlaybackTest, TheEndOfPlayStopsAndReturnsToTheStart) {
  openWithTwoCameras(280);
  op->resumePos = 280;
  op->PlayStart(-1, -1);
  play(20);  // frames 280 .. 299, then the end of play
  EXPECT_EQ(flags(), std::make_pair(false, false));
  EXPECT_EQ(op->position, 280);
  EXPECT_FALSE(playerAlive());
}

struct PositionCase {
  const char* what;
  int32_t fields;
  int32_t position;      ///< afterwards
  int32_t activeCamera;  ///< afterwards; camera 3 (index 2) was active and has no clip
};

class PositionMessageTest : public PlaybackTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(PositionMessageTest, MovesTheCursorWithinTheTimeline) {
  const PositionCase& c = GetParam();
  openWithTwoCameras(0);
  op->SelectCamera(2, -1);  // an empty camera may be active while stopped
  ASSERT_EQ(op->activeCamera, 2);
  vgInactivateElement(op->panelRequest.panel, op->elementSlots[ostrel3::CameraButtonSlot(0)]);
  op->PlayStart(-1, -1);
  op->PlaybackPosition(c.fields);
  EXPECT_EQ(op->position, c.position) << c.what;
  EXPECT_EQ(op->activeCamera, c.activeCamera) << c.what;
  EXPECT_EQ(element(ostrel3::CameraButtonSlot(0))->active, c.activeCamera == 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PositionMessageTest,
    ::testing::Values(PositionCase{"nine fields: camera 1 takes over", 9, 4, 0},
                      PositionCase{"ten fields: the empty camera stays", 10, 5, 2},
                      PositionCase{"the project's length: the last frame", 600, 299, 2},
                      PositionCase{"far beyond", 0x7FFFFFFE, 299, 2}));

TEST_F(PlaybackTest, ACameraThatRanOutHandsOverToCameraOne) {
  openWithTwoCameras(0);
  op->cutList = CutList{{0, 1}};
  op->activeCamera = 1;
  op->PlayStart(-1, -1);
  play(2);
  op->HandlePlayCamera(1, 2 * 150);
  EXPECT_EQ(op->cutList, (CutList{{0, 1}, {150, 0}}));
  EXPECT_EQ(op->activeCamera, 0);
  EXPECT_EQ(lastPlayback().outputLists.size(), 2u) << "the live cut's list went to the player";
  // Beyond camera 1's material: a log line, no cut; another camera: nothing.
  const size_t logged = logCount(3);
  op->activeCamera = 1;
  op->HandlePlayCamera(1, 2 * 300 - 1);
  op->HandlePlayCamera(0, 2 * 200);
  EXPECT_EQ(op->cutList, (CutList{{0, 1}, {150, 0}}));
  EXPECT_EQ(logCount(3), logged + 1);
  // Once stopped, a report still on its way changes nothing.
  op->PlayStop(false);
  op->HandlePlayCamera(1, 2 * 200);
  EXPECT_EQ(op->cutList, (CutList{{0, 1}, {150, 0}}));
}

// The list the player reads is never the one rewritten: live cuts use the
// two lists in turn, and after a refused handover the next cut rewrites the
// list the player never got.
TEST_F(PlaybackTest, LiveCutsAlternateTheListsAndSpareThePlayersOne) {
  openWithTwoCameras(0);
  op->PlayStart(-1, -1);
  play(2);
  const int32_t first = op->currentOutputList;
  ASSERT_EQ(op->outputListInPlayer, first);
  const auto cutTo = [&](int32_t frame, int camera) {
    op->position = frame;
    op->SelectCamera(camera, -1);
  };
  cutTo(40, 1);
  EXPECT_EQ(op->currentOutputList, 1 - first);
  EXPECT_EQ(op->outputListInPlayer, 1 - first);
  cutTo(60, 0);
  EXPECT_EQ(op->currentOutputList, first);
  const std::vector<CM_OUTPUT_PAIR> held = op->outputLists[first];
  const auto untouched = [&] {
    const auto& list = op->outputLists[first];
    return list.size() == held.size() && std::equal(list.begin(), list.end(), held.begin(), [](auto& a, auto& b) {
             return a.start == b.start && a.clip == b.clip;
           });
  };
  host().calls().failNth("cmUpdateFinalList", 1);
  cutTo(80, 1);
  EXPECT_EQ(op->outputListInPlayer, first) << "the player goes on with its list";
  EXPECT_EQ(op->currentOutputList, 1 - first);
  cutTo(100, 0);
  EXPECT_TRUE(untouched()) << "the list the player read was never rewritten";
  EXPECT_EQ(op->outputListInPlayer, 1 - first);
  cutTo(120, 1);
  EXPECT_EQ(op->outputListInPlayer, first);
  const std::vector<CM_OUTPUT_PAIR> shown = lastPlayback().outputListPairs(lastPlayback().outputLists.size() - 1);
  EXPECT_EQ(shown.size(), 6u) << "the cuts at 0, 40, 60, 80, 100 and 120";
}

TEST_F(PlaybackTest, ACutBeforeTheFirstFrameLandsWherePlaybackStarts) {
  openWithTwoCameras(120);
  op->resumePos = 120;
  op->PlayStart(-1, -1);
  op->SelectCamera(1, -1);
  EXPECT_EQ(op->cutList, (CutList{{0, 0}, {120, 1}}));
  const hostsim::PlaybackRecord rec = lastPlayback();
  ASSERT_EQ(rec.outputLists.size(), 2u) << "the player reads the list from the start";
  EXPECT_EQ(rec.outputListPairs(1).back().start, 120);
}

// A long project: the overview's marker follows the played position to the
// last frames of a day-long clip without its pixel wrapping.
class LongPlaybackTest : public PlaybackTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PlaybackTest::makeConfig();
    c.clips.push_back({kDay, "Day", kDayFrames, -1, 0});
    return c;
  }
  static constexpr uint32_t kDay = 890;
  static constexpr int32_t kDayFrames = 25 * 60 * 60 * 24;
};

TEST_F(LongPlaybackTest, TheMarkerStaysOnTheTimelineAtTheEnd) {
  give(0, kDay);
  openPanel();
  op->zoomIn = 0;
  op->zoomOut = op->LastFrame();
  op->PlayStart(-1, -1);
  // A tick of its own, so that the overview's once-per-tick gate lets it draw.
  ostrel3::lastOverviewTick = 0;
  host().kernel().advanceClock(hostsim::HostClock::timeOfTick(host().kernel().ticks() + 1));
  host().calls().clearTrace();
  op->PlaybackPosition(2 * (kDayFrames - 1));
  ASSERT_EQ(op->position, kDayFrames - 1);
  const auto writes = host().calls().traceOf({"vgWriteResImage"});
  ASSERT_FALSE(writes.empty());
  // vgWriteResImage(panel, image, left, top): the marker's left edge.
  const std::string& call = writes.back();
  const size_t at = call.find(", ptr, ") + 7;
  const int left = std::stoi(call.substr(at));
  EXPECT_GT(left, op->timelineArea.rect.x + op->timelineArea.rect.width - 40) << call;
  EXPECT_LT(left, op->timelineArea.rect.x + op->timelineArea.rect.width) << call;
}

}  // namespace
