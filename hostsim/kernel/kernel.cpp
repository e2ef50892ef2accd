// Kernel life cycle, the clock, per-thread error codes and the global
// critical section with the one wait every blocking operation goes through.
#include <climits>

#include "hostsim/core/host.h"
#include "hostsim/kernel/kernel_state.h"

namespace hostsim {

namespace {
thread_local int32_t threadError = 0;
}  // namespace

Kernel::Kernel(Host& host) : host_(host), state_(new State(host, host.config().testClock)) {}

Kernel::~Kernel() {
  shutdown();
  {
    // Threads that were asleep in a wait are on their way out of it: the
    // state they hold must outlive them.
    std::unique_lock guard(state_->mutex);
    state_->settledChanged.wait(guard, [&] { return state_->sleepers.empty() && state_->settleWatchers == 0; });
  }
  delete state_;
}

int32_t Kernel::error() { return threadError; }
void Kernel::setError(int32_t code) { threadError = code; }

uint32_t Kernel::ticks() const { return static_cast<uint32_t>(state_->clock.ticks()); }

const HostClock& Kernel::clock() const { return state_->clock; }

bool Kernel::advanceClock(Nanos to) {
  std::lock_guard guard(state_->mutex);
  if (!state_->clock.advanceTo(to)) return false;
  state_->changed.notify_all();
  return true;
}

Nanos Kernel::State::tickDeadline(int32_t ticks) const {
  return HostClock::timeOfTick(clock.ticks() + static_cast<uint64_t>(ticks));
}

WaitOutcome Kernel::State::waitTicks(std::unique_lock<std::mutex>& lock, int32_t timeoutTicks, bool needsSection,
                                     const std::function<bool()>& ready) {
  const std::optional<Nanos> deadline = timeoutTicks > 0 ? std::optional(tickDeadline(timeoutTicks)) : std::nullopt;
  return wait(lock, deadline, timeoutTicks == 0, needsSection, ready);
}

WaitOutcome Kernel::State::wait(std::unique_lock<std::mutex>& lock, std::optional<Nanos> deadline, bool noWait,
                                bool needsSection, const std::function<bool()>& ready) {
  const auto me = std::this_thread::get_id();
  KernelTask* const task = self();
  // Under a test clock only a thread that is not a task can move the time:
  // the tasks wait for it.
  const bool movesClock = clock.testClock() && !task;
  bool settleFailed = false;
  int32_t releasedDepth = 0;  // the section depth this thread gave up to sleep
  // A deleted task leaves at once; after the shutdown nobody sleeps here any more.
  const auto gone = [&] { return task && task->deleted; };
  const auto sectionOpen = [&] { return sectionOwner == std::thread::id() || sectionOwner == me; };
  const auto blockedBySection = [&] { return (needsSection || releasedDepth > 0) && !sectionOpen(); };
  const auto expired = [&] { return noWait || (deadline && clock.now() >= *deadline); };
  // What other threads ask of a sleeper; made only when this thread sleeps,
  // so that the many waits that never do stay cheap.
  std::optional<std::function<bool()>> wouldWake;
  const auto sleepUntil = [&](std::optional<Nanos> until) {
    if (!wouldWake)
      wouldWake.emplace([&] { return shutDown || gone() || (!blockedBySection() && (ready() || expired())); });
    sleep(lock, until, *wouldWake);
  };
  for (;;) {
    // A deleted task does not take its section back: it is on its way out.
    if (gone()) return WaitOutcome::Deleted;
    if (blockedBySection()) {
      if (shutDown) return WaitOutcome::Deleted;
      sleepUntil(std::nullopt);
      continue;
    }
    const bool isReady = ready();
    if (isReady || expired()) {
      if (releasedDepth > 0) {
        sectionOwner = me;
        sectionDepth = releasedDepth;
      }
      if (isReady) return WaitOutcome::Proceed;
      return noWait ? WaitOutcome::Unavailable : WaitOutcome::TimedOut;
    }
    if (shutDown) return WaitOutcome::Deleted;
    if (sectionOwner == me) {
      // Sleeping inside the section would stall every other thread's queue
      // work, including the work this thread is waiting for.
      releasedDepth = sectionDepth;
      sectionOwner = std::thread::id();
      sectionDepth = 0;
      changed.notify_all();
    }
    if (movesClock) {
      // First everything the tasks can do now, then on to the next moment
      // something happens: its own deadline or a task's.
      if (!settleFailed && !tasksSettled()) {
        settleFailed = !settle(lock, kSettleLimit);
        if (settleFailed) host.log().host(4, "test clock: the tasks did not settle; the time moves on regardless");
        continue;
      }
      std::optional<Nanos> to = nextTaskDeadline();
      if (deadline && (!to || *deadline < *to)) to = deadline;
      if (to) {
        clock.advanceTo(*to);
        changed.notify_all();
        continue;
      }
    }
    sleepUntil(deadline);
  }
}

void Kernel::State::sleep(std::unique_lock<std::mutex>& lock, std::optional<Nanos> deadline,
                          const std::function<bool()>& wouldWake) {
  const auto me = std::this_thread::get_id();
  sleepers[me] = Sleeper{deadline, &wouldWake};
  if (settleWatchers > 0) settledChanged.notify_all();
  clock.sleep(lock, changed, deadline);
  sleepers.erase(me);
  if (shutDown && sleepers.empty()) settledChanged.notify_all();
}

bool Kernel::State::tasksSettled() const {
  const Nanos now = clock.now();
  for (const auto& task : threads) {
    if (task->finished) continue;
    const auto it = sleepers.find(task->threadId);
    if (it == sleepers.end()) return false;  // it is running
    const Sleeper& s = it->second;
    if ((s.deadline && *s.deadline <= now) || (s.wouldWake && (*s.wouldWake)())) return false;
  }
  return true;
}

std::optional<Nanos> Kernel::State::nextTaskDeadline() const {
  std::optional<Nanos> earliest;
  for (const auto& task : threads) {
    if (task->finished) continue;
    const auto it = sleepers.find(task->threadId);
    if (it == sleepers.end() || !it->second.deadline) continue;
    if (!earliest || *it->second.deadline < *earliest) earliest = it->second.deadline;
  }
  return earliest;
}

bool Kernel::State::settle(std::unique_lock<std::mutex>& lock, std::chrono::milliseconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  ++settleWatchers;
  bool settled = tasksSettled();
  while (!settled && !shutDown) {
    const bool timedOut = settledChanged.wait_until(lock, until) == std::cv_status::timeout;
    settled = tasksSettled();
    if (timedOut) break;
  }
  --settleWatchers;
  if (shutDown) settledChanged.notify_all();
  return settled;
}

bool Kernel::settleTasks(std::chrono::milliseconds limit) {
  std::unique_lock guard(state_->mutex);
  return state_->settle(guard, limit);
}

std::optional<Nanos> Kernel::nextTaskDeadline() const {
  std::lock_guard guard(state_->mutex);
  return state_->nextTaskDeadline();
}

int32_t Kernel::sleepUntil(std::optional<Nanos> deadline, const std::function<bool()>& wake) {
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  const WaitOutcome outcome = s.wait(guard, deadline, false, false, wake);
  return outcome == WaitOutcome::Deleted ? failWith(HOST_ERR_DELETED, -1) : 0;
}

void Kernel::wakeAll() {
  std::lock_guard guard(state_->mutex);
  state_->changed.notify_all();
}

int32_t Kernel::sleepingThreads() const {
  std::lock_guard guard(state_->mutex);
  return static_cast<int32_t>(state_->sleepers.size());
}

WaitOutcome Kernel::State::enterQueues(std::unique_lock<std::mutex>& lock) {
  return wait(lock, std::nullopt, false, true, [] { return true; });
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
  KernelTask* const task = s.self();
  const auto gone = [&] { return task && task->deleted; };
  if (gone()) return failWith(HOST_ERR_DELETED, -1);
  if (s.sectionOwner == me) {
    if (s.sectionDepth == INT32_MAX) return failWith(HOST_ERR_INVALID, -1);
    ++s.sectionDepth;
    return 0;
  }
  if (s.sectionOwner != std::thread::id()) {
    const std::function<bool()> wouldWake = [&] { return s.shutDown || gone() || s.sectionOwner == std::thread::id(); };
    while (s.sectionOwner != std::thread::id() && !gone()) {
      if (s.shutDown) return failWith(HOST_ERR_DELETED, -1);
      s.sleep(guard, std::nullopt, wouldWake);
    }
  }
  if (gone()) return failWith(HOST_ERR_DELETED, -1);
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
