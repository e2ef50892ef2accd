// Message queues: fixed capacity and message length, whole messages copied
// in and out, urgent messages at the front, with a reserve beyond the
// capacity for urgent messages.
#include <algorithm>
#include <cstring>

#include "hostsim/kernel/kernel_state.h"

namespace hostsim {

namespace {

constexpr uint64_t kLastQueueId = UINT32_MAX;

// A reader that takes a message to look at it and puts it back in front
// (urgent) must find room even when another thread filled the place it
// freed: urgent messages may fill the queue up to twice its capacity.
size_t roomFor(const KernelQueue& queue, int32_t priority) {
  const size_t capacity = static_cast<size_t>(queue.capacity);
  return priority == HOST_MSG_PRI_URGENT ? 2 * capacity : capacity;
}

bool validTimeout(int32_t ticks) { return ticks >= HOST_WAIT_FOREVER; }

/// Error code of a wait that did not get what it waited for.
int32_t waitError(WaitOutcome outcome) {
  switch (outcome) {
    case WaitOutcome::Unavailable: return HOST_ERR_UNAVAILABLE;
    case WaitOutcome::TimedOut: return HOST_ERR_TIMEOUT;
    default: return HOST_ERR_DELETED;
  }
}

}  // namespace

std::shared_ptr<KernelQueue> Kernel::State::findQueue(uint32_t id) const {
  auto it = queues.find(id);
  return it == queues.end() ? nullptr : it->second;
}

uint32_t Kernel::createQueue(int32_t maxMessages, int32_t maxLength) {
  return makeQueue(maxMessages, maxLength, false);
}

uint32_t Kernel::createCallerQueue(int32_t maxMessages, int32_t maxLength) {
  return makeQueue(maxMessages, maxLength, true);
}

uint32_t Kernel::makeQueue(int32_t maxMessages, int32_t maxLength, bool listed) {
  if (maxMessages < 1 || maxLength < 0) return failWith(HOST_ERR_INVALID, 0u);
  auto queue = std::make_shared<KernelQueue>();
  queue->capacity = maxMessages;
  queue->maxLength = maxLength;
  queue->listed = listed;
  State& s = *state_;
  std::lock_guard guard(s.mutex);
  if (s.selfDeleted()) return failWith(HOST_ERR_DELETED, 0u);
  // Ids are never reused, so a stale id can never reach a newer queue.
  if (s.nextQueueId > kLastQueueId) return failWith(HOST_ERR_UNAVAILABLE, 0u);
  const auto id = static_cast<uint32_t>(s.nextQueueId++);
  s.queues.emplace(id, std::move(queue));
  return id;
}

int32_t Kernel::deleteQueue(uint32_t id) {
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  if (s.enterQueues(guard) == WaitOutcome::Deleted) return failWith(HOST_ERR_DELETED, -1);
  auto queue = s.findQueue(id);
  if (!queue) return failWith(HOST_ERR_INVALID, -1);
  queue->deleted = true;
  queue->messages.clear();
  s.queues.erase(id);
  s.changed.notify_all();
  return 0;
}

int32_t Kernel::send(uint32_t id, const void* buffer, uint32_t size, int32_t timeoutTicks, int32_t priority) {
  if (!validTimeout(timeoutTicks) || (priority != HOST_MSG_PRI_NORMAL && priority != HOST_MSG_PRI_URGENT) ||
      (!buffer && size > 0))
    return failWith(HOST_ERR_INVALID, -1);
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  auto queue = s.findQueue(id);
  if (!queue || size > static_cast<uint32_t>(queue->maxLength)) return failWith(HOST_ERR_INVALID, -1);
  const size_t room = roomFor(*queue, priority);
  auto roomOrGone = [&] { return queue->deleted || queue->messages.size() < room; };
  const WaitOutcome outcome = s.waitTicks(guard, timeoutTicks, true, roomOrGone);
  if (outcome != WaitOutcome::Proceed) return failWith(waitError(outcome), -1);
  if (queue->deleted) return failWith(HOST_ERR_DELETED, -1);
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  std::vector<uint8_t> message(bytes, bytes + size);
  if (priority == HOST_MSG_PRI_URGENT)
    queue->messages.push_front(std::move(message));
  else
    queue->messages.push_back(std::move(message));
  s.changed.notify_all();
  return 0;
}

int32_t Kernel::receive(uint32_t id, void* buffer, uint32_t size, int32_t timeoutTicks) {
  if (!validTimeout(timeoutTicks) || (!buffer && size > 0)) return failWith(HOST_ERR_INVALID, -1);
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  auto queue = s.findQueue(id);
  if (!queue) return failWith(HOST_ERR_INVALID, -1);
  auto messageOrGone = [&] { return queue->deleted || !queue->messages.empty(); };
  const WaitOutcome outcome = s.waitTicks(guard, timeoutTicks, true, messageOrGone);
  if (outcome != WaitOutcome::Proceed) return failWith(waitError(outcome), -1);
  if (queue->deleted) return failWith(HOST_ERR_DELETED, -1);
  // The message is taken whole; a smaller buffer gets its beginning.
  const std::vector<uint8_t> message = std::move(queue->messages.front());
  queue->messages.pop_front();
  const size_t copied = std::min<size_t>(size, message.size());
  if (copied > 0) std::memcpy(buffer, message.data(), copied);
  s.changed.notify_all();
  return static_cast<int32_t>(copied);
}

int32_t Kernel::numMsgs(uint32_t id) const {
  State& s = *state_;
  std::unique_lock guard(s.mutex);
  if (!s.findQueue(id)) return failWith(HOST_ERR_INVALID, -1);
  if (s.enterQueues(guard) == WaitOutcome::Deleted) return failWith(HOST_ERR_DELETED, -1);
  auto queue = s.findQueue(id);  // the holder of the section may have deleted it
  if (!queue) return failWith(HOST_ERR_INVALID, -1);
  return static_cast<int32_t>(queue->messages.size());
}

bool Kernel::queueExists(uint32_t id) const {
  std::lock_guard guard(state_->mutex);
  return state_->findQueue(id) != nullptr;
}

}  // namespace hostsim
