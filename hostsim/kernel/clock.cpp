#include "hostsim/kernel/clock.h"

namespace hostsim {

namespace {
constexpr int64_t kNanosPerSecond = 1'000'000'000;
}  // namespace

HostClock::HostClock(bool testClock) : test_(testClock), epoch_(std::chrono::steady_clock::now()) {}

Nanos HostClock::now() const {
  if (test_) return Nanos(testNanos_.load(std::memory_order_acquire));
  return std::chrono::duration_cast<Nanos>(std::chrono::steady_clock::now() - epoch_);
}

uint64_t HostClock::ticks() const {
  return static_cast<uint64_t>(now().count()) * kTicksPerSecond / kNanosPerSecond;
}

Nanos HostClock::timeOfTick(uint64_t tick) {
  // Rounded up, so that the tick counter reads `tick` at that moment.
  return Nanos(static_cast<int64_t>((tick * kNanosPerSecond + kTicksPerSecond - 1) / kTicksPerSecond));
}

bool HostClock::advanceTo(Nanos to) {
  if (!test_) return false;
  int64_t seen = testNanos_.load(std::memory_order_acquire);
  while (seen < to.count() && !testNanos_.compare_exchange_weak(seen, to.count(), std::memory_order_acq_rel)) {
  }
  return true;
}

void HostClock::sleep(std::unique_lock<std::mutex>& lock, std::condition_variable& cv,
                      std::optional<Nanos> deadline) const {
  if (!deadline || test_) {
    cv.wait(lock);
    return;
  }
  cv.wait_until(lock, epoch_ + *deadline);
}

}  // namespace hostsim
