#pragma once
// The render library's scrub engine: plays the sound a caller hands over
// while the user scrubs, on a host task of its own, at 48 kHz paced by the
// host's clock (so a test clock plays it pair for pair at the same moments on
// every run).
//
// Life cycle: start (the caller's start word) -> data ... -> stop.
// - data with no samples: silence; whatever played stops.
// - data with samples and (rate 0, mode 0): a grab; the block is copied and
//   played once from its start, replacing what played.
// - data with samples and (rate 24000, mode 1): continuous play; the block
//   (a long window) is copied and played from its start through to its end,
//   and the start word counts again from 0 with it, so that the caller can
//   tell from it how far into the block the sound is.
// The start word grows by every pair played (never by silence). Stop joins
// the task: nothing writes the start word once it has returned. The host
// stops a running engine before anything it reaches goes.
//
// Every member may be called from any thread.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "host/cm.h"
#include "host/task.h"
#include "hostsim/kernel/clock.h"

namespace hostsim {

class Host;
class RenderLibrary;

enum class ScrubMode { Silence, Grab, Continuous };
const char* scrubModeName(ScrubMode mode);

/// One cmScrubData call the engine took, in order.
struct ScrubBlock {
  int32_t order = 0;     ///< 1 for the first block of the host's life
  ScrubMode mode = ScrubMode::Silence;
  int32_t pairs = 0;     ///< pairs handed over
  int32_t played = 0;    ///< pairs of it played (before it ended or was replaced)
  int16_t peak = 0;      ///< loudest sample of either channel (-32768 counts as 32767)
};

/// What the engine was given and did, for the dump and tests.
struct ScrubHistory {
  bool running = false;
  int32_t starts = 0, stops = 0;
  int32_t refused = 0;                ///< calls refused (each with a host log line)
  std::optional<uint32_t> startWord;  ///< the value last written to (or found in) the caller's word
  uint64_t pairsPlayed = 0;
  std::vector<ScrubBlock> blocks;
};

class ScrubEngine {
 public:
  static constexpr int32_t kPairsPerSecond = 48000;
  /// The rate and mode words of continuous play.
  static constexpr int32_t kContinuousRate = 24000;
  static constexpr int32_t kContinuousMode = 1;
  /// The task plays in steps of this many pairs (10 ms).
  static constexpr int32_t kStepPairs = 480;
  /// Longest block taken: one minute.
  static constexpr int32_t kMaxBlockPairs = 60 * kPairsPerSecond;
  /// What was played is kept for scrub.wav up to ten minutes.
  static constexpr size_t kMaxKeptPairs = 600 * size_t(kPairsPerSecond);

  ScrubEngine(Host& host, const RenderLibrary& render);
  ~ScrubEngine();
  ScrubEngine(const ScrubEngine&) = delete;
  ScrubEngine& operator=(const ScrubEngine&) = delete;

  // ---- the host calls (0 or -1, a refusal writes a host log line) ---------
  int32_t start(CM_HANDLE render, uint32_t* startWord, int32_t flags);
  int32_t data(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t rate, int32_t mode);
  int32_t stop(CM_HANDLE render, int32_t flags);

  // ---- tests, dumps and the host ---------------------------------------------
  bool running() const;
  ScrubHistory history() const;
  /// Every pair played, interleaved, in the order played (up to kMaxKeptPairs).
  std::vector<int16_t> playedSound() const;
  /// When the task next plays a step; none while silent or stopped.
  std::optional<Nanos> nextDue() const;
  std::vector<std::string> liveHandles() const;
  /// Stops a running engine (the host's end).
  void shutdown();

 private:
  struct Session;

  static int32_t taskEntry(TASK_ARG self, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                           TASK_ARG, TASK_ARG);
  void run();
  /// Plays what is due by now; returns when the next step is due.
  std::optional<Nanos> catchUp(Session& s);
  void play(Session& s, int32_t pairs);
  void writeStartWord(Session& s, uint32_t value);
  int32_t refuse(const char* call, const std::string& why);
  int32_t checkSession(const char* call, CM_HANDLE render);
  void wake();

  Host& host_;
  const RenderLibrary& render_;
  mutable std::mutex mutex_;
  std::atomic<bool> wake_{false};  ///< the task has something to look at
  std::unique_ptr<Session> session_;
  ScrubHistory history_;
  std::vector<int16_t> kept_;
};

}  // namespace hostsim
