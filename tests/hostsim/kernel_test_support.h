#pragma once
// Helpers for the kernel's tests: closures run as host tasks, bounded polling
// and the 44-byte message record the operator's queues carry.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <thread>

#include "host/host_types.h"
#include "host/msgq.h"
#include "host/task.h"
#include "hostsim/kernel/kernel.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

/// Polls `condition` until it holds or a generous limit passes; true when it held.
inline bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

/// Sleeps for some ticks without a host call (a holder of the critical
/// section keeps it, where taskDelay would give it up for the sleep).
inline void sleepTicks(int32_t ticks) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ticks * 1000 / hostsim::Kernel::kTicksPerSecond));
}

inline HOST_MESSAGE message(uint16_t msgClass, int32_t id = 0, int32_t value = 0) {
  HOST_MESSAGE m{};
  m.msgClass = msgClass;
  m.id = id;
  m.value = value;
  return m;
}

/// A fresh host per test; tasks started with spawnClosure run a closure the
/// fixture keeps alive until every task has been joined.
class KernelTest : public HostTest {
 protected:
  void TearDown() override {
    if (!hostGone_) host().kernel().shutdown();
    HostTest::TearDown();
  }

  /// Destroys the host while the test still runs.
  void endHost() {
    hostGone_ = true;
    resetHost();
  }

  hostsim::Kernel& kernel() { return host().kernel(); }

  /// True once exactly `n` threads are asleep in kernel waits.
  bool sleepersReach(int32_t n) {
    return eventually([&] { return kernel().sleepingThreads() == n; });
  }

  int32_t spawnClosure(const char* name, std::function<void()> body) {
    closures_.push_back(std::move(body));
    return taskSpawn(name, 201, 8, 0x20000, &runClosure, reinterpret_cast<TASK_ARG>(&closures_.back()), 0, 0, 0, 0, 0,
                     0, 0, 0, 0);
  }

  /// Sends a message of class `msgClass` and id `id`; fails the test if refused.
  void post(MSG_Q_ID queue, uint16_t msgClass, int32_t id = 0, int32_t priority = HOST_MSG_PRI_NORMAL) {
    HOST_MESSAGE m = message(msgClass, id);
    ASSERT_EQ(0, msgQSend(queue, &m, sizeof m, HOST_NO_WAIT, priority));
  }

  /// msgQNumMsgs as another task sees it; kNoAnswer when that task could
  /// not get through within the polling limit (it is freed at TearDown).
  static constexpr int32_t kNoAnswer = -100;
  int32_t countFromAnotherTask(MSG_Q_ID queue) {
    auto answer = std::make_shared<std::atomic<int32_t>>(kNoAnswer);
    spawnClosure("probe", [queue, answer] { *answer = msgQNumMsgs(queue); });
    eventually([&] { return *answer != kNoAnswer; });
    return *answer;
  }

  /// Receives without waiting and returns the message's id (-1 when none came).
  int32_t takeId(MSG_Q_ID queue) {
    HOST_MESSAGE m{};
    return msgQReceive(queue, &m, sizeof m, HOST_NO_WAIT) == int32_t(sizeof m) ? m.id : -1;
  }

 private:
  static int32_t runClosure(TASK_ARG closure, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                            TASK_ARG, TASK_ARG) {
    (*reinterpret_cast<std::function<void()>*>(closure))();
    return 0;
  }

  std::deque<std::function<void()>> closures_;
  bool hostGone_ = false;
};

}  // namespace ostrel3_test
