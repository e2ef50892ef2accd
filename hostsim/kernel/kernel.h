#pragma once
// Queues, tasks, ticks and the global critical section of the stand-in host.
//
// All queue operations of all threads serialise on one kernel mutex. The
// critical section of taskLock/taskUnlock is an owner (thread) and a depth
// kept under that mutex: while one thread holds it, every other thread's
// queue operation waits before it touches a queue, so a queue can be taken
// apart and rebuilt by the holder without anyone else seeing it half done.
#include <cstdint>
#include <string>
#include <vector>

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
  // calling thread is set on failure.
  uint32_t createQueue(int32_t maxMessages, int32_t maxLength);  ///< 0 on failure
  int32_t deleteQueue(uint32_t queue);                           ///< 0 or -1
  int32_t send(uint32_t queue, const void* buffer, uint32_t size, int32_t timeoutTicks, int32_t priority);
  int32_t receive(uint32_t queue, void* buffer, uint32_t size, int32_t timeoutTicks);
  int32_t numMsgs(uint32_t queue) const;
  bool queueExists(uint32_t queue) const;

  // Tasks.
  int32_t spawn(const char* name, TASK_ENTRY entry, const TASK_ARG (&args)[10]);  ///< id or -1
  int32_t deleteTask(int32_t taskId);                                              ///< 0 or -1
  int32_t delay(int32_t ticks);                                                    ///< 0 or -1
  /// Names of the tasks that are running now.
  std::vector<std::string> runningTasks() const;

  // The global critical section.
  int32_t lock();
  int32_t unlock();

  /// Ticks since the host started.
  uint32_t ticks() const;

  /// Error code of the calling thread.
  static int32_t error();
  static void setError(int32_t code);

  /// Ends every task (their waits fail with HOST_ERR_DELETED) and joins them.
  void shutdown();
  /// Queues created and not deleted, as text.
  std::vector<std::string> liveHandles() const;

 private:
  struct State;
  Host& host_;
  State* state_;
};

}  // namespace hostsim
