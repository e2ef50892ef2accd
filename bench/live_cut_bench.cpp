// A live cut during playback with 10,000 cuts in the list: the cut set, the
// list normalised, the live preview's new output list built and handed to
// the running player, beside copying the output list's pairs alone. The cut
// should cost at most three times the copy. On a shared machine the two may
// meet different loads, so they are timed in turn, round by round, in
// processor time: counters live_cut_us and copy_us (medians) and ratio.
// The handover is the stand-in host's cmUpdateFinalList, with the host's
// own record of every list (kept for its dumps) switched off, as the call
// trace is; handover_us times that call alone on the same list,
// operator_us the cut less that handover, round by round (medians), and
// operator_ratio the operator's own work against the copy.
// The cut as the user makes it also pushes an undo step (the whole project
// as text); LiveCutWithUndo shows that cost beside it.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "host/cm.h"
#include "host/host.h"
#include "hostsim/core/host.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"

namespace {

using ostrel3_bench::median;
using ostrel3_bench::threadSeconds;

namespace fs = std::filesystem;

constexpr int32_t kCuts = 10000;
constexpr int32_t kCutSpacing = 20;  // frames
constexpr int32_t kProjectFrames = kCuts * kCutSpacing;
constexpr int kCameras = 3;
constexpr int kRounds = 500;

// A stand-in host on a test clock (its player plays no frame on its own
// meanwhile), without call trace; the operator's panel open with its live
// picture, 10,000 cuts, and a playback running from frame 0.
class LiveCutSession {
 public:
  LiveCutSession() {
    hostsim::HostConfig config = home_.hostConfig();
    config.recordPlayback = false;  // the host's own record of every list is not the operator's cost
    config.testClock = true;
    for (int i = 0; i < kCameras; ++i)
      config.clips.push_back({uint32_t(801 + i), "Camera " + std::to_string(i + 1), kProjectFrames, -1, 0});
    host_ = std::make_unique<hostsim::Host>(config);
    op_ = std::make_unique<ostrel3::MulticamOperator>();
    op_->sceneCount = kCameras;
    for (int i = 0; i < kCameras; ++i)
      ostrel3::AssignClip(op_->cameras[i], mainGetAVRecordFromId(801 + i, config.projectNumber, 1), -1, -1, -1);
    run_.code = OP_MSG_RUN;
    run_.fieldRate = 50;
    if (!op_->OpenPanel(&run_) || !op_->previewPanel) {
      failure_ = "the main panel did not open with its live picture";
      return;
    }
    for (int32_t i = 0; i < kCuts; ++i) op_->cutList.insert_or_assign(i * kCutSpacing, i % kCameras);
    ostrel3::currentOperator.store(op_.get());
    op_->PlayStart(-1, -1);
    op_->PlaybackPosition(0);
    if (!op_->playing) failure_ = "the playback did not start";
  }
  ~LiveCutSession() {
    if (op_) op_->PlayStop(false);
    ostrel3::currentOperator.store(nullptr);
    if (op_ && op_->panelRequest.panel) op_->ClosePanel();
    op_.reset();
    host_.reset();
  }

  const std::string& failure() const { return failure_; }

  // Round by round, the same frame in the middle of the list gets a camera
  // that neither its cut nor the next one names (one more cut), and then the
  // camera in force again (merged away).
  void cut(int round) { op_->PutCut(frame(), cameraFor(round)); }
  void cutWithUndo(int round) {
    op_->position = frame();
    op_->SetCameraAtPosition(cameraFor(round));
  }
  void handOver() {
    if (cmUpdateFinalList(op_->render.get(), op_->outputLists[op_->currentOutputList].data(), 0) != 0)
      failure_ = "the player refused the list";
  }
  void copyPairs() {
    const auto& list = op_->outputLists[op_->currentOutputList];
    copy_.assign(list.begin(), list.end());
    benchmark::DoNotOptimize(copy_.data());
  }
  size_t pairs() const { return op_->outputLists[op_->currentOutputList].size(); }
  // A cut that failed part-way would be quick for the wrong reason.
  bool cutCleanly() const { return host_->log().callerLines(4).empty() && op_->cutList.size() >= size_t(kCuts); }

 private:
  static int32_t frame() { return kProjectFrames / 2 + kCutSpacing / 2; }
  static int cameraFor(int round) { return (kCuts / 2 + (round % 2 == 0 ? 2 : 0)) % kCameras; }

  ostrel3_bench::BenchHome home_;
  std::unique_ptr<hostsim::Host> host_;
  std::unique_ptr<ostrel3::MulticamOperator> op_;
  OperatorMsg run_{};
  std::vector<CM_OUTPUT_PAIR> copy_;
  std::string failure_;
};

void LiveCutPaired(benchmark::State& state) {
  LiveCutSession s;
  if (!s.failure().empty()) return state.SkipWithError(s.failure().c_str());
  std::vector<double> cuts, copies, handovers;
  int round = 0;
  const auto timed = [](std::vector<double>& into, auto&& work) {
    const double start = threadSeconds();
    work();
    into.push_back(threadSeconds() - start);
  };
  for (auto _ : state) {
    timed(cuts, [&] { s.cut(round++); });
    timed(copies, [&] { s.copyPairs(); });
    timed(handovers, [&] { s.handOver(); });
  }
  if (!s.failure().empty() || !s.cutCleanly()) return state.SkipWithError("the operator logged a failure");
  // The cut's own work, round by round: the cut less the same list's handover.
  std::vector<double> own(cuts.size());
  for (size_t i = 0; i < cuts.size(); ++i) own[i] = cuts[i] - handovers[i];
  const double a = median(cuts), b = median(copies), h = median(handovers), o = median(own);
  state.counters["live_cut_us"] = 1e6 * a;
  state.counters["copy_us"] = 1e6 * b;
  state.counters["handover_us"] = 1e6 * h;
  state.counters["ratio"] = a / b;
  state.counters["operator_us"] = 1e6 * o;
  state.counters["operator_ratio"] = o / b;
  state.counters["pairs"] = double(s.pairs());
}

void LiveCutWithUndo(benchmark::State& state) {
  LiveCutSession s;
  if (!s.failure().empty()) return state.SkipWithError(s.failure().c_str());
  int round = 0;
  for (auto _ : state) s.cutWithUndo(round++);
  if (!s.cutCleanly()) state.SkipWithError("the operator logged a failure");
}

BENCHMARK(LiveCutPaired)->Unit(benchmark::kMicrosecond)->Iterations(kRounds);
BENCHMARK(LiveCutWithUndo)->Unit(benchmark::kMicrosecond)->Iterations(kRounds / 10);

}  // namespace
