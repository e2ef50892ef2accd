// The scrub engine's host calls: start, data, stop, and what tests and the
// dumps read of it.
#include "hostsim/media/scrub_engine.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "hostsim/core/host.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/render.h"
#include "hostsim/media/scrub_session.h"

namespace hostsim {

namespace {

int16_t peakOf(const int16_t* samples, int32_t pairs) {
  int32_t peak = 0;
  for (int64_t i = 0; i < 2 * int64_t(pairs); ++i) peak = std::max(peak, std::abs(int32_t(samples[i])));
  return static_cast<int16_t>(std::min(peak, 32767));
}

}  // namespace

const char* scrubModeName(ScrubMode mode) {
  switch (mode) {
    case ScrubMode::Grab: return "grab";
    case ScrubMode::Continuous: return "continuous";
    default: return "silence";
  }
}

ScrubEngine::ScrubEngine(Host& host, const RenderLibrary& render) : host_(host), render_(render) {}

ScrubEngine::~ScrubEngine() { shutdown(); }

int32_t ScrubEngine::refuse(const char* call, const std::string& why) {
  ++history_.refused;
  host_.log().host(4, std::string(call) + ": refused: " + why);
  return -1;
}

int32_t ScrubEngine::checkSession(const char* call, CM_HANDLE render) {
  if (!session_ || session_->stopRequested) return refuse(call, "no scrub runs (cmScrubStart was not called)");
  if (session_->render != render)
    return refuse(call, "the render handle " + std::to_string(render) + " did not start the scrub");
  return 0;
}

void ScrubEngine::wake() {
  wake_.store(true);
  host_.kernel().wakeAll();
}

int32_t ScrubEngine::start(CM_HANDLE render, uint32_t* startWord, int32_t) {
  static constexpr const char* kCall = "cmScrubStart";
  std::lock_guard lock(mutex_);
  if (!render_.valid(render)) return refuse(kCall, "no render handle " + std::to_string(render));
  if (!startWord) return refuse(kCall, "no start word");
  if (reinterpret_cast<uintptr_t>(startWord) % alignof(uint32_t) != 0)
    return refuse(kCall, "the start word is not aligned to 4 bytes");
  if (session_) return refuse(kCall, "a scrub is running (cmScrubStop was not called)");
  auto s = std::make_unique<Session>();
  s->render = render;
  s->startWord = startWord;
  s->word = std::atomic_ref<uint32_t>(*startWord).load(std::memory_order_acquire);
  const TASK_ARG args[10] = {reinterpret_cast<TASK_ARG>(this)};
  // The task waits for the mutex held here before it looks at the session.
  s->taskId = host_.kernel().spawn("hostScrub", &ScrubEngine::taskEntry, args);
  if (s->taskId <= 0) return refuse(kCall, "the scrub task could not start");
  history_.startWord = s->word;
  history_.running = true;
  ++history_.starts;
  session_ = std::move(s);
  return 0;
}

int32_t ScrubEngine::data(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t rate, int32_t mode) {
  static constexpr const char* kCall = "cmScrubData";
  std::lock_guard lock(mutex_);
  if (checkSession(kCall, render) != 0) return -1;
  if (pairs < 0) return refuse(kCall, "a negative number of pairs (" + std::to_string(pairs) + ")");
  if (!samples && pairs > 0) return refuse(kCall, std::to_string(pairs) + " pairs but no samples");
  if (pairs > kMaxBlockPairs)
    return refuse(kCall, std::to_string(pairs) + " pairs: more than a minute (" + std::to_string(kMaxBlockPairs) + ")");
  ScrubMode kind = ScrubMode::Silence;
  if (pairs > 0) {
    if (rate == 0 && mode == 0) kind = ScrubMode::Grab;
    else if (rate == kContinuousRate && mode == kContinuousMode) kind = ScrubMode::Continuous;
    else
      return refuse(kCall, "rate " + std::to_string(rate) + " with mode " + std::to_string(mode) +
                               ": neither a grab (0, 0) nor continuous play (24000, 1)");
  }
  Session& s = *session_;
  catchUp(s);  // what was due of the block before counts as played
  ScrubBlock block;
  block.order = static_cast<int32_t>(history_.blocks.size()) + 1;
  block.mode = kind;
  block.pairs = pairs;
  block.peak = pairs > 0 ? peakOf(samples, pairs) : 0;
  history_.blocks.push_back(block);
  s.playing = pairs > 0;
  s.samples.assign(samples, samples + (s.playing ? 2 * size_t(pairs) : 0));
  s.played = 0;
  s.record = history_.blocks.size() - 1;
  s.startedAt = host_.kernel().clock().now();
  if (kind == ScrubMode::Continuous) writeStartWord(s, 0);
  wake();
  return 0;
}

int32_t ScrubEngine::stop(CM_HANDLE render, int32_t) {
  static constexpr const char* kCall = "cmScrubStop";
  int32_t taskId = 0;
  {
    std::lock_guard lock(mutex_);
    if (checkSession(kCall, render) != 0) return -1;
    Session& s = *session_;
    catchUp(s);
    // From here on the caller's word is not touched, whatever the task does.
    s.startWord = nullptr;
    s.playing = false;
    s.stopRequested = true;
    taskId = s.taskId;
    wake();
  }
  if (host_.kernel().joinTask(taskId) != 0) host_.log().host(4, "cmScrubStop: the scrub task could not be joined");
  std::lock_guard lock(mutex_);
  session_.reset();
  history_.running = false;
  ++history_.stops;
  return 0;
}

bool ScrubEngine::running() const {
  std::lock_guard lock(mutex_);
  return session_ != nullptr;
}

ScrubHistory ScrubEngine::history() const {
  std::lock_guard lock(mutex_);
  return history_;
}

std::vector<int16_t> ScrubEngine::playedSound() const {
  std::lock_guard lock(mutex_);
  return kept_;
}

std::vector<std::string> ScrubEngine::liveHandles() const {
  std::lock_guard lock(mutex_);
  if (!session_) return {};
  return {"scrub: cmScrubStart without cmScrubStop"};
}

void ScrubEngine::shutdown() {
  CM_HANDLE render = 0;
  {
    std::lock_guard lock(mutex_);
    if (!session_ || session_->stopRequested) return;
    render = session_->render;
  }
  host_.log().host(4, "host end: the scrub engine was still running; it is stopped");
  stop(render, 0);
}

}  // namespace hostsim
