// Choosing a camera's clip in the host's scene chooser. The chooser is
// modal, so scrubbing pauses around it.
#include "host/main.h"
#include "host/vg.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {
// The clip chosen last; it pre-selects the chooser for an empty camera.
// Kept for as long as the module is loaded.
uint32_t lastSelectedUid = 0;
}  // namespace

bool MulticamOperator::SelectSceneForCamera(int camera) {
  ScrubStop();
  const bool changed = chooseClip(camera);
  ScrubStart();
  return changed;
}

bool MulticamOperator::chooseClip(int a) {
  if (a < 0 || a >= sceneCount || a >= kCameraSlots) {
    OS3_LOG(kLogFailed);
    return false;
  }
  CameraSlot& camera = cameras[a];
  const uint32_t previous = camera.hasClip() ? camera.sourceUid : 0;
  if (camera.hasClip()) lastSelectedUid = camera.sourceUid;
  const uint32_t uid = mainSelectSceneRequesterExt(lastSelectedUid, 1);
  lastSelectedUid = uid;
  if (uid == 0) return false;  // the user cancelled
  const bool changed = uid != previous;
  // Choosing the clip the camera has gives it a fresh copy but is no change
  // worth a step back.
  if (changed) PushUndo();
  const AV_RECORD clip = mainGetAVRecordFromId(uid, mainGetActiveProjectNumber(), 1);
  if (!clip) {
    OS3_LOG(kLogFailed);  // the clip left the bin while the chooser was open
    return changed;
  }
  AssignClip(camera, clip, -1, -1, -1);
  camera.colour = vgGetGuiColorYUV(defaultColourIndex(a));
  if (const VG_ELEMENT length = elementSlots[kClipLengthField]) vgActivateElement(panelRequest.panel, length);
  return changed;
}

}  // namespace ostrel3
