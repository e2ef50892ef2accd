// Opening and closing the main panel: find the largest camera pictures with
// which the whole layout fits the visible area, then create it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "host/cm.h"
#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/main_panel_layout.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/shell/panel_sizing.h"

namespace ostrel3 {

namespace {

constexpr uint32_t kPanelFlags = 0x14040;
constexpr uint32_t kPlaybackPanelFlags = 0x200;
constexpr uint32_t kPictureClickValue = 0x1010000;
constexpr int32_t kNoRoomText = 364;
constexpr int32_t kEmptyColour = 19;
constexpr int16_t kPictureFrame = 4;
constexpr double kLivePictureVersion = 42.42;

struct VisibleArea {
  int16_t x0 = 0, y0 = 0, width = 0, height = 0;
};

VisibleArea visibleArea() {
  int16_t x0 = 0, y0 = 0, x1 = -1, y1 = -1;
  vgGetVisibleAreaMonitor(&x0, &y0, &x1, &y1, vgGetDefaultMonitor());
  return {x0, y0, static_cast<int16_t>(x1 - x0 + 1), static_cast<int16_t>(y1 - y0 + 1)};
}

VG_RECT inset(const VG_RECT& r, int by) {
  return {int16_t(r.x + by), int16_t(r.y + by), int16_t(r.width - 2 * by), int16_t(r.height - 2 * by)};
}

void tellNoRoom(RES_STRINGS strings) {
  VREQ_TEXT request{};
  request.text = resGetString(strings, kNoRoomText);
  request.flags = 2;
  if (vreqTextRequest(&request) != 0) OS3_LOG(kLogFailed);
}

// The render library's version read as the decimal number major.minor.
double renderVersion() {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d", static_cast<int>(cmVersion(0)), static_cast<int>(cmVersion(1)));
  return std::strtod(text, nullptr);
}

}  // namespace

bool MulticamOperator::OpenPanel(OperatorMsg* message) {
  restartRequested = false;
  if (!gadgetExt.get() || !strings || !message) return false;
  runMessage = message;
  const double rate = VideoFrameRate(message->flags, message->fieldRate);
  for (auto& camera : cameras) camera.recRate = rate;
  panelRequest = VREQ_REQUEST{};
  if (!findFittingPictureSize()) return false;
  // Camera 1's sound always goes into the output; its box shows it ticked.
  if (activeCamera == 0) cameras[0].useAudio = 1;
  if (!BuildPanel(true)) {
    OS3_LOG(kLogFailed);
    return false;
  }
  openPlaybackPanel();
  showPanelContents();
  return true;
}

bool MulticamOperator::findFittingPictureSize() {
  const VisibleArea area = visibleArea();
  const auto fits = [this](const PanelSize& size) {
    pictureWidth = size.pictureWidth;
    pictureHeight = size.pictureHeight;
    spacerHeight = size.spacerHeight;
    sceneCount = size.sceneCount;
    return BuildPanel(false);
  };
  const PanelSize found = FindPanelSize(area.width, area.height, vgGetPixelAspect(vgGetDefaultMonitor()), sceneCount,
                                        fits, [] { OS3_LOG(kLogFailed); });
  // The last size tried is in the members: the one found, or two cameras at the smallest size.
  if (found.sceneCount == 0) {
    tellNoRoom(strings.get());
    return false;
  }
  if (activeCamera >= sceneCount) activeCamera = sceneCount - 1;
  return true;
}

bool MulticamOperator::livePictureAllowed(int16_t visibleHeight) const {
  static bool toldOldVersion = false;
  if (visibleHeight <= 512) return false;
  if (renderVersion() >= kLivePictureVersion) return true;
  if (!toldOldVersion) {
    toldOldVersion = true;
    OS3_LOG(kLogNotice);
  }
  return false;
}

bool MulticamOperator::LivePictureOffered() const {
  return !threeMonitors && livePictureAllowed(visibleArea().height);
}

bool MulticamOperator::BuildPanel(bool create) {
  const VisibleArea visible = visibleArea();
  VG_RECT usable{visible.x0, visible.y0, visible.width, visible.height};
  if (visible.width == vgGetScreenWidth()) {
    usable.x = static_cast<int16_t>(usable.x + vgConvertWidth(20));
    usable.width = static_cast<int16_t>(usable.width - 2 * vgConvertWidth(20));
  }
  if (visible.height == vgGetScreenHeight()) {
    usable.y = static_cast<int16_t>(usable.y + vgConvertHeight(10));
    usable.height = static_cast<int16_t>(usable.height - 2 * vgConvertHeight(10));
  }
  const bool live = livePictureAllowed(visible.height);
  MainPanelLayout layout(*this, pictureWidth, pictureHeight, sceneCount <= 3 ? spacerHeight : int16_t(0), live);
  const bool fits = layout.layOut(usable);
  if (!create) return fits;

  panelRequest.queue = eventQueue.get();
  panelRequest.flags = kPanelFlags;
  panelRequest.width = vgGetScreenWidth();
  panelRequest.height = vgGetScreenHeight();
  if (vreqCreateRequest(&panelRequest) != 0) return false;
  if (!layout.create(panelRequest.panel)) {
    // A half-made panel is of no use: take it down again.
    if (vreqDeleteRequest(&panelRequest) == -1) OS3_LOG(kLogFailed);
    panelRequest = VREQ_REQUEST{};
    return false;
  }
  timelineArea = layout.timeline();
  titleArea = layout.projectTitle();
  waveformArea = layout.waveform();
  syncStateArea = layout.syncState();
  takeCameraAreas(layout);
  takeLivePicture(layout, live);
  return true;
}

void MulticamOperator::takeCameraAreas(const MainPanelLayout& layout) {
  int16_t smallestWidth = 0x7FFF, smallestHeight = 0x7FFF;
  for (int i = 0; i < sceneCount && i < kCameraSlots; ++i) {
    CameraSlot& camera = cameras[i];
    const PanelArea box = layout.pictureBox(i);
    VG_RECT place{};
    if (!box.panel || vgGetPanelRect(box.panel, &place) != 0) {
      camera.boxPanel = 0;
      camera.boxRect = VG_RECT{};
      camera.swatchRect = VG_RECT{};
      for (auto& v : camera.displayRect) v = 0;
      continue;
    }
    const VG_RECT picture = inset(box.rect, kPictureFrame);
    elementSlots[CameraPictureSlot(i)] =
        vgAddClickGadget(box.panel, picture.x, picture.y, picture.width, picture.height, kPictureClickValue, 0);
    smallestWidth = std::min(smallestWidth, picture.width);
    smallestHeight = std::min(smallestHeight, picture.height);
    camera.displayRect[0] = static_cast<int16_t>(place.x + picture.x);
    camera.displayRect[1] = static_cast<int16_t>(place.y + picture.y);
    camera.displayRect[2] = static_cast<int16_t>(camera.displayRect[0] + picture.width - 1);
    camera.displayRect[3] = static_cast<int16_t>(camera.displayRect[1] + picture.height - 1);
    camera.boxPanel = box.panel;
    camera.boxRect = inset(box.rect, -kPictureFrame);
    const PanelArea swatchBox = layout.swatchBox(i);
    camera.swatchRect = swatchBox.panel ? inset(swatchBox.rect, kPictureFrame) : VG_RECT{};
    vgSetColorYUV(camera.colour);
    if (swatchBox.panel)
      vgRectFill(box.panel, camera.swatchRect.x, camera.swatchRect.y,
                 int16_t(camera.swatchRect.x + camera.swatchRect.width - 1),
                 int16_t(camera.swatchRect.y + camera.swatchRect.height - 1));
  }
  if (smallestWidth != 0x7FFF) pictureWidth = smallestWidth, pictureHeight = smallestHeight;
}

void MulticamOperator::takeLivePicture(const MainPanelLayout& layout, bool allowed) {
  previewPanel = 0;
  previewRect = VG_RECT{};
  const PanelArea live = layout.livePicture();
  if (threeMonitors || !allowed || !showOutPreview || !live.panel) return;
  if (live.rect.width < 16 || live.rect.height < 9) return;
  previewPanel = live.panel;
  previewRect = live.rect;
  vgSetColorYUV(vgGetNewGuiColorYUV(kEmptyColour));
  vgRectFill(previewPanel, previewRect.x, previewRect.y, int16_t(previewRect.x + previewRect.width - 1),
             int16_t(previewRect.y + previewRect.height - 1));
}

void MulticamOperator::openPlaybackPanel() {
  int16_t x0 = 0, y0 = 0, x1 = -1, y1 = -1;
  VG_RECT place{};
  playbackPanel = 0;
  if (vgGetVisibleArea(&x0, &y0, &x1, &y1) != 0 || vgGetPanelRect(panelRequest.panel, &place) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  playbackPanel = vgCreatePanel(panelRequest.panel, int16_t(x0 - place.x), int16_t(y0 - place.y), int16_t(x1 - x0 + 1),
                                int16_t(y1 - y0 + 1), kPlaybackPanelFlags, 0, 0);
  if (!playbackPanel || vgGetPanelRect(playbackPanel, &playbackRect) != 0) OS3_LOG(kLogFailed);
}

// The clips may have been trimmed by another panel or by the host: the
// cameras are put back in step before anything is drawn, so a project whose
// cameras carry sync points opens in step.
void MulticamOperator::showPanelContents() {
  PlayStop(false);
  ApplySyncTrims();
  UpdateTimeline();
  UpdateCameraLabels();
  UpdateCameraPanel(activeCamera, true);
  RedrawAll();
  MarkActiveCamera(true);
  DrawProjectTitle();
  RedrawTimeline(true);
}

void MulticamOperator::ClosePanel() {
  previewPanel = 0;
  pictures.release();
  if (panelRequest.panel && vreqDeleteRequest(&panelRequest) == -1) OS3_LOG(kLogFailed);
  panelRequest = VREQ_REQUEST{};
  playbackPanel = 0;
  timelineArea = titleArea = waveformArea = syncStateArea = PanelArea{};
  for (auto& slot : elementSlots) slot = 0;
  for (auto& camera : cameras) {
    camera.boxPanel = 0;
    for (auto& side : camera.displayRect) side = 0;
  }
}

}  // namespace ostrel3
