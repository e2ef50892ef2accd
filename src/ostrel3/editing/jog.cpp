// The jog: moves the cursor, or the cut being moved, by its step. A turn of
// the wheel sends a burst of steps; those already waiting are taken together,
// so the cursor moves and redraws once for the whole burst.
#include "host/msgq.h"
#include "ostrel3/editing/cut_geometry.h"
#include "ostrel3/editing/parser_commands.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::jog(int32_t delta) {
  if (delta == 0) return;
  // An empty project has no frame to move to.
  if (!moveMode && LastFrame() < 0) return;
  const int64_t total = delta + gatherQueuedJogs();
  if (moveMode) {
    moveDelta = ClampMoveDelta(int64_t(moveDelta) + total, moveFrom, {moveLow, moveHigh});
    return PreviewMoveCut();
  }
  const int32_t target = JogTarget(position, total, LastFrame());
  if (target == position) return;
  position = target;
  UpdateCursor(true);
}

// Takes the jog steps waiting at the front of the event queue. The first
// other message ends the burst and goes back to the front, where it was.
int64_t MulticamOperator::gatherQueuedJogs() {
  const MSG_Q_ID queue = eventQueue.get();
  int64_t steps = 0;
  while (msgQNumMsgs(queue) > 0) {
    QueueMessage next;
    const int32_t size = msgQReceive(queue, &next, kMessageSize, HOST_NO_WAIT);
    if (size < 0) break;
    const bool isJog = size == static_cast<int32_t>(kMessageSize) && next.msgClass == kMsgCommand &&
                       next.identifier == kJogCommand;
    if (!isJog) {
      putBack(next, size);
      break;
    }
    steps += next.subEvent;
  }
  return steps;
}

void MulticamOperator::putBack(const QueueMessage& message, int32_t size) {
  if (msgQSend(eventQueue.get(), &message, static_cast<uint32_t>(size), HOST_NO_WAIT, HOST_MSG_PRI_URGENT) == 0)
    return;
  // Another thread filled the slot meanwhile: the event loop takes the
  // message from here before the queue, so it keeps its turn. A message of
  // another size the loop would refuse anyway.
  OS3_LOG(kLogFailed);
  if (size == static_cast<int32_t>(kMessageSize)) heldMessages.push_back(message);
}

}  // namespace ostrel3
