// Tasks: spawning, names, deletion of waiting tasks, delays, ticks and the
// end of the host with tasks still running.
#include <atomic>
#include <stdexcept>

#include "kernel_test_support.h"

namespace ostrel3_test {
namespace {

using TaskTest = KernelTest;

std::atomic<TASK_ARG> argumentSum{0};
std::atomic<int32_t> entriesRun{0};

int32_t sumArguments(TASK_ARG a1, TASK_ARG a2, TASK_ARG a3, TASK_ARG a4, TASK_ARG a5, TASK_ARG a6, TASK_ARG a7,
                     TASK_ARG a8, TASK_ARG a9, TASK_ARG a10) {
  // Weighted so that a swapped pair of arguments shows.
  argumentSum = a1 + 2 * a2 + 3 * a3 + 4 * a4 + 5 * a5 + 6 * a6 + 7 * a7 + 8 * a8 + 9 * a9 + 10 * a10;
  ++entriesRun;
  return 0;
}

TEST_F(TaskTest, ATaskRunsItsEntryWithAllTenArgumentsAndIsGoneWhenItReturns) {
  entriesRun = 0;
  const int32_t id = taskSpawn("adder", 201, 8, 0x20000, &sumArguments, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
  ASSERT_GT(id, 0);
  ASSERT_TRUE(eventually([] { return entriesRun == 1; }));
  EXPECT_EQ(385, argumentSum.load());
  ASSERT_TRUE(eventually([&] { return !kernel().taskExists(id); }));
  EXPECT_EQ(-1, taskDelete(id));
  EXPECT_EQ(HOST_ERR_INVALID, errnoGet());
}

TEST_F(TaskTest, SpawningWithoutAnEntryFails) {
  EXPECT_EQ(-1, taskSpawn("nothing", 201, 8, 0x20000, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(HOST_ERR_INVALID, errnoGet());
  host().calls().failNth("taskSpawn", 1);
  EXPECT_EQ(-1, taskSpawn("refused", 201, 8, 0x20000, &sumArguments, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(kernel().runningTasks().empty());
}

TEST_F(TaskTest, RunningTasksAreListedByNameOnlyWhileTheyRun) {
  std::atomic<bool> release{false};
  const int32_t a = spawnClosure("os3ScrubTask", [&] { eventually([&] { return release.load(); }); });
  const int32_t b = spawnClosure("BrainSmasher", [&] { eventually([&] { return release.load(); }); });
  ASSERT_GT(a, 0);
  ASSERT_GT(b, a);
  EXPECT_EQ((std::vector<std::string>{"os3ScrubTask", "BrainSmasher"}), kernel().runningTasks());
  release = true;
  EXPECT_TRUE(eventually([&] { return kernel().runningTasks().empty(); }));
  const int32_t c = spawnClosure("later", [] {});
  EXPECT_GT(c, b) << "task ids are not reused";
}

TEST_F(TaskTest, DeletingATaskBlockedInAReceiveWakesItWithDeleted) {
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  std::atomic<int32_t> waitResult{1}, waitError{0}, sendAfterDelete{1}, sendError{0};
  const int32_t id = spawnClosure("blocked", [&] {
    HOST_MESSAGE m{};
    waitResult = msgQReceive(q, &m, sizeof m, HOST_WAIT_FOREVER);
    waitError = errnoGet();
    // A deleted task cannot touch a queue again, not even without waiting.
    sendAfterDelete = msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0);
    sendError = errnoGet();
  });
  ASSERT_TRUE(sleepersReach(1));
  EXPECT_EQ(0, taskDelete(id));
  EXPECT_TRUE(kernel().runningTasks().empty()) << "a deleted task is gone at once";
  ASSERT_TRUE(eventually([&] { return sendAfterDelete != 1; }));
  EXPECT_EQ(-1, waitResult.load());
  EXPECT_EQ(HOST_ERR_DELETED, waitError.load());
  EXPECT_EQ(-1, sendAfterDelete.load());
  EXPECT_EQ(HOST_ERR_DELETED, sendError.load());
  EXPECT_EQ(0, msgQNumMsgs(q));
  msgQDelete(q);
}

TEST_F(TaskTest, DeletingADelayedTaskEndsItsDelayAtOnce) {
  std::atomic<int32_t> delayResult{1};
  const int32_t id = spawnClosure("sleeper", [&] { delayResult = taskDelay(60 * 60); });
  ASSERT_TRUE(sleepersReach(1));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(0, taskDelete(id));
  ASSERT_TRUE(eventually([&] { return delayResult != 1; }));
  EXPECT_EQ(-1, delayResult.load());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST_F(TaskTest, DelaysAndTicksAdvanceAtSixtyPerSecond) {
  EXPECT_EQ(60, sysClkRateGet());
  EXPECT_EQ(0, taskDelay(0));
  EXPECT_EQ(-1, taskDelay(-1));
  EXPECT_EQ(HOST_ERR_INVALID, errnoGet());
  const uint32_t before = tickGet();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(0, taskDelay(12));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(tickGet() - before, 12u);
  EXPECT_GE(elapsed, std::chrono::milliseconds(11 * 1000 / 60));
  // The counter follows real time: twelve ticks are about a fifth of a second.
  EXPECT_LT(elapsed, std::chrono::seconds(20));
}

TEST_F(TaskTest, ShutdownEndsWaitingTasksAndJoinsThem) {
  MSG_Q_ID q = msgQCreate(1, 44, 0);
  std::atomic<int32_t> left{0};
  std::atomic<int32_t> started{0};
  spawnClosure("receiving", [&] {
    HOST_MESSAGE m{};
    ++started;
    while (msgQReceive(q, &m, sizeof m, HOST_WAIT_FOREVER) != -1) {
    }
    ++left;
  });
  spawnClosure("delaying", [&] {
    ++started;
    while (taskDelay(10) == 0) {
    }
    ++left;
  });
  ASSERT_TRUE(eventually([&] { return started == 2; }));
  kernel().shutdown();
  EXPECT_EQ(2, left.load()) << "shutdown returns only after every task thread ended";
  EXPECT_TRUE(kernel().runningTasks().empty());
  kernel().shutdown();  // a second call finds nothing to do
  EXPECT_EQ(-1, spawnClosure("too late", [] {}));
  msgQDelete(q);
}

TEST_F(TaskTest, DestroyingTheHostStopsTasksStillRunning) {
  MSG_Q_ID q = msgQCreate(1, 44, 0);
  std::atomic<bool> left{false}, started{false};
  spawnClosure("stubborn", [&] {
    HOST_MESSAGE m{};
    started = true;
    while (msgQReceive(q, &m, sizeof m, 8) == -1 && errnoGet() == HOST_ERR_TIMEOUT) {
    }
    left = true;
  });
  ASSERT_TRUE(eventually([&] { return started.load(); }));
  endHost();
  EXPECT_TRUE(left.load());
}

TEST_F(TaskTest, AnEntryThatThrowsIsLoggedAndEndsItsTask) {
  spawnClosure("thrower", [] { throw std::runtime_error("boom"); });
  ASSERT_TRUE(eventually([&] { return kernel().runningTasks().empty(); }));
  bool logged = false;
  for (const auto& line : host().log().lines()) logged = logged || line.text.find("thrower") != std::string::npos;
  EXPECT_TRUE(logged);
}

}  // namespace
}  // namespace ostrel3_test
