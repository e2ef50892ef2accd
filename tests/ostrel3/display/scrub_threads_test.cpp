// The scrub task on its own thread, on the machine's clock: it ticks only
// while the operator's screen is in front and fewer than ten messages wait,
// and the envelopes are read on the operator's thread meanwhile. These also
// run under ThreadSanitizer.
#include <chrono>
#include <thread>

#include "envelope/audio_envelope.h"
#include "hostsim/gui/panels.h"
#include "scrub_fixture.h"

namespace {

using namespace ostrel3_test;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class ScrubThreadsTest : public ScrubTest {
 protected:
  ScrubThreadsTest() { testClock = false; }
  void sleepTicks(int ticks) { std::this_thread::sleep_for(ticks * 1000ms / sysClkRateGet()); }
  /// Waits until a tick waits in the event queue; every message there must be a tick.
  bool tickArrives() {
    const auto end = Clock::now() + 10s;
    while (Clock::now() < end) {
      for (const auto& m : drainEvents()) {
        EXPECT_EQ(m.msgClass, ostrel3::kMsgTask);
        EXPECT_EQ(m.identifier, ostrel3::kTickMessageId);
        EXPECT_EQ(m.value, 8);
        return true;
      }
      std::this_thread::sleep_for(2ms);
    }
    return false;
  }
};

TEST_F(ScrubThreadsTest, TicksComeOnlyWhileTheOperatorIsInFrontAndTheLoopIsNotBehind) {
  openWithTwoCameras(0);
  drainEvents();
  const int32_t task = adoptTask(ostrel3::ScrubTaskMain);
  ASSERT_TRUE(tickArrives());

  // Ten waiting messages: the task adds none.
  ASSERT_EQ(taskLock(), 0);
  drainEvents();
  const ostrel3::QueueMessage other = ostrel3::TickMessage(1);
  for (int i = 0; i < 10; ++i) ASSERT_EQ(msgQSend(op->eventQueue.get(), &other, sizeof other, 0, 0), 0);
  ASSERT_EQ(taskUnlock(), 0);
  // A tick the task had decided on before the ten came may still land; after
  // that the count stays.
  sleepTicks(20);
  const int32_t settled = msgQNumMsgs(op->eventQueue.get());
  EXPECT_GE(settled, 10);
  EXPECT_LE(settled, 11);
  sleepTicks(40);
  EXPECT_EQ(msgQNumMsgs(op->eventQueue.get()), settled) << "a tick was added to ten waiting messages";
  drainEvents();

  // Another program's screen in front: no ticks.
  host().panels().setForeignScreen(true);
  sleepTicks(20);  // a tick the task had decided on before lands now
  drainEvents();
  sleepTicks(40);
  EXPECT_TRUE(drainEvents().empty());

  host().panels().setForeignScreen(false);
  EXPECT_TRUE(tickArrives());
  op->ScrubStop();
  EXPECT_TRUE(taskEnds(task));
  EXPECT_EQ(host().calls().count("taskDelete"), 0);
}

TEST_F(ScrubThreadsTest, EnvelopesAreReadAndMeasuredOnTheOperatorsThreadWhileTheTaskTicks) {
  give(0, kClapped);
  openPanel();
  const int32_t task = adoptTask(ostrel3::ScrubTaskMain);
  ostrel3::AudioEnvelope envelope(op->cameras[0].record);
  for (int round = 0; round < 20; ++round) {
    op->position = kClapFrame - 10 + round;
    op->ScrubUpdate(false);
    std::vector<int16_t> peaks;
    ASSERT_TRUE(envelope.appendFrames(op->position - 3, op->position + 2, peaks, true));
    drainEvents();
    sleepTicks(2);
  }
  EXPECT_EQ(ostrel3::processCacheGauge().lastThread.load(), std::this_thread::get_id());
  op->ScrubStop();
  EXPECT_TRUE(taskEnds(task));
}

}  // namespace
