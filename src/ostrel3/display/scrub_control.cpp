// Bringing the scrub engine and the scrub task up and down. Every way down
// is quiet: a stop never throws, and a task that does not answer is
// deleted so that no task outlives its operator.
#include "host/cm.h"
#include "host/msgq.h"
#include "host/task.h"
#include "ostrel3/display/scrub_task.h"
#include "ostrel3/display/scrub_window.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

bool MulticamOperator::ScrubStart() {
  if (!mainScrub) return true;
  // A second start would orphan the running task and engine.
  if (scrubTask.scrubState == 0 || scrubTask.scrubTaskId != -1)
    return scrubTask.scrubState == 0 && scrubTask.scrubTaskId != -1;
  scrubTask.startWord = 0;
  scrubTask.scrubTaskId = -1;
  scrubTask.scrubWindow = kScrubWindowFrames;
  nextScrubBuffer = 0;
  scrubTask.scrubState = cmScrubStart(render.get(), &scrubTask.startWord, 0);
  if (scrubTask.scrubState != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  purgeScrubCommands();
  scrubTask.scrubTaskId = taskSpawn(kScrubTaskName, kScrubTaskPriority, kScrubTaskOptions, kScrubTaskStack,
                                    ScrubTaskMain, static_cast<TASK_ARG>(scrubCommandQueue.get()),
                                    static_cast<TASK_ARG>(eventQueue.get()), reinterpret_cast<TASK_ARG>(this), 0,
                                    0, 0, 0, 0, 0, 0);
  if (scrubTask.scrubTaskId == -1) OS3_LOG(kLogFailed);
  return scrubTask.scrubTaskId != -1;
}

void MulticamOperator::ScrubStop() {
  const bool running = scrubTask.scrubState == 0 || scrubTask.scrubTaskId != -1;
  if (!mainScrub && !running) return;
  // Silence only an engine that runs: a stopped one refuses the call.
  if (scrubTask.scrubState == 0 && cmScrubData(render.get(), nullptr, 0, 0, 0) == -1) OS3_LOG(kLogFailed);
  if (scrubTask.scrubTaskId != -1) endScrubTask();
  if (scrubTask.scrubState == 0) {
    scrubTask.scrubState = -1;
    if (cmScrubStop(render.get(), 0) == -1) OS3_LOG(kLogFailed);
  }
  nextScrubBuffer = 0;
  scrubTask.scrubWindow = kScrubWindowFrames;
}

void MulticamOperator::endScrubTask() {
  const int32_t task = scrubTask.scrubTaskId;
  scrubTask.scrubTaskId = -1;
  bool answered = false;
  try {
    MessageQueue reply;
    const QueueMessage stop = StopMessage(reply.get());
    msgQSend(scrubCommandQueue.get(), &stop, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL);
    QueueMessage answer;
    answered = msgQReceive(reply.get(), &answer, kMessageSize, kScrubStopWait) == static_cast<int32_t>(kMessageSize);
  } catch (...) {
    // No queue for the answer: the task cannot be asked, only deleted.
  }
  if (answered) return;
  OS3_LOG(kLogFailed);
  if (taskDelete(task) == -1) OS3_LOG(kLogFailed);
  // The stop it never took would be the next task's first command.
  purgeScrubCommands();
}

void MulticamOperator::purgeScrubCommands() {
  QueueMessage m;
  while (msgQNumMsgs(scrubCommandQueue.get()) > 0 &&
         msgQReceive(scrubCommandQueue.get(), &m, kMessageSize, HOST_NO_WAIT) == static_cast<int32_t>(kMessageSize)) {
  }
}

}  // namespace ostrel3
