// The camera part of the main panel: the camera buttons' captions and the
// block that shows the active camera's clip, colour, sound and sync state.
#include <algorithm>

#include "host/nsl.h"
#include "host/res.h"
#include "host/vg.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/refresh_pause.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

// The camera whose data the block showed last; survives panel rebuilds as
// long as the module is loaded.
int lastShownCamera = -1;

constexpr int32_t kBackgroundColour = 2;
constexpr int32_t kSyncedImage = 126;
constexpr int32_t kNotSyncedImage = 122;

void change(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t value) {
  if (element && vgChangeElement(panel, element, tag, value, 1) == -1) OS3_LOG(kLogFailed);
}

// Even coordinates keep the picture on the GUI's pixel pairs.
int16_t evenFloor(int value) { return static_cast<int16_t>(value & ~1); }

}  // namespace

void MulticamOperator::UpdateCameraLabels() {
  const int count = std::min(sceneCount, kCameraSlots);
  for (int i = 0; i < count; ++i) {
    const CameraSlot& camera = cameras[i];
    const XCHAR* text = camera.hasClip() ? nslGetAVRecordName(camera.record) : nullptr;
    if (!text) text = resGetString(strings.get(), defaultNameId(i));
    if (!text) text = u"";
    change(panelRequest.panel, elementSlots[CameraButtonSlot(i)], VG_TAG_CAPTION, reinterpret_cast<intptr_t>(text));
  }
}

void MulticamOperator::UpdateCameraPanel(int c, bool force) {
  if (force) lastShownCamera = -1;
  if (c == lastShownCamera) return;
  if (c < 0 || c >= kCameraSlots) {
    OS3_LOG(kLogFailed);
    return;
  }
  lastShownCamera = c;
  RefreshPause pause;
  CameraSlot& camera = cameras[c];
  const VG_PANEL panel = panelRequest.panel;
  const XCHAR* name = camera.hasClip() ? nslGetAVRecordName(camera.record) : nullptr;
  const int32_t length = camera.hasClip() ? 2 * nslGetTrimmedAVRecordLength(camera.record) : 0;

  change(panel, elementSlots[kClipNameField], VG_TAG_TEXT, reinterpret_cast<intptr_t>(name ? name : u""));
  if (const VG_ELEMENT slider = elementSlots[kClipLengthField]) {
    if (camera.hasClip()) vgActivateElement(panel, slider);
    else vgInactivateElement(panel, slider);
  }
  change(panel, elementSlots[kClipLengthField], VG_TAG_TIME, std::max(length, 0));
  change(panel, elementSlots[kCameraColorButton], VG_TAG_COLOUR, camera.colour);
  // Camera 1 is the base of the output: its sound always goes in, and its
  // box shows so without letting the user change it.
  if (c == 0) camera.useAudio = 1;
  if (const VG_ELEMENT audio = elementSlots[kCameraAudioCheckBox]) {
    change(panel, audio, VG_TAG_CHECKED, camera.useAudio & 1);
    if (c == 0) vgDisableElement(panel, audio);
    else vgEnableElement(panel, audio);
  }
  drawSyncState(camera);
}

void MulticamOperator::drawSyncState(const CameraSlot& camera) {
  const PanelArea& area = syncStateArea;
  if (!area.panel) return;
  const VG_RECT& r = area.rect;
  vgFillBackground(area.panel, r.x, r.y, int16_t(r.x + r.width - 1), int16_t(r.y + r.height - 1), kBackgroundColour,
                   0);
  VG_IMAGE* image = vgGetScaledResImage(images.get(), camera.synced ? kSyncedImage : kNotSyncedImage, 0, 0, 1);
  if (!image) {
    OS3_LOG(kLogFailed);
    return;
  }
  const int16_t x = evenFloor(r.x + (r.width - image->width) / 2);
  const int16_t y = evenFloor(r.y + (r.height - image->height) / 2);
  if (vgWriteResImage(area.panel, image, x, y) == -1) OS3_LOG(kLogFailed);
}

}  // namespace ostrel3
