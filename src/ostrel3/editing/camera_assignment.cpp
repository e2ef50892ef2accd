// The choose-clip and remove-clip commands: the model first, then the
// length, the trims, the cuts and the panel follow.
#include <algorithm>

#include "host/vg.h"
#include "ostrel3/editing/assignment_rules.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::AssignSceneToActiveCamera() {
  PlayStop(false);
  if (!SelectSceneForCamera(activeCamera)) return;
  const int32_t oldLength = projectLength;
  clampToShorterTimeline(oldLength);
  RedrawTimeline(false);
  ApplySyncTrims();
  // The new clip's sync in-point can shorten the project further.
  clampToShorterTimeline(oldLength);
  // The trims changed since the overview was drawn: draw it again even
  // within the same tick.
  RedrawTimeline(true);
  UpdateCameraLabels();
  UpdateCameraPanel(activeCamera, true);
  // The camera shows its new clip, and the new trims may show other frames
  // of the other cameras at the position.
  showCameraPictures();
  MarkActiveCamera(true);
}

void MulticamOperator::showCameraPictures() {
  if (!panelRequest.panel) return;
  for (int i = 0; i < sceneCount && i < kCameraSlots; ++i) ShowCameraPicture(i);
}

void MulticamOperator::clampToShorterTimeline(int32_t oldLength) {
  UpdateTimelineLength();
  if (projectLength >= oldLength) return;
  TrimCutsToLength();
  // A project that lost its whole length keeps its first cut.
  if (cutList.empty()) cutList.emplace(0, 0);
}

void MulticamOperator::RemoveClipFromActiveCamera() {
  CameraSlot& camera = cameras[activeCamera];
  if (playing || playStarting || !camera.hasClip()) {
    vgPointerBeep();
    return;
  }
  PlayStop(false);
  PushUndo();
  ClearCameraSlot(camera);
  camera.recStart = RecordingTime{};
  camera.recEnd = RecordingTime{};

  ShowEmptyCamera(activeCamera);
  ApplySyncTrims();
  UpdateTimeline();
  UpdateCameraPanel(activeCamera, true);

  EraseCameraCuts(cutList, activeCamera);
  // Without clips the timeline is empty and only frame 0 is left.
  position = std::clamp(position, 0, std::max(LastFrame(), 0));
  UpdateCameraPanel(activeCamera, true);
  UpdateCameraLabels();
  MarkActiveCamera(false);
  RedrawTimeline(true);
  UpdateCursor(true);
}

}  // namespace ostrel3
