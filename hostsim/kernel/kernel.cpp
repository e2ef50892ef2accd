// Kernel life cycle, the tick counter, per-thread error codes and the global
// critical section with the one wait every blocking operation goes through.
#include <climits>

#include "hostsim/kernel/kernel_state.h"

namespace hostsim {

namespace {
thread_local int32_t threadError = 0;
constexpr int64_t kNanosPerSecond = 1'000'000'000;
}  // namespace

Kernel::Kernel(Host& host) : host_(host), state_(new State(host)) {}

Kernel::~Kernel() {
  shutdown();
  delete state_;
}

int32_t Kernel::error() { return threadError; }
void Kernel::setError(int32_t code) { threadError = code; }

uint32_t Kernel::ticks() const { return static_cast<uint32_t>(state_->ticksNow()); }

uint64_t Kernel::State::ticksNow() const {
  const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - epoch).count();
  return static_cast<uint64_t>(elapsed) * kTicksPerSecond / kNanosPerSecond;
}

Kernel::State::Clock::time_point Kernel::State::tickDeadline(int32_t ticks) const {
  // Aligned to tick boundaries, so that a wait of n ticks ends exactly when
  // tickGet has advanced by n, however far into the current tick it began.
  const uint64_t target = ticksNow() + static_cast<uint64_t>(ticks);
  const uint64_t nanos = (target * kNanosPerSecond + kTicksPerSecond - 1) / kTicksPerSecond;
  return epoch + std::chrono::nanoseconds(nanos);
}

WaitOutcome Kernel::State::wait(std::unique_lock<std::mutex>& lock, int32_t timeoutTicks, bool needsSection,
                                const std::function<bool()>& ready) {
  const auto me = std::this_thread::get_id();
  const bool forever = timeoutTicks < 0;
  const auto deadline = forever ? Clock::time_point::max() : tickDeadline(timeoutTicks);
  int32_t releasedDepth = 0;  // the section depth this thread gave up to sleep
  for (;;) {
    // A deleted task does not take its section back: it is on its way out.
    if (selfDeleted()) return WaitOutcome::Deleted;
    const bool sectionOpen = sectionOwner == std::thread::id() || sectionOwner == me;
    if ((needsSection || releasedDepth > 0) && !sectionOpen) {
      sleep(lock);
      continue;
    }
    const bool isReady = ready();
    const bool expired = timeoutTicks == 0 || (!forever && Clock::now() >= deadline);
    if (isReady || expired) {
      if (releasedDepth > 0) {
        sectionOwner = me;
        sectionDepth = releasedDepth;
      }
      if (isReady) return WaitOutcome::Proceed;
      return timeoutTicks == 0 ? WaitOutcome::Unavailable : WaitOutcome::TimedOut;
    }
    if (sectionOwner == me) {
      // Sleeping inside the section would stall every other thread's queue
      // work, including the work this thread is waiting for.
      releasedDepth = sectionDepth;
      sectionOwner = std::thread::id();
      sectionDepth = 0;
      changed.notify_all();
    }
    sleep(lock, forever ? nullptr : &deadline);
  }
}

void Kernel::State::sleep(std::unique_lock<std::mutex>& lock, const Clock::time_point* deadline) {
  ++sleeping;
  if (deadline)
    changed.wait_until(lock, *deadline);
  else
    changed.wait(lock);
  --sleeping;
}

int32_t Kernel::sleepingThreads() const {
  std::lock_guard guard(state_->mutex);
  return state_->sleeping;
}

WaitOutcome Kernel::State::enterQueues(std::unique_lock<std::mutex>& lock) {
  return wait(lock, HOST_WAIT_FOREVER, true, [] { return true; });
}

bool Kernel::State::releaseSectionOf(std::thread::id thread) {
  if (sectionDepth == 0 || sectionOwner != thread) return false;
  sectionOwner = std::thread::id();
  sectionDepth = 0;
  changed.notify_all();
  return true;
}

int32_t Kernel::lock() {
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  const auto me = std::this_thread::get_id();
  if (s.selfDeleted()) return failWith(HOST_ERR_DELETED, -1);
  if (s.sectionOwner == me) {
    if (s.sectionDepth == INT32_MAX) return failWith(HOST_ERR_INVALID, -1);
    ++s.sectionDepth;
    return 0;
  }
  while (s.sectionOwner != std::thread::id() && !s.selfDeleted()) s.sleep(guard);
  if (s.selfDeleted()) return failWith(HOST_ERR_DELETED, -1);
  s.sectionOwner = me;
  s.sectionDepth = 1;
  return 0;
}

int32_t Kernel::unlock() {
  State& s = *state_;
  std::lock_guard guard(s.mutex);
  if (s.sectionDepth == 0 || s.sectionOwner != std::this_thread::get_id()) return failWith(HOST_ERR_INVALID, -1);
  if (--s.sectionDepth == 0) {
    s.sectionOwner = std::thread::id();
    s.changed.notify_all();
  }
  return 0;
}

std::vector<std::string> Kernel::liveHandles() const {
  std::lock_guard guard(state_->mutex);
  std::vector<std::string> out;
  for (const auto& [id, queue] : state_->queues)
    if (queue->listed) out.push_back("queue " + std::to_string(id));
  return out;
}

}  // namespace hostsim
