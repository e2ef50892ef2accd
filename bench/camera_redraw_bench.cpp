// Redrawing every camera picture of the main panel on a 1920 x 1080 screen,
// beside libswscale alone doing the scaling that the redraw cannot avoid:
// the same crop of a field into a box of the same size with the same scaler
// settings, once per camera. The redraw should cost at most a quarter more
// than that scaling. On a shared machine the two loops may meet different
// loads, so each redraw case also times both in turn, round by round, in
// processor time: counters redraw_ms and swscale_ms (medians) and ratio.
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

extern "C" {
#include <libswscale/swscale.h>
}

#include "host/host.h"
#include "hostsim/core/host.h"
#include "hostsim/gui/display.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/display/picture_scaling.h"

namespace {

using ostrel3_bench::median;
using ostrel3_bench::threadSeconds;

namespace fs = std::filesystem;
using hostsim::VideoFormat;

constexpr int32_t kPosition = 120;

// The crop and scaling the operator does for every camera, with nothing
// else. Like the operator, it reads every camera's picture from one field
// image, so that both work on memory of the same size.
struct ScalingBaseline {
  OP_IMAGE* field = nullptr;  ///< camera 1's field, fetched once
  int cameras = 0;
  int cropWidth = 0, cropHeight = 0, row = 0, column = 0;
  SwsContext* scaler = nullptr;
  std::vector<uint8_t> box;
  int boxStride = 0;
  int previewWidth = 0, previewHeight = 0;  ///< 0: the panel shows no preview
  std::vector<uint8_t> preview;

  void scaleAll() {
    uint8_t* to[1] = {box.data()};
    const int toStride[1] = {boxStride};
    const OP_IMAGE& f = *field;
    const uint8_t* planes[3] = {f.plane0 + row * f.stride[0] + column, f.plane1 + (row / 2) * f.stride[1] + column / 2,
                                f.plane2 + (row / 2) * f.stride[2] + column / 2};
    for (int i = 0; i < cameras; ++i) sws_scale(scaler, planes, f.stride, 0, cropHeight, to, toStride);
    if (previewWidth > 0) scalePreview();
  }
  // The active camera's whole field into the preview, through a scaler made
  // for this one picture, as the operator does.
  void scalePreview() {
    const OP_IMAGE& f = *field;
    SwsContext* once = ostrel3::PictureAdjustment(f.width, f.height, previewWidth, previewHeight);
    const uint8_t* planes[3] = {f.plane0, f.plane1, f.plane2};
    uint8_t* to[1] = {preview.data()};
    const int toStride[1] = {4 * previewWidth};
    sws_scale(once, planes, f.stride, 0, f.height, to, toStride);
    sws_freeContext(once);
  }
  ~ScalingBaseline() {
    if (scaler) sws_freeContext(scaler);
    if (field) opFreeImage(field);
  }
};

// A stand-in host without call trace, the operator with its main panel open
// and a clip on every camera shown.
class RedrawSession {
 public:
  RedrawSession(VideoFormat format, int cameras, bool preview) {
    hostsim::HostConfig config = home_.hostConfig();
    config.format = format;
    for (int i = 0; i < cameras; ++i)
      config.clips.push_back({uint32_t(801 + i), "Camera " + std::to_string(i + 1), 500, -1, 0});
    host_ = std::make_unique<hostsim::Host>(config);
    op_ = std::make_unique<ostrel3::MulticamOperator>();
    op_->sceneCount = cameras;
    op_->showOutPreview = preview ? 1 : 0;
    run_.code = OP_MSG_RUN;
    run_.fieldRate = 50;
    if (!op_->OpenPanel(&run_)) {
      error("the main panel did not open");
      return;
    }
    if (op_->sceneCount != cameras || (op_->previewPanel != 0) != preview) {
      error("the panel does not show " + std::to_string(cameras) + " cameras " + (preview ? "with" : "without") +
            " the preview");
      return;
    }
    for (int i = 0; i < cameras; ++i)
      op_->cameras[i].record = nslCopyAVRecord(mainGetAVRecordFromId(801 + i, config.projectNumber, 1), 0);
    op_->position = kPosition;
    redraw();  // makes the images and the scaler, and brings the fields into the host's cache
    check();
  }
  ~RedrawSession() {
    baseline_.reset();
    if (op_ && op_->panelRequest.panel) op_->ClosePanel();
    op_.reset();
    host_.reset();
  }

  const std::string& failure() const { return failure_; }
  int boxWidth() const { return op_->pictureWidth; }
  int boxHeight() const { return op_->pictureHeight; }
  int previewWidth() const { return op_->previewPanel ? op_->previewRect.width : 0; }

  void redraw() {
    for (int i = 0; i < op_->sceneCount; ++i) op_->ShowCameraPicture(i);
  }
  ScalingBaseline& baseline() {
    if (!baseline_) makeBaseline();
    return *baseline_;
  }

