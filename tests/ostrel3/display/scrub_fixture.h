#pragma once
// An operator with its main panel open for the scrub display and the scrub
// task: camera 1 can get a clip with a clap, and tests can run the scrub
// task (or a task that never answers) as the operator's scrub task.
#include <chrono>
#include <thread>

#include "host/msgq.h"
#include "host/task.h"
#include "ostrel3/display/playback_fixture.h"
#include "ostrel3/display/scrub_task.h"

namespace ostrel3_test {

inline constexpr uint32_t kClapped = 806;
inline constexpr int32_t kClapFrame = 100;

class ScrubTest : public PlaybackTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PlaybackTest::makeConfig();
    c.clips.push_back({kClapped, "Clap", 300, kClapFrame, 0});
    return c;
  }
  void TearDown() override {
    if (op) op->ScrubStop();
    PlaybackTest::TearDown();
  }
  /// Runs `entry` with the operator's scrub task arguments and makes it the
  /// operator's scrub task.
  int32_t adoptTask(TASK_ENTRY entry) {
    const int32_t id = taskSpawn(ostrel3::kScrubTaskName, 201, 8, 0x20000, entry,
                                 static_cast<TASK_ARG>(op->scrubCommandQueue.get()),
                                 static_cast<TASK_ARG>(op->eventQueue.get()), reinterpret_cast<TASK_ARG>(op.get()), 0,
                                 0, 0, 0, 0, 0, 0);
    op->scrubTask.scrubTaskId = id;
    return id;
  }
  /// Calls of a host function in the trace (since it was last cleared).
  int traced(const std::string& name) { return int(host().calls().traceOf({name}).size()); }
  bool taskRuns(int32_t id) { return host().kernel().taskExists(id); }
  /// On the machine's clock the task answers the stop and then still has to
  /// return from its entry: whether it ends, waiting for that a while.
  bool taskEnds(int32_t id) {
    for (int i = 0; i < 5000 && taskRuns(id); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return !taskRuns(id);
  }
  /// The waiting messages of the event queue, taken off it.
  std::vector<ostrel3::QueueMessage> drainEvents() {
    std::vector<ostrel3::QueueMessage> out;
    ostrel3::QueueMessage m;
    while (msgQReceive(op->eventQueue.get(), &m, sizeof m, 0) == int32_t(sizeof m)) out.push_back(m);
    return out;
  }
};

/// A task that never reads its command queue: it waits on nothing until it
/// is deleted.
inline int32_t DeafTask(TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                        TASK_ARG) {
  while (taskDelay(1000) == 0) {
  }
  return 0;
}

}  // namespace ostrel3_test
