// Positioning a camera on the host's jog slider: every step moves the
// camera's sync frame and redraws it; confirm marks the pair, cancel puts
// the frame back. While a camera is positioned the other controls beep.
#include <algorithm>

#include "host/vg.h"
#include "ostrel3/shell/log.h"
#include "sync_requester/sync_dialog.h"
#include "sync_requester/sync_geometry.h"

namespace ostrel3 {

namespace {
constexpr uint32_t kSliderFlags = 0x30000;
constexpr int32_t kSliderInactivation = 3;
constexpr uint32_t kParserPositioning = 0x520F0066;
enum JogSubCode : int32_t { kJogMoved = 2, kJogConfirmed = 3, kJogCancelled = 4 };
enum JogCommand : int32_t { kJogConfirm = 0x10001, kJogCancel = 0x10003, kJogStep = 0x10010 };
constexpr int kBeepList[] = {kSyncClose, kSyncCameraPopup, kSyncScrubBox, kSyncPreviewToEnds, kSyncPreviewAround,
                             kSyncRefPosition, kSyncPosition, kSyncAutomatic, kSyncAllCameras};

VG_PANEL panelOf(int slot, VG_PANEL root, VG_PANEL picturePanel) {
  return slot >= kSyncRefName && slot <= kSyncStripLabel ? picturePanel : root;
}
}  // namespace

void SyncDialog::beep(int slot, bool on) {
  const VG_ELEMENT e = elements_[slot];
  if (!e) return;
  const VG_PANEL panel = panelOf(slot, request_.panel, picturePanel_);
  if ((on ? vgBeepElement(panel, e) : vgUnBeepElement(panel, e)) == -1) OS3_LOG(kLogFailed);
}

void SyncDialog::beepList(bool on) {
  for (int slot : kBeepList) beep(slot, on);
}

void SyncDialog::setParserId(uint32_t id) {
  if (request_.panel && vgSetRootPanelParserID(request_.panel, id) == -1) OS3_LOG(kLogFailed);
}

int32_t& SyncDialog::positionedFrame() {
  return scrubCamera_ == 0 ? params_.syncIn[params_.syncCamera] : params_.trimIn[scrubCamera_];
}

void SyncDialog::refreshPositioned() {
  if (scrubCamera_ == 0) refreshReference();
  else refreshSync();
}

void SyncDialog::startPositioning(int k) {
  if (k < 0 || k >= kSyncCameras || !params_.record[k] || scrubCamera_ >= 0 || !request_.panel) return;
  sliderMin_ = 0;
  sliderMax_ = std::max(length(k) - 1, 0);
  sliderStart_ = k == 0 ? params_.syncIn[params_.syncCamera] : params_.trimIn[k];
  const VG_ELEMENT slider = vgAddVirtualSlider(request_.panel, sliderMin_, sliderMax_, sliderStart_, kSliderFlags);
  if (!slider) {
    OS3_LOG(kLogFailed);
    return;
  }
  elements_[kSyncJog] = slider;
  if (vgActivateVirtualSlider(request_.panel) == -1) OS3_LOG(kLogFailed);
  scrubCamera_ = k;
  if (vgSetVirtualSliderPageSize(request_.panel, params_.rateFps) == -1) OS3_LOG(kLogFailed);
  beep(k == 0 ? kSyncPosition : kSyncRefPosition, true);
  setParserId(kParserPositioning);
  startTicker();
  beepList(true);
}

void SyncDialog::stopPositioning() {
  if (scrubCamera_ < 0 && !elements_[kSyncJog]) return;
  beepList(false);
  stopTicker();
  setParserId(kParserIdle);
  if (request_.panel) {
    if (vgInactivateVirtualSlider(request_.panel, kSliderInactivation) == -1) OS3_LOG(kLogFailed);
    vgAddVirtualSlider(request_.panel, 0, 0, 0, 0);  // an empty range removes it
  }
  elements_[kSyncJog] = 0;
  scrubCamera_ = -1;
  beep(kSyncRefPosition, false);
  beep(kSyncPosition, false);
}

void SyncDialog::endPositioning(bool confirm) {
  if (scrubCamera_ < 0) return;
  // The pair is marked whichever of its two cameras was moved.
  if (confirm) {
    params_.synced[params_.syncCamera] = 1;
    pending_[params_.syncCamera].active = false;  // an automatic result is now the user's
  }
  const int camera = scrubCamera_;
  stopPositioning();
  const int button = camera == 0 ? kSyncRefPosition : kSyncPosition;
  if (elements_[button] && vgInactivateElement(picturePanel_, elements_[button]) == -1) OS3_LOG(kLogFailed);
  if (camera == 0) refreshReference();
  else refreshSync();
}

void SyncDialog::jogElement(const QueueMessage& m) {
  if (scrubCamera_ < 0) return;
  const int32_t frame = std::clamp(m.value, sliderMin_, sliderMax_);
  positionedFrame() = frame;
  refreshPositioned();
  switch (m.subEvent) {
    case kJogMoved: scrubTo(frame); break;
    case kJogConfirmed: endPositioning(true); break;
    case kJogCancelled: endPositioning(false); break;
    default: break;
  }
}

void SyncDialog::jogCommand(const QueueMessage& m) {
  switch (m.identifier) {
    case kJogConfirm:
      if (scrubCamera_ >= 0) endPositioning(true);
      break;
    case kJogCancel:
      if (scrubCamera_ >= 0) {
        positionedFrame() = sliderStart_;
        endPositioning(false);
      } else {
        stopPreview();
        refreshReference();
        refreshSync();
      }
      break;
    case kJogStep: {
      if (!elements_[kSyncJog] || scrubCamera_ < 0) break;
      int32_t& frame = positionedFrame();
      frame = JoggedFrame(frame, m.subEvent, sliderMin_, sliderMax_);
      refreshPositioned();
      scrubTo(frame);
      break;
    }
    default: break;
  }
}

}  // namespace ostrel3
