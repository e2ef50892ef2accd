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
//   HOST_ERR_DELETED; a section it held is released.
// - Error codes are per thread; a successful call leaves the code alone.
#include <cstdint>
#include <string>
#include <vector>

#include "host/msgq.h"
#include "host/task.h"

namespace hostsim {

class Host;

class Kernel {
 public:
  static constexpr int32_t kTicksPerSecond = 60;

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
  int32_t spawn(const char* name, TASK_ENTRY entry, const TASK_ARG (&args)[10]);  ///< id or -1
  /// Marks a task deleted: its id is unknown at once and its waits fail.
  int32_t deleteTask(int32_t taskId);                                              ///< 0 or -1
  int32_t delay(int32_t ticks);                                                    ///< 0 or -1
  /// Names of the tasks that are running now (neither ended nor deleted), by id.
  std::vector<std::string> runningTasks() const;
  /// True while the task runs and has not been deleted.
  bool taskExists(int32_t taskId) const;

  // The global critical section.
  int32_t lock();
  int32_t unlock();

  /// Threads asleep in a kernel wait right now (queue, delay or taskLock):
  /// lets tests act exactly when a thread has started waiting.
  int32_t sleepingThreads() const;

  /// Ticks since the host started.
  uint32_t ticks() const;

  /// Error code of the calling thread.
  static int32_t error();
  static void setError(int32_t code);

  /// Ends every task (their waits fail with HOST_ERR_DELETED) and joins them.
  /// Safe to call more than once; no task can be spawned afterwards.
  void shutdown();
  /// Queues created and not deleted, as text.
  std::vector<std::string> liveHandles() const;

 private:
  struct State;
  uint32_t makeQueue(int32_t maxMessages, int32_t maxLength, bool listed);
  Host& host_;
  State* state_;
};

}  // namespace hostsim
