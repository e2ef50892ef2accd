// One frame of the host's player: six camera boxes and the edit's picture
// painted and written to the screen, as its task does 25 times a second. A
// frame must cost well under its 40 ms, or the player drops frames.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "host/host.h"
#include "hostsim/core/host.h"
#include "hostsim/gui/display.h"
#include "hostsim/media/frame_painter.h"
#include "hostsim/media/media.h"

namespace {

namespace fs = std::filesystem;
using hostsim::VideoFormat;

struct PlayerHost {
  explicit PlayerHost(VideoFormat format) {
    hostsim::HostConfig c = home.hostConfig();
    c.format = format;
    for (uint32_t i = 0; i < 6; ++i) c.clips.push_back({1001 + i, "Camera " + std::to_string(i + 1), 3000});
    host = std::make_unique<hostsim::Host>(c);
    for (uint32_t i = 0; i < 6; ++i) clips.push_back(mainGetAVRecordFromId(1001 + i, c.projectNumber, 1));
  }
  ~PlayerHost() { host.reset(); }
  ostrel3_bench::BenchHome home;
  std::unique_ptr<hostsim::Host> host;
  std::vector<AV_RECORD> clips;
};

// Six boxes of 576 x 324 and a preview of 640 x 360, as a six-camera panel
// on a 1920 x 1080 screen has them.
void PlayerFrame(benchmark::State& state) {
  PlayerHost h(static_cast<VideoFormat>(state.range(0)));
  hostsim::Media& media = h.host->media();
  hostsim::FramePainter painter(media.clips(), media.render(), h.host->display().screen(), h.host->config().format);
  const VG_CORNERS screen{0, 0, 1919, 1079};
  int32_t frame = 100;
  for (auto _ : state) {
    std::vector<hostsim::PictureJob> jobs;
    for (int i = 0; i < 6; ++i) {
      const VG_RECT box{static_cast<int16_t>(20 + 600 * (i % 3)), static_cast<int16_t>(20 + 340 * (i / 3)), 576, 324};
      jobs.push_back({1, box, screen, h.clips[i], frame});
    }
    jobs.push_back({1, VG_RECT{640, 700, 640, 360}, screen, h.clips[0], frame});
    painter.paint(jobs);
    ++frame;
  }
  state.SetLabel(state.range(0) == int(VideoFormat::Hd1080i25) ? "1080i" : "PAL");
}
BENCHMARK(PlayerFrame)->Arg(int(VideoFormat::Pal25))->Arg(int(VideoFormat::Hd1080i25))->Unit(benchmark::kMillisecond);

}  // namespace
