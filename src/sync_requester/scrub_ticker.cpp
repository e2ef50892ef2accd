#include "sync_requester/scrub_ticker.h"

#include "host/msgq.h"
#include "ostrel3/display/scrub_task.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/queue_message.h"
#include "sync_requester/sync_dialog.h"

namespace ostrel3 {

int32_t ScrubTicker(TASK_ARG tickerQueue, TASK_ARG guiQueue, TASK_ARG dialogAddress, TASK_ARG, TASK_ARG, TASK_ARG,
                    TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG) {
  if (!tickerQueue || !guiQueue || !dialogAddress) return 0;
  const auto commands = static_cast<MSG_Q_ID>(tickerQueue);
  const auto gui = static_cast<MSG_Q_ID>(guiQueue);
  const auto* dialog = reinterpret_cast<const SyncDialog*>(dialogAddress);
  for (;;) {
    // Only the two atomic flags are read: the dialog's thread owns the rest.
    const int32_t wait = dialog->continuousPlay() ? kTickerFastWait : kTickerSlowWait;
    QueueMessage m;
    const int32_t got = msgQReceive(commands, &m, kMessageSize, wait);
    if (got == static_cast<int32_t>(kMessageSize)) {
      if (AnsweredStop(m)) return 0;
      continue;
    }
    if (got != -1 || errnoGet() != HOST_ERR_TIMEOUT) {
      OS3_LOG(kLogFailed);
      return -1;
    }
    if (dialog->tickBusy() || !OperatorScreenInFront() || msgQNumMsgs(gui) >= kScrubMaxWaiting) continue;
    const QueueMessage tick = TickMessage(wait);
    if (msgQSend(gui, &tick, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL) == -1) {
      OS3_LOG(kLogFailed);
      return -1;
    }
  }
}

}  // namespace ostrel3
