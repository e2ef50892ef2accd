// Playback against the player's own task and other threads, on the
// machine's clock: live cuts hand new output lists over while the player
// reads the old one, and a player that reports positions as fast as it can
// while the user cuts. These also run under ThreadSanitizer.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <set>
#include <thread>

#include "host/task.h"
#include "ostrel3/display/output_list.h"
#include "ostrel3/shell/playback_notify.h"
#include "playback_fixture.h"

namespace {

using namespace ostrel3_test;
using namespace std::chrono_literals;
using ostrel3::CutList;
using Clock = std::chrono::steady_clock;

/// What a list shows from which frame on (of pairs at one frame the later).
using Shown = std::map<int32_t, AV_RECORD>;

Shown shownBy(const std::vector<CM_OUTPUT_PAIR>& pairs) {
  Shown shown;
  for (const auto& p : pairs) shown[p.start] = p.clip;
  return shown;
}

void mergeRepeats(Shown& shown) {
  AV_RECORD before = 0;
  for (auto it = shown.begin(); it != shown.end();) {
    if (it != shown.begin() && it->second == before) {
      it = shown.erase(it);
    } else {
      before = it->second;
      ++it;
    }
  }
}

/// True when `after` is `before` with one cut to `clip` made at some frame.
bool oneCutApart(const Shown& before, const Shown& after, AV_RECORD clip) {
  if (before == after) return true;  // the clip was in force there already
  std::set<int32_t> frames;
  for (const auto& [frame, shown] : after)
    if (!before.count(frame) || before.at(frame) != shown) frames.insert(frame);
  for (const auto& [frame, shown] : before)
    if (!after.count(frame)) frames.insert(frame);
  for (int32_t frame : frames) {
    Shown cut = before;
    cut[frame] = clip;
    mergeRepeats(cut);
    if (cut == after) return true;
  }
  return false;
}

class PlaybackThreadsTest : public PlaybackTest {
 protected:
  PlaybackThreadsTest() { testClock = false; }
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PlaybackTest::makeConfig();
    c.trace = false;  // positions come by the hundred thousand
    return c;
  }
  void openWithLongClips() {
    give(0, kLong);
    give(1, kLong);
    openPanel();
    ASSERT_NE(op->previewPanel, 0u);
  }
  bool framesShown(size_t n) {
    const auto end = Clock::now() + 10s;
    while (lastPlayback().positions.size() < n)
      if (Clock::now() > end) return false;
      else std::this_thread::sleep_for(1ms);
    return true;
  }
};

TEST_F(PlaybackThreadsTest, LiveCutsHandNewListsOverWhileThePlayerReadsTheOld) {
  openWithLongClips();
  op->PlayStart(-1, -1);
  ASSERT_TRUE(framesShown(2));
  std::vector<CutList> cutLists;
  for (int i = 0; i < 40; ++i) {
    deliver();
    op->position = 10 + 7 * i;
    op->SelectCamera(i % 2 == 0 ? 1 : 0, -1);
    cutLists.push_back(op->cutList);
    std::this_thread::sleep_for(3ms);
  }
  op->PlayStop(false);
  const hostsim::PlaybackRecord rec = player().history().playbacks.at(0);
  ASSERT_EQ(rec.outputLists.size(), cutLists.size() + 1);
  // Every list the player got is the cut list as it stood after its cut.
  for (size_t i = 0; i < cutLists.size(); ++i) {
    std::vector<CM_OUTPUT_PAIR> expected;
    ostrel3::BuildOutputPairs(cutLists[i], 0, op->cameraClips(), expected);
    expected.pop_back();
    EXPECT_EQ(shownBy(rec.outputListPairs(i + 1)), shownBy(expected)) << "cut " << i;
  }
  int shown = 0;
  for (const auto& list : rec.outputLists) shown += list.fromFrame.has_value();
  EXPECT_GE(shown, 2) << "lists took effect while the player played";
}

/// Position messages waiting in a queue, counted under the critical section
/// (everyone else's queue operations wait meanwhile); the order stays.
int positionsWaiting(MSG_Q_ID queue) {
  if (taskLock() != 0) return -1;
  int positions = 0;
  for (int32_t n = msgQNumMsgs(queue); n > 0; --n) {
    ostrel3::QueueMessage m;
    if (msgQReceive(queue, &m, sizeof m, 0) != int32_t(sizeof m)) break;
    positions += m.msgClass == ostrel3::kMsgPlayPosition;
    msgQSend(queue, &m, sizeof m, 0, 0);
  }
  taskUnlock();
  return positions;
}

