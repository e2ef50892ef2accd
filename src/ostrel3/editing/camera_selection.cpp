// Choosing the active camera, following the position, deleting a cut.
#include "host/vg.h"
#include "ostrel3/editing/cut_geometry.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {
constexpr int32_t kSliderValueTag = 40;
}

void MulticamOperator::SelectCamera(int camera, int buttonSlot) {
  const VG_PANEL panel = panelRequest.panel;
  // The keys of cameras 5 and 6 reach here with fewer cameras in use; the
  // active camera must stay among those shown.
  if (camera < 0 || camera >= sceneCount || camera >= kCameraSlots) {
    OS3_LOG(kLogRefused);
    vgPointerBeep();
    return;
  }
  if ((playStarting || playing) && !cameras[camera].hasClip()) {
    if (buttonSlot == -1) vgActivateElement(panel, elementSlots[CameraButtonSlot(activeCamera)]);
    vgPointerBeep();
    return;
  }
  if (buttonSlot != -1) vgActivateElement(panel, elementSlots[buttonSlot]);
  activeCamera = camera;
  SetCameraAtPosition(camera);
  RedrawTimeline(false);
  // The active camera's picture is what the output monitor and the live
  // picture show; during playback the player draws them from the edit.
  if ((threeMonitors || previewPanel) && !playStarting && !playing) ShowCameraPicture(camera);
  MarkActiveCamera(false);
  UpdateCameraPanel(camera, true);
}

void MulticamOperator::UpdateCursor(bool updateSlider) {
  const int32_t monitor = vgGetDefaultMonitor();
  vgDisableRefresh(monitor);
  if (updateSlider && elementSlots[kPositionSlider])
    vgChangeElement(panelRequest.panel, elementSlots[kPositionSlider], kSliderValueTag, position, 1);
  // While a cut is moved, the camera it chooses stays the active one.
  const auto camera = CameraAt(cutList, moveMode ? moveFrom : position);
  // A cut may name a camera beyond those in use (a project saved with more
  // cameras); the active camera stays among those shown.
  if (camera && *camera >= 0 && *camera < sceneCount && *camera < kCameraSlots) {
    activeCamera = *camera;
    vgActivateElement(panelRequest.panel, elementSlots[CameraButtonSlot(activeCamera)]);
    MarkActiveCamera(false);
    UpdateCameraPanel(activeCamera, false);
  }
  // The visible window follows the position and keeps its width.
  const TimelineWindow window = FollowPosition({zoomIn, zoomOut}, position);
  zoomIn = window.first;
  zoomOut = window.last;
  if (!playing && !playStarting) RedrawAll();
  ScrubUpdate(false);
  vgEnableRefresh(monitor);
}

void MulticamOperator::RedrawAll() {
  for (int i = 0; i < sceneCount && i < kCameraSlots; ++i) ShowCameraPicture(i);
  // The length follows the clips, so the overview is drawn with it fresh.
  UpdateTimeline();
}

void MulticamOperator::DeleteCutAtPosition() {
  auto point = cutList.lower_bound(position);
  if (point == cutList.end()) return;
  if (point->first != position && point != cutList.begin()) --point;
  const int32_t frame = point->first;
  PushUndo();
  cutList.erase(point);
  NormaliseCutList(cutList);
  if (cutList.empty() || frame == 0) {
    // Camera 1 takes frame 0 again when it has a clip.
    const int32_t kept = position;
    position = 0;
    SelectCamera(0, -1);
    position = kept;
  }
  UpdateCursor(true);
}

}  // namespace ostrel3
