#pragma once
// Queues, tasks, ticks and the global critical section of the stand-in host.
//
// All queue operations of all threads serialise on one kernel mutex. The
// critical section of taskLock/taskUnlock is an owner (thread) and a depth
// kept under that mutex: while one thread holds it, every other thread's
// queue operation waits before it touches a queue, so a queue can be taken
// apart and rebuilt by the holder without anyone else seeing it half done.
//
// Rules every caller can rely on:
// - Time-outs are ticks: 0 = no wait, -1 = no limit, n > 0 = until the tick
//   counter has advanced by n. Other negative values are refused.
// - Time spent waiting for another thread's critical section is not a queue
//   wait: an operation first waits (without limit) until the section is free,
//   then applies its own time-out.
// - A holder of the section that has to block (a receive on an empty queue,
//   a send to a full one, a delay) gives the section up while it sleeps and
//   takes it back, at the same depth, before it returns.
// - A deleted task's queue operations, delays and taskLock fail at once with
//   HOST_ERR_DELETED; a section it held is released. Its other host calls
//   are refused too, as failed calls (see callerTaskDeleted in shim.h): only
//   errnoGet still answers, so that it can learn why its wait failed.
// - Once the kernel shuts down nobody sleeps in it any more: a wait of any
//   thread (task or not) that would have to sleep ends with HOST_ERR_DELETED,
//   and the kernel's state outlives the threads woken that way.
// - A queue keeps room beyond its capacity for urgent messages: a message
//   taken off a full queue and put back in front (priority 1) is not lost
//   when another thread filled the freed place meanwhile.
// - Error codes are per thread; a successful call leaves the code alone.
//
// Time (clock.h): under a test clock the time moves only when something
// moves it. A thread that is not a task and has to wait moves it: first it
// lets every task do what it can now (until each is asleep in a wait that
// would not end now), then moves the time on to the earlier of its own
// deadline and the earliest deadline of a sleeping task, and so on. A test
// that waits, or the scripted user's wait, thus lets the player play its
// frames one after another, the same way on every run.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/msgq.h"
#include "host/task.h"
#include "hostsim/kernel/clock.h"

namespace hostsim {

class Host;

/// What a caller asked of a task it spawned: the platform's threads give
/// these no meaning, but tests and dumps show them.
struct TaskSettings {
  int32_t priority = 0;
  int32_t options = 0;
  int32_t stackSize = 0;
};

/// One task the host has started, running or not.
struct TaskRecord {
  int32_t id = 0;         ///< also its place in the start order (1 = first)
  std::string name;
  TaskSettings settings;
  uint64_t startTick = 0;
  bool deleted = false;   ///< taskDelete (or the host's end) ended it
  bool ended = false;     ///< its entry has returned
  std::optional<uint64_t> endTick;  ///< when it was deleted or its entry returned, whichever came first
};

class Kernel {
 public:
  static constexpr int32_t kTicksPerSecond = HostClock::kTicksPerSecond;
  /// How long (machine time) a wait for the tasks to settle lasts at most:
  /// a task that never sleeps must not hang its host.
  static constexpr std::chrono::milliseconds kSettleLimit{5000};
  /// How long (machine time) the host's end waits for each task that was
  /// still running: one that never calls the kernel again (a busy loop, a
  /// wait outside the host) is then left behind rather than hanging it.
  static constexpr std::chrono::milliseconds kEndLimit{5000};

  explicit Kernel(Host& host);
  ~Kernel();
  Kernel(const Kernel&) = delete;
  Kernel& operator=(const Kernel&) = delete;

  // Queues. Return conventions as the host functions; the error code of the
  // calling thread is set on failure: HOST_ERR_INVALID for a bad queue or
  // argument (also a message longer than the queue's maximum),
  // HOST_ERR_UNAVAILABLE when time-out 0 finds the queue empty (receive) or
  // full (send), HOST_ERR_TIMEOUT when a wait ran out, HOST_ERR_DELETED when
  // the queue was deleted during the wait or the calling task was deleted.

