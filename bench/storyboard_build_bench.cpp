// Writing an edit of 100, 1,000 and 10,000 cuts into the stand-in host's
// storyboard: the base scene, one insert for every cut to cameras 2 and 3
// (two cuts in three) with the sound of camera 3, inside one undo step,
// transitions off. Each round starts from an empty storyboard on a fresh
// host; only BuildStoryboard is timed (processor time of the calling
// thread, which runs the request and the host's calls alike). The goal is
// linear growth: 10,000 cuts at most 12 times 1,000. Counters: us_per_cut.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <memory>
#include <string>

#include "host/host.h"
#include "hostsim/core/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/media/media.h"
#include "hostsim/media/storyboard.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"

namespace {

constexpr int32_t kCutSpacing = 10;  // frames
constexpr int kCameras = 3;

class BuildSession {
 public:
  explicit BuildSession(int32_t cuts) : cuts_(cuts) {
    hostsim::HostConfig config = home_.hostConfig();
    const int32_t frames = cuts * kCutSpacing + kCutSpacing;
    for (int i = 0; i < kCameras; ++i)
      config.clips.push_back({uint32_t(801 + i), "Camera " + std::to_string(i + 1), frames, -1, 0});
    host_ = std::make_unique<hostsim::Host>(config);
    op_ = std::make_unique<ostrel3::MulticamOperator>();
    op_->sceneCount = kCameras;
    op_->trimLength = 5;
    op_->cameras[2].useAudio = 1;
    for (int i = 0; i < kCameras; ++i)
      ostrel3::AssignClip(op_->cameras[i], mainGetAVRecordFromId(801 + i, config.projectNumber, 1), -1, -1, -1);
    for (int32_t i = 0; i < cuts; ++i) op_->cutList.insert_or_assign(i * kCutSpacing, i % kCameras);
    for (const char* caption : {"Append to the storyboard", "OK"})
      host_->user().addAction(caption, [caption](hostsim::Host& h) { return h.panels().input().clickCaption(caption); });
  }
  ~BuildSession() {
    op_.reset();
    host_.reset();
  }
  bool build() { return op_->BuildStoryboard(); }
  /// Every insert went in.
  bool complete() const { return host_->media().storyboard().view().scenes.size() >= size_t(cuts_ * 2 / 3); }

 private:
  int32_t cuts_;
  ostrel3_bench::BenchHome home_;
  std::unique_ptr<hostsim::Host> host_;
  std::unique_ptr<ostrel3::MulticamOperator> op_;
};

void BuildStoryboard(benchmark::State& state) {
  const auto cuts = static_cast<int32_t>(state.range(0));
  double seconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto session = std::make_unique<BuildSession>(cuts);
    state.ResumeTiming();
    const double start = ostrel3_bench::threadSeconds();
    const bool written = session->build();
    seconds += ostrel3_bench::threadSeconds() - start;
    state.PauseTiming();
    if (!written || !session->complete()) {
      state.SkipWithError("the output was not written whole");
      break;
    }
    session.reset();
    state.ResumeTiming();
  }
  state.counters["us_per_cut"] = seconds * 1e6 / double(cuts) / double(state.iterations());
}

BENCHMARK(BuildStoryboard)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
