#include "ostrel3/display/scrub_task.h"

#include "host/msgq.h"
#include "host/parser.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/queue_message.h"

namespace ostrel3 {

bool OperatorScreenInFront() {
  uint32_t screen = 0;
  uint32_t overlay = 0;
  if (parserGetCurrentScreen(&screen, &overlay) == -1) return false;
  return (screen & kOperatorScreenMask) == kOperatorScreenId;
}

bool AnsweredStop(const QueueMessage& m) {
  if (m.msgClass != kMsgTask || m.identifier != kStopMessageId) return false;
  const auto replyQueue = static_cast<MSG_Q_ID>(m.value);
  if (replyQueue && msgQSend(replyQueue, &m, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL) == -1)
    OS3_LOG(kLogFailed);
  return true;
}

int32_t ScrubTaskMain(TASK_ARG commandQueue, TASK_ARG eventQueue, TASK_ARG op, TASK_ARG, TASK_ARG, TASK_ARG,
                      TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG) {
  if (!commandQueue || !eventQueue || !op) return 0;
  const auto commands = static_cast<MSG_Q_ID>(commandQueue);
  const auto events = static_cast<MSG_Q_ID>(eventQueue);
  for (;;) {
    QueueMessage m;
    const int32_t got = msgQReceive(commands, &m, kMessageSize, kScrubTickWait);
    if (got == static_cast<int32_t>(kMessageSize)) {
      if (AnsweredStop(m)) return 0;
      continue;  // nothing else is a command
    }
    if (got != -1 || errnoGet() != HOST_ERR_TIMEOUT) {
      OS3_LOG(kLogFailed);
      return -1;
    }
    if (!OperatorScreenInFront() || msgQNumMsgs(events) >= kScrubMaxWaiting) continue;
    const QueueMessage tick = TickMessage(kScrubTickWait);
    if (msgQSend(events, &tick, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL) == -1) {
      OS3_LOG(kLogFailed);
      return -1;
    }
  }
}

}  // namespace ostrel3