void postElement(MSG_Q_ID queue, uint16_t msgClass, VG_ELEMENT element) {
  ostrel3::QueueMessage m;
  m.msgClass = msgClass;
  m.identifier = static_cast<int32_t>(element);
  msgQSend(queue, &m, sizeof m, -1, 0);
}

TEST_F(PlaybackThreadsTest, PositionsAsFastAsTheyComeWhileTheUserCuts) {
  openWithLongClips();
  const MSG_Q_ID queue = op->eventQueue.get();
  const VG_ELEMENT cameraButtons[2] = {op->elementSlots[ostrel3::CameraButtonSlot(0)],
                                       op->elementSlots[ostrel3::CameraButtonSlot(1)]};
  const VG_ELEMENT stopButton = op->elementSlots[ostrel3::kStopButton];
  op->PlayStart(-1, -1);

  // A player thread that reports positions as fast as it can, and checks
  // after each that no older position waits beside the newest.
  std::atomic<bool> reporting{true};
  std::atomic<int> mostWaiting{0};
  std::atomic<int64_t> reported{0};
  std::thread fastPlayer([&] {
    for (int32_t frame = 0; reporting.load(); frame = (frame + 1) % 400) {
      ostrel3::PlayPositionCallback(frame);
      ++reported;
      if (frame % 8 == 0) mostWaiting = std::max(mostWaiting.load(), positionsWaiting(queue));
    }
  });
  // The user cuts back and forth for three seconds, then stops and leaves.
  int cuts = 0;
  Clock::time_point stopAsked;
  std::thread user([&] {
    const auto end = Clock::now() + 3s;
    while (Clock::now() < end) {
      postElement(queue, ostrel3::kMsgElement, cameraButtons[(cuts + 1) % 2]);
      ++cuts;
      std::this_thread::sleep_for(4ms);
    }
    // The stop is timed once the loop has taken the cuts.
    while (msgQNumMsgs(queue) > 1) std::this_thread::sleep_for(1ms);
    stopAsked = Clock::now();
    postElement(queue, ostrel3::kMsgElement, stopButton);
    postElement(queue, ostrel3::kMsgClose, 0);
  });
  host().user().addWait("the threads act", 60 * 120);
  const uint32_t ticksBefore = host().kernel().ticks();
  const int drawingsBefore = host().calls().count("vgHideExtendedHelpInRegion");
  runLoop();
  const auto loopEnded = Clock::now();
  const uint32_t ticks = host().kernel().ticks() - ticksBefore;
  const int drawings = host().calls().count("vgHideExtendedHelpInRegion") - drawingsBefore;
  user.join();
  reporting = false;
  fastPlayer.join();

  EXPECT_GT(reported.load(), 1000);
  EXPECT_LE(mostWaiting.load(), 1);
  EXPECT_LE(drawings, int(ticks) + 1) << "the overview is drawn at most once a tick";
  EXPECT_LT(loopEnded - stopAsked, 20s) << "the stop came back";
  EXPECT_FALSE(playerAlive());
  // Nothing was lost: every cut reached the player, each one cut apart from
  // the list before it, and the last list is the cut list.
  const hostsim::PlaybackRecord rec = player().history().playbacks.at(0);
  ASSERT_EQ(rec.outputLists.size(), size_t(cuts) + 1);
  const ostrel3::CameraClips clips = op->cameraClips();
  for (int i = 0; i < cuts; ++i)
    ASSERT_TRUE(oneCutApart(shownBy(rec.outputListPairs(i)), shownBy(rec.outputListPairs(i + 1)),
                            clips[(i + 1) % 2]))
        << "cut " << i;
  std::vector<CM_OUTPUT_PAIR> final;
  ostrel3::BuildOutputPairs(op->cutList, 0, clips, final);
  final.pop_back();
  EXPECT_EQ(shownBy(rec.outputListPairs(rec.outputLists.size() - 1)), shownBy(final));
}

}  // namespace
