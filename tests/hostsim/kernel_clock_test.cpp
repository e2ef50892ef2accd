// The test clock: time that moves only when moved, tasks that settle before
// it does, and a calling thread whose waits move it. Also joining a task.
#include <atomic>

#include "kernel_test_support.h"

namespace ostrel3_test {
namespace {

class ClockTest : public KernelTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = KernelTest::makeConfig();
    c.testClock = true;
    return c;
  }
};

TEST_F(ClockTest, TimeStandsStillUntilMoved) {
  EXPECT_EQ(tickGet(), 0u);
  sleepTicks(6);
  EXPECT_EQ(tickGet(), 0u) << "the machine's time does not count";
  EXPECT_TRUE(kernel().advanceClock(hostsim::HostClock::timeOfTick(90)));
  EXPECT_EQ(tickGet(), 90u);
  EXPECT_TRUE(kernel().advanceClock(hostsim::Nanos(0)));
  EXPECT_EQ(tickGet(), 90u) << "never back";
}

TEST_F(ClockTest, ATaskWaitsForTheTimeAndTheCallersWaitMovesIt) {
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  spawnClosure("ticker", [q] {
    for (int32_t i = 1; i <= 3; ++i) {
      if (taskDelay(5) != 0) return;
      HOST_MESSAGE m = message(5, i);
      msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0);
    }
  });
  // Each wait lets the time run on to the ticker's next delay end, not to
  // its own deadline: every message comes exactly when the ticker sent it.
  for (int32_t i = 1; i <= 3; ++i) {
    HOST_MESSAGE m{};
    ASSERT_EQ(msgQReceive(q, &m, sizeof m, 100), int32_t(sizeof m));
    EXPECT_EQ(m.id, i);
    EXPECT_EQ(tickGet(), uint32_t(5 * i));
  }
  HOST_MESSAGE m{};
  EXPECT_EQ(msgQReceive(q, &m, sizeof m, 20), -1);
  EXPECT_EQ(errnoGet(), HOST_ERR_TIMEOUT);
  EXPECT_EQ(tickGet(), 35u) << "a time-out with nothing else to wait for moves the time to its deadline";
  EXPECT_EQ(taskDelay(25), 0);
  EXPECT_EQ(tickGet(), 60u);
  msgQDelete(q);
}

TEST_F(ClockTest, SettlingWaitsUntilEveryTaskSleeps) {
  std::atomic<int> done{0};
  std::atomic<bool> go{false};
  spawnClosure("worker", [&] {
    while (!go) std::this_thread::yield();
    sleepTicks(3);  // busy without a host call: not settled
    ++done;
    taskDelay(60);
  });
  go = true;
  EXPECT_TRUE(kernel().settleTasks());
  EXPECT_EQ(done.load(), 1);
  EXPECT_EQ(kernel().nextTaskDeadline(), hostsim::HostClock::timeOfTick(60));
}

TEST_F(KernelTest, JoiningATaskWaitsForItsEndAndGivesUpTheSectionMeanwhile) {
  std::atomic<bool> release{false}, locked{false};
  const int32_t id = spawnClosure("locker", [&] {
    while (!release) std::this_thread::yield();
    // It needs the section the joining thread holds.
    locked = taskLock() == 0;
    taskUnlock();
  });
  ASSERT_EQ(taskLock(), 0);
  release = true;
  EXPECT_EQ(kernel().joinTask(id), 0);
  EXPECT_TRUE(locked.load());
  EXPECT_EQ(taskUnlock(), 0) << "the section is the caller's again";
  EXPECT_EQ(kernel().joinTask(id), -1) << "joined already";
}

TEST_F(KernelTest, ATaskCannotJoinItself) {
  std::atomic<int32_t> result{1};
  std::atomic<int32_t> self{0};
  self = spawnClosure("self", [&] {
    while (self == 0) std::this_thread::yield();
    result = kernel().joinTask(self);
  });
  ASSERT_TRUE(eventually([&] { return result != 1; }));
  EXPECT_EQ(result.load(), -1);
  EXPECT_EQ(kernel().joinTask(0x7777), -1);
}

}  // namespace
}  // namespace ostrel3_test
