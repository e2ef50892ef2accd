// The scrub engine's task: plays the block in steps of 10 ms as the host's
// clock reaches them, and moves the caller's start word on with each.
#include <algorithm>
#include <atomic>

#include "hostsim/core/host.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/scrub_engine.h"
#include "hostsim/media/scrub_session.h"

namespace hostsim {

namespace {

constexpr int64_t kNanosPerSecond = 1'000'000'000;

/// Pairs whose time has come `elapsed` after the first.
int64_t pairsWithin(Nanos elapsed) {
  return elapsed.count() <= 0 ? 0 : elapsed.count() * ScrubEngine::kPairsPerSecond / kNanosPerSecond;
}

/// The moment, after the first pair, from which `pairs` have played (rounded
/// up, so that pairsWithin reads `pairs` at that moment).
Nanos timeOfPairs(int64_t pairs) {
  return Nanos((pairs * kNanosPerSecond + ScrubEngine::kPairsPerSecond - 1) / ScrubEngine::kPairsPerSecond);
}

}  // namespace

int32_t ScrubEngine::taskEntry(TASK_ARG self, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                               TASK_ARG, TASK_ARG) {
  reinterpret_cast<ScrubEngine*>(self)->run();
  return 0;
}

void ScrubEngine::run() {
  for (;;) {
    std::optional<Nanos> wakeAt;
    {
      std::lock_guard lock(mutex_);
      wake_.store(false);
      if (!session_ || session_->stopRequested) return;
      wakeAt = catchUp(*session_);
    }
    // Silent: nothing is due until a call wakes the task.
    if (host_.kernel().sleepUntil(wakeAt, [this] { return wake_.load(); }) != 0) return;
  }
}

std::optional<Nanos> ScrubEngine::catchUp(Session& s) {
  if (!s.playing) return std::nullopt;
  const int64_t due = std::min<int64_t>(pairsWithin(host_.kernel().clock().now() - s.startedAt), s.pairs());
  if (due > s.played) play(s, static_cast<int32_t>(due - s.played));
  if (s.played >= s.pairs()) {
    s.playing = false;  // played to its end: silence until the next block
    return std::nullopt;
  }
  return s.startedAt + timeOfPairs(std::min(s.played + kStepPairs, s.pairs()));
}

void ScrubEngine::play(Session& s, int32_t pairs) {
  const auto first = s.samples.begin() + 2 * ptrdiff_t(s.played);
  const size_t room = kMaxKeptPairs * 2 - std::min(kept_.size(), kMaxKeptPairs * 2);
  kept_.insert(kept_.end(), first, first + std::min<ptrdiff_t>(2 * ptrdiff_t(pairs), ptrdiff_t(room)));
  s.played += pairs;
  history_.blocks.at(s.record).played += pairs;
  history_.pairsPlayed += uint64_t(pairs);
  writeStartWord(s, s.word + static_cast<uint32_t>(pairs));
}

void ScrubEngine::writeStartWord(Session& s, uint32_t value) {
  s.word = value;
  history_.startWord = value;
  // The caller reads its word while the engine plays: a plain aligned word,
  // written whole.
  if (s.startWord) std::atomic_ref<uint32_t>(*s.startWord).store(value, std::memory_order_release);
}

std::optional<Nanos> ScrubEngine::nextDue() const {
  std::lock_guard lock(mutex_);
  if (!session_ || !session_->playing) return std::nullopt;
  const Session& s = *session_;
  return s.startedAt + timeOfPairs(std::min(s.played + kStepPairs, s.pairs()));
}

}  // namespace hostsim
