// Synchronising two one-hour takes of one scene by sound (48 kHz stereo,
// held in memory, the other camera 7 min 13 s behind, no recording times),
// beside merely reading the same sound through the search's envelope pass.
// Goal: at most 2 s of processor time on one core, and at most ten times the
// reading. The paired case times both in turn, round by round, in processor
// time: counters sync_s and read_s (medians) and ratio. The longest step
// shows how long a dialog would wait; a two-hour pair drifting 150 ppm checks
// the drift over a whole show once.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cmath>
#include <algorithm>

#include "support/scene_sound.h"
#include "sync_requester/auto_sync.h"

namespace {

using ostrel3_bench::median;
using ostrel3_bench::threadSeconds;
using ostrel3_test::Scene;
using ostrel3_test::SceneKind;
using ostrel3_test::Take;
using ostrel3_test::VectorSound;

constexpr double kHour = 3600.0;
constexpr double kBehind = 433.0;  // the other camera started 7:13 later

Take HourTake(double start, double seconds, uint64_t hissSeed) {
  Take t;
  t.scene = Scene{SceneKind::Crowd, 5, 2.0, -1.0};
  t.startSeconds = start;
  t.seconds = seconds;
  t.hissSeed = hissSeed;
  t.hiss = 0.02;
  return t;
}

struct HourPair {
  VectorSound reference{HourTake(0.0, kHour, 1)};
  VectorSound other{HourTake(kBehind, kHour, 2)};
  ostrel3::AutoSyncInput input() {
    ostrel3::AutoSyncInput in;
    in.reference = &reference;
    in.other = &other;
    return in;
  }
  bool right(const ostrel3::AutoSyncResult& r) const {
    return r.basis == ostrel3::SyncBasis::Sound && std::abs(r.lagFrames + kBehind * 25.0) < 0.25;
  }
};

HourPair& Pair() {
  static HourPair pair;  // rendered once: about 700 MB
  return pair;
}

// The search's own reading: its steps until both envelopes are taken (half
// of its progress), and no further.
void ReadOnly(HourPair& pair) {
  ostrel3::AutoSyncJob job(pair.input());
  while (job.progress() < 0.5 && job.step()) {
  }
}

void SyncOneHourPair(benchmark::State& state) {
  HourPair& pair = Pair();
  ostrel3::AutoSyncResult r;
  for (auto _ : state) r = ostrel3::AutoSync(pair.input());
  if (!pair.right(r)) state.SkipWithError("the sync point is wrong");
}

void ReadOneHourPair(benchmark::State& state) {
  HourPair& pair = Pair();
  for (auto _ : state) ReadOnly(pair);
}

void SyncBesideRead(benchmark::State& state) {
  HourPair& pair = Pair();
  std::vector<double> sync, read;
  ostrel3::AutoSyncResult r;
  for (auto _ : state) {
    double start = threadSeconds();
    r = ostrel3::AutoSync(pair.input());
    sync.push_back(threadSeconds() - start);
    start = threadSeconds();
    ReadOnly(pair);
    read.push_back(threadSeconds() - start);
  }
  if (!pair.right(r)) return state.SkipWithError("the sync point is wrong");
  const double s = median(sync), rd = median(read);
  state.counters["sync_s"] = s;
  state.counters["read_s"] = rd;
  state.counters["ratio"] = s / rd;
}

// The longest single step, which a dialog waits for between two messages.
void LongestStep(benchmark::State& state) {
  HourPair& pair = Pair();
  double longest = 0.0;
  int steps = 0;
  for (auto _ : state) {
    ostrel3::AutoSyncJob job(pair.input());
    for (bool more = true; more; ++steps) {
      const double start = threadSeconds(), before = job.progress();
      more = job.step();
      if (threadSeconds() - start > longest) {
        longest = threadSeconds() - start;
        state.counters["longest_at"] = before;
      }
    }
  }
  state.counters["longest_step_ms"] = 1e3 * longest;
  state.counters["steps"] = steps;
}

// Two hours drifting 150 ppm: the lag moves 27 frames over the show.
void SyncTwoHoursDrifting(benchmark::State& state) {
  Take driftingTake = HourTake(kBehind, 2 * kHour, 2);
  driftingTake.driftPpm = 150.0;
  VectorSound reference(HourTake(0.0, 2 * kHour, 1)), other(driftingTake);
  ostrel3::AutoSyncInput in;
  in.reference = &reference;
  in.other = &other;
  ostrel3::AutoSyncResult r;
  double seconds = 0.0;
  for (auto _ : state) {
    const double start = threadSeconds();
    r = ostrel3::AutoSync(in);
    seconds = threadSeconds() - start;
  }
  // The truth at the sync point: the other take's frame showing that moment.
  const double scene = r.referenceFrame / 25.0;
  const double truth = (scene - kBehind) * (1.0 + 150e-6) * 25.0;
  state.counters["sync_s"] = seconds;
  state.counters["ppm"] = r.driftPpm;
  state.counters["frame_error"] = r.otherFrame - truth;
  state.counters["end_error_frames"] = r.driftErrorFrames;
  if (r.basis != ostrel3::SyncBasis::Sound || !r.drifting || std::abs(r.otherFrame - truth) > 1.0) {
    state.SkipWithError("the drifting pair was not matched within a frame");
  }
}

BENCHMARK(SyncOneHourPair)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReadOneHourPair)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(SyncBesideRead)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LongestStep)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(SyncTwoHoursDrifting)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
