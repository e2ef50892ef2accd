// The host-free rules of multi-camera playback.
#include "ostrel3/display/playback_plan.h"

#include <algorithm>
#include <climits>

#include "ostrel3/shell/element_slots.h"

namespace ostrel3 {

namespace {

// Flag bits of the layout record, cameras 1 to 6 in order.
constexpr uint32_t kCameraBits[kPlayedCameras] = {0x1, 0x2, 0x4, 0x8, 0x80, 0x100};
constexpr uint32_t kDefaultMonitorIsFirst = 0x10;
constexpr uint32_t kAlwaysSet = 0x20;
constexpr uint32_t kPreviewInPanel = 0x200;
constexpr uint32_t kPreviewOnOutputMonitor = 0x600;

// Elements whose action would change the project, the view or the
// operator's life under a running player, in the order they are marked.
constexpr int kFixedMarkedSlots[] = {
    kChooseClipButton, kRemoveClipButton, kSynchroniseButton, kPositionSlider, kTimelineArea,
    kZoomAllButton,    kZoomOutButton,    kZoomInButton,      kToStartButton,  kPreviousCutButton,
    kNextCutButton,    kMoveCutButton,    kDeleteCutButton,   kUndoButton,     kRedoButton,
    kSettingsButton,   kCameraColorButton, kCameraAudioCheckBox, kInfoButton,  kApplyButton,
    kLeaveButton,      kScrubToggle,      kClipNameField};

bool hasClip(CameraClipMask withClip, int camera) { return (withClip >> camera) & 1u; }

}  // namespace

int32_t PlaybackStartOf(int32_t resumePos, int32_t first) { return first >= 0 ? first : resumePos; }

PlaybackSpan PlaybackSpanOf(int32_t resumePos, int32_t first, int32_t last, int32_t timelineLast) {
  PlaybackSpan span{PlaybackStartOf(resumePos, first), timelineLast};
  if (last != -1) span.last = std::min(span.last, last);
  return span;
}

int32_t SmallestLastFrame(const std::vector<int32_t>& trimmedLengths) {
  int64_t smallest = INT32_MAX;
  for (int32_t length : trimmedLengths)
    if (length >= 0) smallest = std::min<int64_t>(smallest, int64_t(length) - 1);
  return static_cast<int32_t>(smallest);
}

int32_t FrameOfPlayedFields(int64_t fields, int32_t lastFrame) {
  return static_cast<int32_t>(std::clamp<int64_t>(fields / 2, 0, std::max(lastFrame, 0)));
}

uint32_t MultiCamFlags(CameraClipMask withClip, int32_t sceneCount, bool defaultMonitorIsFirst, OutputPreview preview) {
  uint32_t flags = kAlwaysSet;
  for (int camera = 0; camera < kPlayedCameras; ++camera)
    if (hasClip(withClip, camera) && (camera == 0 || camera < sceneCount)) flags |= kCameraBits[camera];
  if (defaultMonitorIsFirst) flags |= kDefaultMonitorIsFirst;
  if (preview == OutputPreview::InPanel) flags |= kPreviewInPanel;
  if (preview == OutputPreview::OnOutputMonitor) flags |= kPreviewOnOutputMonitor;
  return flags;
}

CM_MULTICAM MakeMultiCamLayout(const MultiCamPlaces& places) {
  CM_MULTICAM layout{};
  layout.flags = places.flags;
  layout.pictureWidth = places.pictureWidth;
  layout.pictureHeight = places.pictureHeight;
  for (int camera = 0; camera < kPlayedCameras; ++camera) {
    int16_t* origin = camera < 4 ? layout.origin[camera] : layout.origin56[camera - 4];
    origin[0] = places.origins[camera][0];
    origin[1] = places.origins[camera][1];
  }
  layout.previewLeft = places.preview.x;
  layout.previewTop = places.preview.y;
  layout.previewWidth = places.preview.width;
  layout.previewHeight = places.preview.height;
  layout.outputList = places.outputList;
  return layout;
}

std::vector<int> PlaybackMarkedSlots(CameraClipMask withClip, int32_t sceneCount) {
  std::vector<int> slots;
  for (int camera = 0; camera < std::min<int32_t>(sceneCount, kPlayedCameras); ++camera)
    if (!hasClip(withClip, camera)) slots.push_back(CameraButtonSlot(camera));
  slots.insert(slots.end(), std::begin(kFixedMarkedSlots), std::end(kFixedMarkedSlots));
  return slots;
}

}  // namespace ostrel3
