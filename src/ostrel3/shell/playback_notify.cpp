// Playback notifications: the host's player thread reports positions and
// events; the operator turns them into messages for its event loop.
#include "ostrel3/shell/playback_notify.h"

#include <algorithm>
#include <climits>
#include <exception>

#include "host/msgq.h"
#include "host/task.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/shell/queue_message.h"

namespace ostrel3 {

namespace {

void post(const QueueMessage& message) {
  MulticamOperator* op = currentOperator.load();
  if (!op) return;
  if (msgQSend(op->eventQueue.get(), &message, kMessageSize, 0, 0) == -1) OS3_LOG(kLogFailed);
}

QueueMessage playMessage(uint16_t msgClass, int32_t identifier = 0, int32_t value = 0) {
  QueueMessage m;
  m.msgClass = msgClass;
  m.identifier = identifier;
  m.value = value;
  return m;
}

// The host calls in on its own thread: nothing may escape to it.
template <typename F>
void guarded(F&& f) noexcept {
  try {
    f();
  } catch (...) {
    OS3_LOG(kLogFailed);
  }
}

}  // namespace

void PurgeQueue(MSG_Q_ID queue) {
  if (taskLock() == -1) {
    OS3_LOG(kLogFailed);
    return;
  }
  const int32_t waiting = msgQNumMsgs(queue);
  for (int32_t i = 0; i < waiting; ++i) {
    QueueMessage m;
    if (msgQReceive(queue, &m, kMessageSize, 0) != static_cast<int32_t>(kMessageSize)) continue;
    if (m.msgClass == kMsgPlayPosition) continue;
    if (msgQSend(queue, &m, kMessageSize, 0, 0) == -1) OS3_LOG(kLogFailed);
  }
  if (taskUnlock() == -1) OS3_LOG(kLogFailed);
}

void PostPlayPosition(int32_t frame) {
  MulticamOperator* op = currentOperator.load();
  if (!op) return;
  // Purge and post under one lock: no other sender's position can slip in
  // between, so at most one position waits however many threads report.
  const bool locked = taskLock() != -1;
  if (!locked) OS3_LOG(kLogFailed);
  PurgeQueue(op->eventQueue.get());
  QueueMessage m = playMessage(kMsgPlayPosition);
  m.position = static_cast<int32_t>(std::clamp<int64_t>(2 * int64_t(frame), INT32_MIN, INT32_MAX));
  post(m);
  if (locked && taskUnlock() == -1) OS3_LOG(kLogFailed);
}

void PostPlayStopped() { post(playMessage(kMsgPlayStopped)); }

void PostPlayCamera(int32_t camera, int32_t position) { post(playMessage(kMsgPlayCamera, camera, position)); }

void PostPlayStatus(int32_t kind, int32_t status) { post(playMessage(kMsgPlayStatus, kind, status)); }

void PlayPositionCallback(int32_t frame) {
  guarded([&] {
    if (currentOperator.load()) PostPlayPosition(frame);
  });
}

void PlayEventCallback(int32_t kind, int32_t value) {
  guarded([&] {
    if (!currentOperator.load()) return;
    const uint32_t bits = static_cast<uint32_t>(value);
    if (kind >= 1 && kind <= 6) {
      PostPlayStopped();
    } else if (kind == 7) {
      PostPlayCamera(static_cast<int32_t>(bits >> 30), static_cast<int32_t>(bits & 0x3FFFFFFFu));
    } else if (kind == 8) {
      PostPlayStatus(8, value);
    }
  });
}

}  // namespace ostrel3
