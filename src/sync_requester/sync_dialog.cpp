// The synchronisation dialog's life: what it takes from the host for one
// run, the event loop, and everything it gives back on every way out.
#include "sync_requester/sync_dialog.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include "host/msgq.h"
#include "host/nsl.h"
#include "host/op.h"
#include "host/vg.h"
#include "host/vg_elements.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {
constexpr uint16_t kCloseKey = 0xE004;
// A qualifier that makes the key something else than a plain close.
constexpr uint16_t kCloseKeyQualifier = 0x800;
}  // namespace

std::unique_ptr<AudioEnvelope> SyncDialog::envelopeFor(int camera) {
  // An empty camera has no sound to read: its strip stays silent.
  if (camera < 0 || camera >= kSyncCameras || !params_.record[camera]) return nullptr;
  auto envelope = std::make_unique<AudioEnvelope>(params_.record[camera]);
  envelope->gain();  // computed now, raised to at least 1
  return envelope;
}

SyncDialog::SyncDialog(SyncParams& params) : params_(params) {
  if (params_.syncCamera <= 0 || params_.syncCamera >= kSyncCameras) params_.syncCamera = 1;
  threeMonitors_ = vgGetConnectedMonitors() == 3;
  refEnvelope_ = envelopeFor(0);
  syncEnvelope_ = envelopeFor(params_.syncCamera);
  strip_.dbScale = false;
  strip_.leadColumns = 0;
  audioScrub_ = params_.syncScrub != 0;
  audioInfo_ = opGetAudioInfo();
  lstInit(&cameraList_);
}

SyncDialog::~SyncDialog() {
  // Sound, ticker and player first: they still use what follows.
  stopTicker();
  stopPreview();
  if (scaler_) sws_freeContext(scaler_);
  scaler_ = nullptr;
  deleteCopies();
  freeImages();
  close();
  strip_.freeBuffers();
  refEnvelope_.reset();
  syncEnvelope_.reset();
}

void SyncDialog::close() {
  if (autoRun_) {
    autoRun_.reset();
    vgStandardPointer();
  }
  restoreUnconfirmed();
  freeImages();
  if (!request_.panel) return;
  if (vreqDeleteRequest(&request_) == -1) OS3_LOG(kLogFailed);
  request_ = VREQ_REQUEST{};
  elements_.fill(0);
  picturePanel_ = refPanel_ = syncPanel_ = stripPanel_ = 0;
}

void SyncDialog::run() {
  int failedReceives = 0;
  for (;;) {
    QueueMessage message;
    if (vgMsgQReceive2(&message, -1, guiQueue_.get()) != static_cast<int32_t>(kMessageSize)) {
      if (++failedReceives >= kMaxFailedReceives) {
        OS3_LOG(kLogFailed);
        stopPositioning();
        stopPreview();
        return;
      }
      continue;
    }
    failedReceives = 0;
    if (handle(message)) return;
  }
}

