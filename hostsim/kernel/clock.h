#pragma once
// The host's time. Normally it is the machine's steady clock. Under a test
// clock it stands still until something moves it on (see Kernel: a test,
// or a thread that is not a host task waiting with a time-out once every
// task has done what it can), so a test decides when each frame of the
// player and each time-out comes, whatever the machine's speed.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

namespace hostsim {

using Nanos = std::chrono::nanoseconds;

class HostClock {
 public:
  static constexpr int32_t kTicksPerSecond = 60;

  explicit HostClock(bool testClock);
  HostClock(const HostClock&) = delete;
  HostClock& operator=(const HostClock&) = delete;

  bool testClock() const { return test_; }
  /// Host time since the host started.
  Nanos now() const;
  /// Ticks since the host started (not truncated to 32 bits).
  uint64_t ticks() const;
  /// The host time at which the tick counter reaches `tick`.
  static Nanos timeOfTick(uint64_t tick);

  /// Test clock only: moves the time on to `to` (never back). False under
  /// the machine's clock. The caller wakes whoever waits for the time.
  bool advanceTo(Nanos to);

  /// Sleeps on `cv`, whose mutex `lock` holds, until notified or until the
  /// host time reaches `deadline` (nullopt: no limit). May wake early. A
  /// test clock only moves with a notification, so it is not watched.
  void sleep(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, std::optional<Nanos> deadline) const;

 private:
  const bool test_;
  const std::chrono::steady_clock::time_point epoch_;
  std::atomic<int64_t> testNanos_{0};
};

}  // namespace hostsim
