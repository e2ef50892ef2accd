#pragma once
// The record on every message queue of the operator: 44 bytes with a
// 16-bit class at byte 0. The host GUI posts its input in the same layout.
#include <cstddef>
#include <cstdint>

namespace ostrel3 {

struct QueueMessage {
  uint16_t msgClass = 0;     ///< byte 0
  uint8_t unused[6] = {};    ///< bytes 2..7
  int32_t position = 0;      ///< byte 8: playback position in fields
  int32_t identifier = 0;    ///< byte 12: element, message id or first payload value
  int32_t subEvent = 0;      ///< byte 16: host's step or sub-code
  int32_t value = 0;         ///< byte 20: element state, reply queue or second payload value
  uint8_t rest[20] = {};     ///< bytes 24..43
};
static_assert(sizeof(QueueMessage) == 44);
static_assert(offsetof(QueueMessage, position) == 8);
static_assert(offsetof(QueueMessage, identifier) == 12);
static_assert(offsetof(QueueMessage, subEvent) == 16);
static_assert(offsetof(QueueMessage, value) == 20);

inline constexpr uint32_t kMessageSize = sizeof(QueueMessage);

/// Classes of messages on the operator's queues.
enum MessageClass : uint16_t {
  kMsgKey = 1,
  kMsgPointer = 2,
  kMsgPointerButton = 3,
  kMsgElement = 4,
  kMsgTask = 5,
  kMsgClose = 6,
  kMsgCloseWindow = 7,
  kMsgCommand = 14,
  kMsgPlayPosition = 0x5443,  ///< "TC"
  kMsgPlayStopped = 0x534F,   ///< "SO"
  kMsgPlayCamera = 0x5345,    ///< "SE"
  kMsgPlayStatus = 0x5354,    ///< "ST"
};

/// Ids of class-5 messages.
inline constexpr int32_t kTickMessageId = 2069;
inline constexpr int32_t kStopMessageId = 2070;

/// A tick of a ticker task; `waitTicks` is the wait that preceded it.
inline QueueMessage TickMessage(int32_t waitTicks) {
  QueueMessage m;
  m.msgClass = kMsgTask;
  m.identifier = kTickMessageId;
  m.value = waitTicks;
  return m;
}

/// Tells a ticker task to end; it sends the record back to `replyQueue`.
inline QueueMessage StopMessage(uint32_t replyQueue) {
  QueueMessage m;
  m.msgClass = kMsgTask;
  m.identifier = kStopMessageId;
  m.value = static_cast<int32_t>(replyQueue);
  return m;
}

}  // namespace ostrel3
