// The synchronisation dialog against other threads, on the machine's clock:
// its ticker ticks while the dialog is in front, answers a stop at once, and
// is deleted when its answer never comes; the player's callbacks post the
// preview's positions until the preview stops. These also run under
// ThreadSanitizer.
#include <chrono>
#include <thread>

#include "host/msgq.h"
#include "host/task.h"
#include "sync_fixture.h"

namespace {

using namespace ostrel3_test;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class SyncThreadsTest : public SyncDialogTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = SyncDialogTest::makeConfig();
    c.testClock = false;
    return c;
  }
  /// Takes every waiting message off the dialog's queue.
  std::vector<ostrel3::QueueMessage> drain(MSG_Q_ID queue) {
    std::vector<ostrel3::QueueMessage> got;
    ostrel3::QueueMessage m;
    while (msgQReceive(queue, &m, sizeof m, 0) == static_cast<int32_t>(sizeof m)) got.push_back(m);
    return got;
  }
  bool tickArrives(MSG_Q_ID queue) {
    const auto end = Clock::now() + 10s;
    while (Clock::now() < end) {
      for (const auto& m : drain(queue))
        if (m.msgClass == ostrel3::kMsgTask && m.identifier == ostrel3::kTickMessageId && m.value == 8) return true;
      std::this_thread::sleep_for(2ms);
    }
    return false;
  }
};

TEST_F(SyncThreadsTest, TheTickerTicksWhileInFrontAndAnswersTheStop) {
  params.syncScrub = 1;
  ostrel3::SyncDialog dialog(params);
  ASSERT_TRUE(dialog.open());
  dialog.startPositioning(1);
  const int32_t task = dialog.tickerTask();
  ASSERT_NE(task, -1);
  ASSERT_TRUE(tickArrives(dialog.guiQueue()));
  // Slow ticks while the user holds still switch to continuous play.
  for (int i = 0; i < 8; ++i) dialog.tick(8);
  EXPECT_EQ(dialog.scrubWindow(), 5 * params.rateFps);
  EXPECT_TRUE(dialog.continuousPlay());
  for (int i = 0; i < 20; ++i) {
    dialog.tick(1);  // the picture follows the sound while the ticker runs fast
    drain(dialog.guiQueue());
    std::this_thread::sleep_for(1ms);
  }
  dialog.endPositioning(true);
  EXPECT_FALSE(host().kernel().taskExists(task));
  EXPECT_EQ(host().calls().count("taskDelete"), 0);
  EXPECT_FALSE(host().media().scrub().running());
  dialog.close();
}

TEST_F(SyncThreadsTest, ATickerWhoseAnswerIsLostIsDeletedAfterTheWait) {
  params.syncScrub = 1;
  ostrel3::SyncDialog dialog(params);
  ASSERT_TRUE(dialog.open());
  host().panels().setForeignScreen(true);  // no ticks: the next two sends are the stop and its answer
  dialog.startPositioning(1);
  ASSERT_NE(dialog.tickerTask(), -1);
  std::this_thread::sleep_for(20ms);
  drain(dialog.guiQueue());
  host().calls().failNth("msgQSend", 2);
  const auto start = Clock::now();
  dialog.stopPositioning();
  const auto waited = Clock::now() - start;
  EXPECT_GE(waited, 60 * 1000ms / sysClkRateGet() - 20ms) << "the stop waits for the answer";
  EXPECT_EQ(host().calls().count("taskDelete"), 1);
  EXPECT_EQ(dialog.tickerTask(), -1);
  EXPECT_FALSE(host().media().scrub().running());
  host().panels().setForeignScreen(false);
  // A new ticker starts clean: no stale stop waits for it.
  dialog.startPositioning(1);
  ASSERT_NE(dialog.tickerTask(), -1);
  EXPECT_TRUE(tickArrives(dialog.guiQueue()));
  dialog.stopPositioning();
  dialog.close();
}

TEST_F(SyncThreadsTest, PreviewPositionsComeFromThePlayersThreadUntilThePreviewStops) {
  params.syncIn[1] = 40;
  params.trimIn[1] = 100;
  ostrel3::SyncDialog dialog(params);
  ASSERT_TRUE(dialog.open());
  dialog.previewPlay(false);
  ASSERT_TRUE(dialog.previewing());
  int positions = 0;
  // Under the sanitizer a redraw is slow: the player's older positions are
  // dropped meanwhile, so only a few arrive.
  const auto end = Clock::now() + 5s;
  while (Clock::now() < end && positions < 3) {
    ostrel3::QueueMessage m;
    if (msgQReceive(dialog.guiQueue(), &m, sizeof m, 2) != static_cast<int32_t>(sizeof m)) continue;
    if (m.msgClass == ostrel3::kMsgPlayPosition) ++positions;
    EXPECT_FALSE(dialog.handle(m));
  }
  EXPECT_EQ(positions, 3);
  dialog.stopPreview();
  EXPECT_FALSE(host().media().player().history().initialised);
  drain(dialog.guiQueue());  // what the player posted before it stopped
  std::this_thread::sleep_for(50ms);
  for (const auto& m : drain(dialog.guiQueue())) EXPECT_NE(m.msgClass, ostrel3::kMsgPlayPosition);
  EXPECT_EQ(params.syncIn[1], 40);
  EXPECT_EQ(params.trimIn[1], 100);
  dialog.close();
}

}  // namespace