  /// Creates a queue the stand-in host uses itself (not listed by liveHandles).
  uint32_t createQueue(int32_t maxMessages, int32_t maxLength);  ///< 0 on failure
  /// Creates a queue on behalf of the operator: listed by liveHandles until deleted.
  uint32_t createCallerQueue(int32_t maxMessages, int32_t maxLength);  ///< 0 on failure
  int32_t deleteQueue(uint32_t queue);                           ///< 0 or -1
  /// Copies size bytes in as one message; priority 1 to the front, 0 to the back.
  int32_t send(uint32_t queue, const void* buffer, uint32_t size, int32_t timeoutTicks, int32_t priority);
  /// Takes the first message; copies at most size bytes of it (the rest of a
  /// longer message is dropped) and returns the bytes copied, or -1.
  int32_t receive(uint32_t queue, void* buffer, uint32_t size, int32_t timeoutTicks);
  int32_t numMsgs(uint32_t queue) const;
  /// True while the queue exists (never waits for the critical section).
  bool queueExists(uint32_t queue) const;

  // Tasks.
  int32_t spawn(const char* name, TASK_ENTRY entry, const TASK_ARG (&args)[10],
                const TaskSettings& settings = {});  ///< id or -1
  /// Marks a task deleted: its id is unknown at once and its waits fail.
  int32_t deleteTask(int32_t taskId);                                              ///< 0 or -1
  /// Waits until a task's entry has returned and joins its thread; a holder
  /// of the critical section gives it up meanwhile. 0, or -1 for a task that
  /// is unknown or joined already, for the task itself, and when the caller
  /// is deleted or the kernel shuts down.
  int32_t joinTask(int32_t taskId);
  /// The calling thread's task id, 0 when it is not a task of this kernel.
  int32_t currentTask() const;
  int32_t delay(int32_t ticks);                                                    ///< 0 or -1
  /// Names of the tasks that are running now (neither ended nor deleted), by id.
  std::vector<std::string> runningTasks() const;
  /// Every task started so far, in start order.
  std::vector<TaskRecord> taskRecords() const;
  /// True while the task runs and has not been deleted.
  bool taskExists(int32_t taskId) const;
  /// Waits (machine time, at most `limit`) until the entry of every task
  /// started so far has returned, deleted tasks included: until then their
  /// code must stay loaded. False when one still runs after `limit`.
  bool awaitTaskEntries(std::chrono::milliseconds limit);

  // The global critical section.
  int32_t lock();
  int32_t unlock();

  /// Threads asleep in a kernel wait right now (queue, delay or taskLock):
  /// lets tests act exactly when a thread has started waiting.
  int32_t sleepingThreads() const;

  // Time.
  /// Ticks since the host started.
  uint32_t ticks() const;
  const HostClock& clock() const;
  /// Test clock only: moves the time on to `to` and wakes whoever waits for
  /// it. False under the machine's clock.
  bool advanceClock(Nanos to);
  /// Waits until every task is asleep in a wait that would not end now, so
  /// that what the tasks owe by now (the player's frames) has been done.
  /// False when they had not settled within `limit` of machine time.
  bool settleTasks(std::chrono::milliseconds limit = kSettleLimit);
  /// The earliest host time at which a sleeping task's wait runs out.
  std::optional<Nanos> nextTaskDeadline() const;
  /// Sleeps until `wake()` holds or the host time reaches `deadline`
  /// (nullopt: no limit). `wake` is read under the kernel's lock: whoever
  /// changes what it reads calls wakeAll() afterwards. 0, or -1 when the
  /// calling task was deleted or the kernel shut down.
  int32_t sleepUntil(std::optional<Nanos> deadline, const std::function<bool()>& wake);
  /// Makes every waiter look at its condition again.
  void wakeAll();

  /// Error code of the calling thread.
  static int32_t error();
  static void setError(int32_t code);

  /// Ends every task (their waits fail with HOST_ERR_DELETED, their other
  /// host calls are refused) and joins them. A task whose entry has not
  /// returned within the end limit is left behind: its thread is detached,
  /// a host log line names it, and it never touches the kernel again.
  /// Safe to call more than once; no task can be spawned afterwards.
  void shutdown();
  /// Changes the end limit (tests).
  void setEndLimit(std::chrono::milliseconds limit);
  /// Queues created and not deleted, as text.
  std::vector<std::string> liveHandles() const;

 private:
  struct State;
  uint32_t makeQueue(int32_t maxMessages, int32_t maxLength, bool listed);
  Host& host_;
  State* state_;
};

}  // namespace hostsim
