// What the player reports while it plays: positions, which move the cursor
// and the overview's marker, and cameras whose material ran out.
#include <cstdint>

#include "host/nsl.h"
#include "host/vg.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {
// Positions within the first frames: the player shows camera 1 there.
constexpr int32_t kNearStartFrames = 5;
}  // namespace

void MulticamOperator::PlaybackPosition(int32_t fields) {
  const int32_t frame = FrameOfPlayedFields(fields, LastFrame());
  if (frame < kNearStartFrames && !IsCameraSelectable(activeCamera)) {
    // An empty camera cannot stay active while playback shows camera 1.
    activeCamera = 0;
    vgActivateElement(panelRequest.panel, elementSlots[CameraButtonSlot(0)]);
    MarkActiveCamera(false);
  }
  if (playStarting) setPlayFlags(false, true);
  if (!playing) return;
  position = frame;
  RedrawTimeline(false);
}

void MulticamOperator::HandlePlayCamera(int32_t camera, int32_t fields) {
  // A report that was on its way when the playback stopped changes nothing.
  if (!playStarting && !playing) return;
  if (camera != activeCamera || !cameras[0].hasClip()) return;
  const int64_t cameraOneFields = 2 * int64_t(nslGetTrimmedAVRecordLength(cameras[0].record));
  if (fields < 0 || fields >= cameraOneFields - 1 || fields / 2 > LastFrame()) {
    OS3_LOG(kLogRefused);
    return;
  }
  // The active camera has nothing more to show: camera 1 takes over there.
  position = fields / 2;
  SetCameraAtPosition(0);
  if (!IsCameraSelectable(0)) return;
  vgActivateElement(panelRequest.panel, elementSlots[CameraButtonSlot(0)]);
  activeCamera = 0;
  MarkActiveCamera(false);
}

}  // namespace ostrel3
