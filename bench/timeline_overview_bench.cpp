// Drawing the timeline overview of the main panel on a 1920 x 1080 screen
// with 10,000 cuts of which 1 % lie in the visible window, beside the same
// drawing with only the cuts that show in the window in the list. The cost
// should follow what is visible, not the length of the list: the long list
// may cost at most twice as much. On a shared machine the two may meet
// different loads, so the paired case times both in turn, round by round, in
// processor time: counters long_list_us and visible_only_us (medians) and ratio.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

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
constexpr int32_t kWindowFrames = kProjectFrames / 100;  // 1 % of the cuts
constexpr int32_t kWindowStart = kProjectFrames / 2 + kCutSpacing / 2;
constexpr int kCameras = 4;

// A stand-in host without call trace, the operator with its main panel open
// and a clip on every camera shown.
class OverviewSession {
 public:
  OverviewSession() {
    hostsim::HostConfig config = home_.hostConfig();
    for (int i = 0; i < kCameras; ++i)
      config.clips.push_back({uint32_t(801 + i), "Camera " + std::to_string(i + 1), kProjectFrames, -1, 0});
    host_ = std::make_unique<hostsim::Host>(config);
    op_ = std::make_unique<ostrel3::MulticamOperator>();
    op_->sceneCount = kCameras;
    for (int i = 0; i < kCameras; ++i)
      ostrel3::AssignClip(op_->cameras[i], mainGetAVRecordFromId(801 + i, config.projectNumber, 1), -1, -1, -1);
    run_.code = OP_MSG_RUN;
    run_.fieldRate = 50;
    if (!op_->OpenPanel(&run_)) {
      failure_ = "the main panel did not open";
      return;
    }
    op_->UpdateTimelineLength();
    if (op_->LastFrame() + 1 != kProjectFrames) failure_ = "the project is not as long as its clips";
    for (int32_t i = 0; i < kCuts; ++i) longList_.insert_or_assign(i * kCutSpacing, i % kCameras);
    // The cut in force at the window's start and those inside it.
    const int32_t last = kWindowStart + kWindowFrames - 1;
    for (const auto& [frame, camera] : longList_)
      if (frame + kCutSpacing > kWindowStart && frame <= last) visibleOnly_.insert_or_assign(frame, camera);
    op_->zoomIn = kWindowStart;
    op_->zoomOut = last;
    op_->position = kWindowStart + kWindowFrames / 2;
  }
  ~OverviewSession() {
    if (op_ && op_->panelRequest.panel) op_->ClosePanel();
    op_.reset();
    host_.reset();
  }

  const std::string& failure() const { return failure_; }
  size_t visibleCuts() const { return visibleOnly_.size(); }

  void useLongList() { op_->cutList = longList_; }
  void useVisibleOnly() { op_->cutList = visibleOnly_; }
  void draw() { op_->RedrawTimeline(true); }
  // A drawing that failed part-way would be quick for the wrong reason.
  bool drewCleanly() const { return host_->log().callerLines(4).empty(); }

 private:
  ostrel3_bench::BenchHome home_;
  std::unique_ptr<hostsim::Host> host_;
  std::unique_ptr<ostrel3::MulticamOperator> op_;
  OperatorMsg run_{};
  ostrel3::CutList longList_, visibleOnly_;
  std::string failure_;
};

void OverviewLongList(benchmark::State& state) {
  OverviewSession s;
  if (!s.failure().empty()) return state.SkipWithError(s.failure().c_str());
  s.useLongList();
  for (auto _ : state) s.draw();
  if (!s.drewCleanly()) state.SkipWithError("the operator logged a failure");
  state.counters["cuts"] = 10000;
}

void OverviewVisibleOnly(benchmark::State& state) {
  OverviewSession s;
  if (!s.failure().empty()) return state.SkipWithError(s.failure().c_str());
  s.useVisibleOnly();
  for (auto _ : state) s.draw();
  if (!s.drewCleanly()) state.SkipWithError("the operator logged a failure");
  state.counters["cuts"] = double(s.visibleCuts());
}

// Both drawings in turn, each round with its own list, so that both meet the
// same load.
void OverviewPaired(benchmark::State& state) {
  OverviewSession s;
  if (!s.failure().empty()) return state.SkipWithError(s.failure().c_str());
  std::vector<double> longList, visibleOnly;
  const auto timed = [&](std::vector<double>& into) {
    const double start = threadSeconds();
    s.draw();
    into.push_back(threadSeconds() - start);
  };
  for (auto _ : state) {
    s.useLongList();
    timed(longList);
    s.useVisibleOnly();
    timed(visibleOnly);
  }
  if (!s.drewCleanly()) return state.SkipWithError("the operator logged a failure");
  const double a = median(longList), b = median(visibleOnly);
  state.counters["long_list_us"] = 1e6 * a;
  state.counters["visible_only_us"] = 1e6 * b;
  state.counters["ratio"] = a / b;
}

BENCHMARK(OverviewLongList)->Unit(benchmark::kMicrosecond);
BENCHMARK(OverviewVisibleOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(OverviewPaired)->Unit(benchmark::kMicrosecond);

}  // namespace
