#include "hostsim/media/play_plan.h"

#include <algorithm>

namespace hostsim {

namespace {

constexpr uint32_t kCameraBits[PlayPlan::kCameras] = {0x1, 0x2, 0x4, 0x8, 0x80, 0x100};
constexpr uint32_t kPreviewInPanel = 0x200;
constexpr uint32_t kPreviewOnOutput = 0x400;
constexpr int32_t kFieldMask = 0x3FFFFFFF;
// Pictures larger than this are no camera boxes: the largest screen.
constexpr int kLargestSide = 8192;

std::string cameraName(int camera) { return "camera " + std::to_string(camera + 1); }

}  // namespace

std::optional<PlayPlan> PlayPlan::make(const std::array<PlayRange, kCameras>& ranges,
                                       const std::array<int32_t, kCameras>& material, std::string& problem) {
  PlayPlan plan;
  int reference = -1;
  for (int i = 0; i < kCameras; ++i) {
    const PlayRange& r = ranges[i];
    if (!r.clip) continue;
    if (material[i] < 0) return problem = cameraName(i) + ": no such clip", std::nullopt;
    if (r.first < 0) return problem = cameraName(i) + ": the first frame is negative", std::nullopt;
    if (r.last < -1) return problem = cameraName(i) + ": the last frame is below -1", std::nullopt;
    const int32_t last = r.last == -1 ? material[i] - 1 : r.last;
    if (last < r.first) return problem = cameraName(i) + ": the range ends before it begins", std::nullopt;
    plan.cameras_[i] = CameraPlay{r.clip, r.first, last, material[i]};
    if (reference < 0) reference = i;
    plan.steps_ = std::max<int32_t>(plan.steps_, last - r.first + 1);
  }
  if (reference < 0) return problem = "no camera has a clip", std::nullopt;
  plan.reference_ = reference;
  return plan;
}

std::optional<int32_t> PlayPlan::frameOf(int camera, int32_t step) const {
  const CameraPlay& c = cameras_[camera];
  if (!c.clip || step < 0) return std::nullopt;
  const int64_t frame = int64_t{c.first} + step;
  if (frame > c.last || frame >= c.material) return std::nullopt;
  return static_cast<int32_t>(frame);
}

std::optional<int32_t> PlayPlan::runsOutAt(int camera) const {
  const CameraPlay& c = cameras_[camera];
  // Material that ends within the range: the first frame beyond it, or the
  // range's own first frame when the clip is too short to reach it.
  if (!c.clip || c.material > c.last) return std::nullopt;
  return std::max(c.material, c.first) - c.first;
}

int32_t cameraEventValue(int camera, int32_t field) {
  return static_cast<int32_t>((static_cast<uint32_t>(camera) << 30) | (static_cast<uint32_t>(field) & kFieldMask));
}

FrameTimes::FrameTimes(VideoFormat format) {
  // Two fields a frame: 2 / 50 s, or 2 x 1001 / 60000 s = 100100000 / 3 ns.
  if (format == VideoFormat::Ntsc2997) {
    numerator_ = 100'100'000;
    denominator_ = 3;
  } else {
    numerator_ = 40'000'000;
    denominator_ = 1;
  }
}

Nanos FrameTimes::at(int64_t step) const { return Nanos((step * numerator_ + denominator_ - 1) / denominator_); }

int64_t FrameTimes::firstAfter(Nanos elapsed) const {
  if (elapsed.count() < 0) return 0;
  return elapsed.count() * denominator_ / numerator_ + 1;
}

AV_RECORD outputClipAt(const CM_OUTPUT_PAIR* first, int32_t frame, size_t limit) {
  AV_RECORD shown = 0;
  size_t read = 0;
  // The list is in ascending order: the walk ends at the first later start.
  for (const CM_OUTPUT_PAIR* p = first; p && p->clip && read < limit && p->start <= frame; ++p, ++read) shown = p->clip;
  return shown;
}

PreviewPlace previewPlace(uint32_t flags) {
  if (flags & kPreviewOnOutput) return PreviewPlace::OutputMonitor;
  if (flags & kPreviewInPanel) return PreviewPlace::Panel;
  return PreviewPlace::None;
}

bool cameraShown(uint32_t flags, int camera) {
  return camera >= 0 && camera < PlayPlan::kCameras && (flags & kCameraBits[camera]) != 0;
}

std::pair<int16_t, int16_t> cameraOrigin(const CM_MULTICAM& layout, int camera) {
  if (camera < 4) return {layout.origin[camera][0], layout.origin[camera][1]};
  return {layout.origin56[camera - 4][0], layout.origin56[camera - 4][1]};
}

std::string layoutProblem(const CM_MULTICAM& layout, int screenWidth, int screenHeight) {
  bool anyCamera = false;
  for (int i = 0; i < PlayPlan::kCameras; ++i) anyCamera = anyCamera || cameraShown(layout.flags, i);
  if (anyCamera && (layout.pictureWidth < 1 || layout.pictureHeight < 1))
    return "the camera pictures have no size";
  if (anyCamera && (layout.pictureWidth > screenWidth || layout.pictureHeight > screenHeight))
    return "the camera pictures are larger than the screen";
  if (previewPlace(layout.flags) != PreviewPlace::None &&
      (layout.previewWidth < 1 || layout.previewHeight < 1 || layout.previewWidth > kLargestSide ||
       layout.previewHeight > kLargestSide))
    return "the output preview has no usable size";
  return {};
}

}  // namespace hostsim
