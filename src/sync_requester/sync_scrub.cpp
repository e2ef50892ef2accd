// The audio scrub while a camera is positioned: short grabs of sound after
// every move, continuous play once the user holds still, and the picture
// following the sound. Every way down is quiet: a stop never throws, and a
// ticker that does not answer is deleted.
#include <atomic>

#include "host/cm.h"
#include "host/msgq.h"
#include "host/task.h"
#include "ostrel3/display/scrub_task.h"
#include "ostrel3/shell/log.h"
#include "sync_requester/scrub_ticker.h"
#include "sync_requester/sync_dialog.h"
#include "sync_requester/sync_geometry.h"

namespace ostrel3 {

namespace {
constexpr int32_t kShortGrab = 6;
constexpr int32_t kContinuousSeconds = 5;
constexpr int32_t kSlowTicksBeforePlay = 8;
constexpr int32_t kContinuousRate = 24000;
constexpr int32_t kContinuousMode = 1;
}  // namespace

AudioEnvelope* SyncDialog::positionedEnvelope() {
  return scrubCamera_ == 0 ? refEnvelope_.get() : syncEnvelope_.get();
}

void SyncDialog::startTicker() {
  if (!audioScrub_ || tickerTask_ != -1 || scrubStart_ == 0) return;
  continuous_ = false;
  tickBusy_ = false;
  slowTicks_ = 0;
  scrubWindow_ = kShortGrab;
  scrubState_ = 0;
  bufferToggle_ = 0;
  scrubStart_ = cmScrubStart(render_.get(), &scrubState_, 0);
  if (scrubStart_ != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  tickerTask_ = taskSpawn(kTickerTaskName, kScrubTaskPriority, kScrubTaskOptions, kScrubTaskStack, ScrubTicker,
                          static_cast<TASK_ARG>(tickerQueue_.get()), static_cast<TASK_ARG>(guiQueue_.get()),
                          reinterpret_cast<TASK_ARG>(this), 0, 0, 0, 0, 0, 0, 0);
  if (tickerTask_ == -1) OS3_LOG(kLogFailed);
}

void SyncDialog::stopTicker() {
  if (scrubStart_ == 0 && cmScrubData(render_.get(), nullptr, 0, 0, 0) == -1) OS3_LOG(kLogFailed);
  if (tickerTask_ != -1) {
    const int32_t task = tickerTask_;
    tickerTask_ = -1;
    bool answered = false;
    try {
      MessageQueue reply;
      const QueueMessage stop = StopMessage(reply.get());
      if (msgQSend(tickerQueue_.get(), &stop, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL) != -1) {
        QueueMessage echo;
        answered = msgQReceive(reply.get(), &echo, kMessageSize, kScrubStopWait) == static_cast<int32_t>(kMessageSize);
      }
    } catch (...) {
      // No queue for the answer: the ticker cannot be asked, only deleted.
    }
    if (!answered) {
      OS3_LOG(kLogFailed);
      if (taskDelete(task) == -1) OS3_LOG(kLogFailed);
      // The stop it never took would be the next ticker's first command.
      QueueMessage stale;
      while (msgQNumMsgs(tickerQueue_.get()) > 0 &&
             msgQReceive(tickerQueue_.get(), &stale, kMessageSize, HOST_NO_WAIT) == static_cast<int32_t>(kMessageSize)) {
      }
    }
  }
  if (scrubStart_ == 0) {
    scrubStart_ = -1;
    if (cmScrubStop(render_.get(), 0) == -1) OS3_LOG(kLogFailed);
  }
  continuous_ = false;
  tickBusy_ = false;
  slowTicks_ = 0;
  bufferToggle_ = 0;
  scrubWindow_ = kShortGrab;
}

void SyncDialog::tick(int32_t value) {
  if (scrubCamera_ < 0 || scrubCamera_ >= kSyncCameras || scrubStart_ != 0 || !audioScrub_) return;
  if (value == kTickerSlowWait) {
    if (++slowTicks_ < kSlowTicksBeforePlay) return;
    continuous_ = true;
    slowTicks_ = 0;
    scrubWindow_ = kContinuousSeconds * std::max(params_.rateFps, 1);
    feedScrub();
    return;
  }
  if (value != kTickerFastWait) return;
  tickBusy_ = true;
  // The engine counts the pairs played from its own task.
  const uint32_t played = std::atomic_ref<const uint32_t>(scrubState_).load();
  const uint16_t perField = audioInfo_ ? audioInfo_->samplesPerField : 0;
  int32_t& frame = positionedFrame();
  const int32_t from = frame;
  const int32_t ahead = FramesPlayed(played, perField, std::max(length(scrubCamera_) - 1, 0));
  frame = from + ahead;
  refreshPositioned();
  frame = from;
  tickBusy_ = false;
}

void SyncDialog::scrubTo(int32_t) {
  if (!audioScrub_) return;
  continuous_ = false;
  slowTicks_ = 0;
  scrubWindow_ = kShortGrab;
  feedScrub();
}

void SyncDialog::feedScrub() {
  if (scrubStart_ != 0 || scrubCamera_ < 0) return;
  const int32_t from = std::max(positionedFrame(), 0);
  const int32_t to = std::min(positionedFrame() + scrubWindow_ - 1, length(scrubCamera_) - 1);
  // The other buffer may still be playing: only this one is refilled.
  std::vector<int16_t>& buffer = scrubBuffers_[bufferToggle_];
  bufferToggle_ ^= 1;
  buffer.clear();
  AudioEnvelope* envelope = positionedEnvelope();
  if (!envelope || !envelope->appendFrames(from, to, buffer, false)) {
    OS3_LOG(kLogFailed);
    return;
  }
  const auto pairs = static_cast<int32_t>(buffer.size() / 2);
  if (pairs <= 0) return;
  const bool continuous = continuous_.load();
  if (cmScrubData(render_.get(), buffer.data(), pairs, continuous ? kContinuousRate : 0,
                  continuous ? kContinuousMode : 0) == -1)
    OS3_LOG(kLogFailed);
}

}  // namespace ostrel3