bool SyncDialog::handle(const QueueMessage& m) {
  switch (m.msgClass) {
    case kMsgKey: {
      const auto code = static_cast<uint16_t>(m.identifier & 0xFFFF);
      const auto qualifier = static_cast<uint16_t>(static_cast<uint32_t>(m.identifier) >> 16);
      if (scrubCamera_ >= 0 || (qualifier & kCloseKeyQualifier) || code != kCloseKey) return false;
      stopPreview();
      return true;
    }
    case kMsgElement: {
      // The frame's own confirm and cancel close the dialog like its close button.
      const auto element = static_cast<VG_ELEMENT>(m.identifier);
      if (element && (element == request_.okElement || element == request_.cancelElement) && scrubCamera_ < 0) {
        stopPreview();
        return true;
      }
      int slot = -1;
      for (int i = 0; i < kSyncSlots; ++i)
        if (elements_[i] && elements_[i] == static_cast<VG_ELEMENT>(m.identifier)) {
          slot = i;
          break;
        }
      switch (slot) {
        case kSyncClose:
          stopPositioning();
          stopPreview();
          return true;
        case kSyncCameraPopup: chooseCamera(); break;
        case kSyncScrubBox:
          audioScrub_ = m.value != 0;
          params_.syncScrub = audioScrub_ ? 1 : 0;
          break;
        case kSyncStopPreview:
          stopPreview();
          refreshReference();
          refreshSync();
          break;
        case kSyncPreviewToEnds: previewPlay(true); break;
        case kSyncPreviewAround: previewPlay(false); break;
        case kSyncRefPosition:
          if (scrubCamera_ < 0) startPositioning(0);
          else stopPositioning();
          refreshReference();
          break;
        case kSyncPosition:
          if (scrubCamera_ < 0) startPositioning(params_.syncCamera);
          else stopPositioning();
          refreshSync();
          break;
        case kSyncJog: jogElement(m); break;
        case kSyncAutomatic: startAutomatic(false); break;
        case kSyncAllCameras: startAutomatic(true); break;
        default: break;
      }
      return false;
    }
    case kMsgTask:
      if (m.identifier == kTickMessageId) tick(m.value);
      else if (m.identifier == kAutoSyncStepMessageId) stepAutomatic();
      return false;
    case kMsgClose:
    case kMsgCloseWindow:
      if (!playing_.load()) {
        stopPositioning();
        stopPreview();
        return true;
      }
      {
        // The first close stops the preview, the next one closes.
        QueueMessage stop;
        stop.msgClass = kMsgPlayStopped;
        if (msgQSend(guiQueue_.get(), &stop, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL) == -1)
          OS3_LOG(kLogFailed);
      }
      return false;
    case kMsgCommand: jogCommand(m); return false;
    case kMsgPlayStopped:
      stopPreview();
      refreshReference();
      refreshSync();
      return false;
    case kMsgPlayPosition: playbackPosition(m.position); return false;
    default: return false;
  }
}

void SyncDialog::chooseCamera() {
  intptr_t chosen = 1;
  if (vgGetElementInfo(request_.panel, elements_[kSyncCameraPopup], VG_TAG_POPUP_VALUE, &chosen) == -1) {
    OS3_LOG(kLogFailed);
    return;
  }
  const int k = static_cast<int>(chosen);
  if (k < 1 || k >= kSyncCameras || !params_.record[k]) return;
  // A camera never synchronised starts where camera 1 is shown now.
  if (!params_.synced[k] && !pending_[k].active) params_.syncIn[k] = params_.syncIn[params_.syncCamera];
  params_.syncCamera = k;
  for (int slot : {kSyncName, kSyncStripLabel}) {
    VG_PANEL panel = slot == kSyncName ? syncPanel_ : stripPanel_;
    if (elements_[slot] &&
        vgChangeElement(panel, elements_[slot], VG_TAG_TEXT_ALT, reinterpret_cast<intptr_t>(params_.name[k]), 1) == -1)
      OS3_LOG(kLogFailed);
  }
  syncEnvelope_ = envelopeFor(k);
  showVerdict(k);
  refreshReference();
  refreshSync();
}

int32_t SyncDialog::length(int camera) const {
  if (camera < 0 || camera >= kSyncCameras || !params_.record[camera]) return 0;
  const int32_t frames = nslGetTrimmedAVRecordLength(params_.record[camera]);
  return frames > 0 ? frames : 0;
}

bool RunSyncDialog(SyncParams& params) {
  // A dialog that never showed gives no results, not even its own defaults.
  const SyncParams before = params;
  try {
    SyncDialog dialog(params);
    if (dialog.open()) {
      dialog.run();
      dialog.close();
      return true;
    }
  } catch (const CMC_Error&) {
    OS3_LOG(kLogFailed);
  }
  params = before;
  return false;
}

}  // namespace ostrel3
