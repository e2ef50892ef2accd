#pragma once
// The kernel's private state, shared by its source files. Everything here is
// guarded by State::mutex unless a comment says otherwise.
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "hostsim/kernel/clock.h"
#include "hostsim/kernel/kernel.h"

namespace hostsim {

struct KernelQueue {
  int32_t capacity = 0;   ///< messages sent with normal priority
  int32_t maxLength = 0;  ///< bytes per message
  bool listed = false;    ///< made through msgQCreate: reported until deleted
  bool deleted = false;   ///< set when deleted; waiters holding it wake and fail
  std::deque<std::vector<uint8_t>> messages;
};

struct KernelTask {
  int32_t id = 0;
  std::string name;
  std::thread thread;           ///< stored by spawn, joined by whoever reaps it
  std::thread::id threadId;
  const void* kernel = nullptr; ///< the State that spawned it
  /// Set under the mutex; read without it by the task's own host calls,
  /// which are refused from then on.
  std::atomic<bool> deleted{false};
  bool finished = false;        ///< the entry has returned; the thread is ending

  /// How the task's thread and the host's end agree on who still touches
  /// the kernel: the thread, once its entry returns, marks itself exiting
  /// unless the end gave up waiting for it and marked it abandoned; an
  /// abandoned thread leaves without touching the kernel, which may be gone.
  std::mutex exitMutex;
  bool exiting = false;    ///< guarded by exitMutex
  bool abandoned = false;  ///< guarded by exitMutex
};

/// A thread asleep in a kernel wait, as other threads see it.
struct Sleeper {
  std::optional<Nanos> deadline;  ///< when its wait runs out by itself
  /// True when its wait would end now (a message came, the section is free,
  /// it was deleted ...). Lives in the sleeper's frame while it sleeps.
  const std::function<bool()>* wouldWake = nullptr;
};

/// How a wait of the kernel ended.
enum class WaitOutcome {
  Proceed,      ///< the condition holds and the caller may touch the queue
  Unavailable,  ///< time-out 0 and the condition did not hold
  TimedOut,     ///< the deadline passed
  Deleted,      ///< the calling task was deleted, or the kernel shut down
};

struct Kernel::State {
  explicit State(Host& owner, bool testClock) : host(owner), clock(testClock) {}

  Host& host;
  std::mutex mutex;
  /// Broadcast on every change a waiter may care about: messages added or
  /// taken, a queue deleted, the section released, a task deleted or ended,
  /// the test clock moved.
  std::condition_variable changed;
  /// Broadcast when a thread falls asleep or a task ends while someone waits
  /// for the tasks to settle, and as the kernel shuts down.
  std::condition_variable settledChanged;
  HostClock clock;  ///< its own synchronisation; moved under the mutex

  std::map<uint32_t, std::shared_ptr<KernelQueue>> queues;
  uint64_t nextQueueId = 1;

  std::map<int32_t, std::shared_ptr<KernelTask>> tasks;  ///< running and not deleted
  std::vector<std::shared_ptr<KernelTask>> threads;      ///< not joined yet
  std::vector<TaskRecord> taskHistory;                   ///< every task started, by id - 1
  int64_t nextTaskId = 1;
  bool shutDown = false;

  std::map<std::thread::id, Sleeper> sleepers;  ///< threads inside a condition wait
  int32_t settleWatchers = 0;                   ///< threads waiting for the tasks to settle

  /// How long (machine time) the host's end waits for a task to end.
  std::chrono::milliseconds endLimit = Kernel::kEndLimit;

  std::thread::id sectionOwner;  ///< default id: nobody holds the section
  int32_t sectionDepth = 0;

  /// The host time at which the tick counter has advanced `ticks` beyond its value now.
  Nanos tickDeadline(int32_t ticks) const;

  /// The calling thread's task if it is a task of this kernel, else null.
  KernelTask* self() const;
  bool selfDeleted() const;
  /// The start record of a task, null for an id never handed out.
  TaskRecord* recordOf(int32_t taskId);
  /// Notes in its record that a task was deleted.
  void markDeleted(int32_t taskId);
  std::shared_ptr<KernelQueue> findQueue(uint32_t id) const;

  /// One sleep on `changed`, until notified or (when given) the deadline,
  /// announced to other threads with what would end it.
  void sleep(std::unique_lock<std::mutex>& lock, std::optional<Nanos> deadline, const std::function<bool()>& wouldWake);

  /// Waits until `ready` holds, within the deadline (nullopt: no limit;
  /// `noWait`: not at all), honouring the critical section (see kernel.h):
  /// with `needsSection` it first waits until no other thread holds the
  /// section. A holder that must block releases the section for the wait
  /// and takes it back before returning.
  WaitOutcome wait(std::unique_lock<std::mutex>& lock, std::optional<Nanos> deadline, bool noWait, bool needsSection,
                   const std::function<bool()>& ready);
  /// The same with a time-out in ticks (0: no wait, -1: no limit).
  WaitOutcome waitTicks(std::unique_lock<std::mutex>& lock, int32_t timeoutTicks, bool needsSection,
                        const std::function<bool()>& ready);
  /// Waits, without limit, until the caller may touch queues.
  WaitOutcome enterQueues(std::unique_lock<std::mutex>& lock);

  /// True when every task is asleep in a wait that would not end now.
  bool tasksSettled() const;
  /// The earliest deadline of a sleeping task's wait.
  std::optional<Nanos> nextTaskDeadline() const;
  /// Waits (machine time, at most `limit`) until tasksSettled().
  bool settle(std::unique_lock<std::mutex>& lock, std::chrono::milliseconds limit);

  /// Frees the section if `thread` holds it; true when it did.
  bool releaseSectionOf(std::thread::id thread);

  /// The body of every task thread.
  static void runTask(State& state, std::shared_ptr<KernelTask> task, TASK_ENTRY entry,
                      std::array<TASK_ARG, 10> args);
  /// Bookkeeping when a task's entry has returned.
  void finishTask(KernelTask& task);
  /// Joins the threads of tasks that have ended.
  void reapFinished();
  /// At the host's end: joins a task's thread once its entry has returned,
  /// or, when it has not within `endLimit`, leaves the thread behind
  /// (detached, never to touch the kernel again) with a log line.
  void endThread(KernelTask& task);
};

/// Sets the calling thread's error code and returns `result`.
template <typename R>
R failWith(int32_t code, R result) {
  Kernel::setError(code);
  return result;
}

}  // namespace hostsim