 private:
  void error(std::string text) {
    if (failure_.empty()) failure_ = std::move(text);
  }
  // A redraw that failed part-way would be quick for the wrong reason.
  void check() {
    if (!host_->log().callerLines(4).empty()) return error("the operator logged a failure");
    const OP_IMAGE* box = op_->pictures.boxImage;
    if (!box || box->width != op_->pictureWidth) return error("no box image");
    const auto& rect = op_->cameras[op_->sceneCount - 1].displayRect;
    const uint32_t onScreen = host_->display().screen().pixel(1, rect[0], rect[1]);
    if ((onScreen & 0xFFFFFF) != (*reinterpret_cast<const uint32_t*>(box->plane0) & 0xFFFFFF))
      error("the last box is not on the screen");
  }
  void makeBaseline() {
    baseline_ = std::make_unique<ScalingBaseline>();
    ScalingBaseline& b = *baseline_;
    int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    cmGetVisibleArea(op_->render.get(), &x0, &y0, &x1, &y1, 0);
    b.cameras = op_->sceneCount;
    b.field = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
    cmGetField(op_->render.get(), b.field, 0, 2 * nslGetVideoFrameOffset(op_->cameras[0].record, kPosition));
    const OP_IMAGE& f = *b.field;
    b.cropWidth = x1 - x0 + 1;
    b.cropHeight = (y1 - y0 + 1) / 2;
    b.row = (f.height - b.cropHeight) / 2;
    b.column = (f.width - b.cropWidth) / 2;
    b.scaler = ostrel3::PictureAdjustment(b.cropWidth, b.cropHeight, boxWidth(), boxHeight());
    b.boxStride = 4 * boxWidth();
    b.box.assign(size_t(b.boxStride) * boxHeight(), 0);
    if (op_->previewPanel) {
      b.previewWidth = op_->previewRect.width;
      b.previewHeight = op_->previewRect.height;
      b.preview.assign(size_t(4) * b.previewWidth * b.previewHeight, 0);
    }
  }

  ostrel3_bench::BenchHome home_;
  std::unique_ptr<hostsim::Host> host_;
  std::unique_ptr<ostrel3::MulticamOperator> op_;
  OperatorMsg run_{};
  std::unique_ptr<ScalingBaseline> baseline_;
  std::string failure_;
};

// Median processor seconds of one round of each, the rounds taken in turn so
// that both meet the same load on a shared machine.
std::pair<double, double> pairedMedians(int rounds, auto&& first, auto&& second) {
  std::vector<double> a, b;
  const auto seconds = [](auto&& work) {
    const double start = threadSeconds();
    work();
    return threadSeconds() - start;
  };
  for (int r = 0; r < rounds; ++r) {
    a.push_back(seconds(first));
    b.push_back(seconds(second));
  }
  return {median(a), median(b)};
}

void describe(benchmark::State& state, const RedrawSession& s) {
  state.counters["box_w"] = s.boxWidth();
  state.counters["box_h"] = s.boxHeight();
  state.counters["preview_w"] = s.previewWidth();
}

void CameraRedraw(benchmark::State& state, VideoFormat format, int cameras, bool preview) {
  RedrawSession s(format, cameras, preview);
  if (!s.failure().empty()) return state.SkipWithError(s.failure().c_str());
  for (auto _ : state) s.redraw();
  describe(state, s);
  ScalingBaseline& baseline = s.baseline();
  const auto [redraw, scaling] = pairedMedians(
      int(std::clamp<benchmark::IterationCount>(state.iterations(), 20, 400)), [&] { s.redraw(); },
      [&] { baseline.scaleAll(); });
  state.counters["redraw_ms"] = 1e3 * redraw;
  state.counters["swscale_ms"] = 1e3 * scaling;
  state.counters["ratio"] = redraw / scaling;
}

void SwscaleAlone(benchmark::State& state, VideoFormat format, int cameras, bool preview) {
  RedrawSession s(format, cameras, preview);
  if (!s.failure().empty()) return state.SkipWithError(s.failure().c_str());
  ScalingBaseline& baseline = s.baseline();
  for (auto _ : state) baseline.scaleAll();
  describe(state, s);
}

// The camera pictures alone, then with the live output preview that the
// panel shows by default: the active camera's whole field is scaled a second
// time, through a scaler made for that one call. The scaling alone then
// includes the preview's scaling too.
#define REDRAW_CASES(name, format, cameras)                                                                   \
  BENCHMARK_CAPTURE(CameraRedraw, name, format, cameras, false)->Unit(benchmark::kMillisecond);               \
  BENCHMARK_CAPTURE(SwscaleAlone, name, format, cameras, false)->Unit(benchmark::kMillisecond);               \
  BENCHMARK_CAPTURE(CameraRedraw, name##_with_preview, format, cameras, true)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(SwscaleAlone, name##_with_preview, format, cameras, true)->Unit(benchmark::kMillisecond)

REDRAW_CASES(pal_4_cameras, VideoFormat::Pal25, 4);
REDRAW_CASES(pal_6_cameras, VideoFormat::Pal25, 6);
REDRAW_CASES(hd1080_4_cameras, VideoFormat::Hd1080i25, 4);
REDRAW_CASES(hd1080_6_cameras, VideoFormat::Hd1080i25, 6);

}  // namespace
