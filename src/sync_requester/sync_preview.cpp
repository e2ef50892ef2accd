// The preview: both cameras play side by side in their picture rectangles
// through the host's multi-camera playback, from trimmed copies of their
// clips; the time displays and strips follow the player's position. The
// player is stopped and exited before the copies it reads are deleted.
#include <atomic>

#include "host/cm.h"
#include "host/main.h"
#include "host/task.h"
#include "host/msgq.h"
#include "host/nsl.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/playback_notify.h"
#include "sync_requester/sync_dialog.h"
#include "sync_requester/sync_geometry.h"

namespace ostrel3 {

namespace {
constexpr uint32_t kParserPreview = 0x520F0065;
constexpr int32_t kPlayRecordSize = 20;

// The dialog whose preview runs; read by the player's thread.
std::atomic<SyncDialog*> activeSyncDialog{nullptr};

void postToDialog(const QueueMessage& m) {
  SyncDialog* dialog = activeSyncDialog.load();
  if (!dialog) return;
  if (msgQSend(dialog->guiQueue(), &m, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL) == -1) OS3_LOG(kLogFailed);
}

void PreviewPosition(int32_t frame) {
  SyncDialog* dialog = activeSyncDialog.load();
  if (!dialog) return;
  // At most one position waits: the newest.
  const bool locked = taskLock() != -1;
  if (!locked) OS3_LOG(kLogFailed);
  PurgeQueue(dialog->guiQueue());
  QueueMessage m;
  m.msgClass = kMsgPlayPosition;
  m.position = frame;
  postToDialog(m);
  if (locked && taskUnlock() == -1) OS3_LOG(kLogFailed);
}

void PreviewEvent(int32_t event, int32_t argument) {
  QueueMessage m;
  if (event >= 1 && event <= 6) {
    m.msgClass = kMsgPlayStopped;
  } else if (event == 8) {
    m.msgClass = kMsgPlayStatus;
    m.identifier = event;
    m.value = argument;
  } else {
    return;
  }
  postToDialog(m);
}

AV_RECORD trimmedCopy(AV_RECORD record, const PlayRange& range) {
  if (!record) return 0;
  const AV_RECORD copy = nslCopyAVRecord(record, 0);
  if (!copy) {
    OS3_LOG(kLogFailed);
    return 0;
  }
  int32_t in = 0, out = 0;
  if (nslBeginAVRecordTrim(copy, &in, &out) == 0 && nslEndAVRecordTrim(copy, range.first, range.last) == -1)
    OS3_LOG(kLogFailed);
  return copy;
}
}  // namespace

void SyncDialog::deleteCopies() {
  for (AV_RECORD* copy : {&refCopy_, &syncCopy_}) {
    if (*copy && nslDeleteAVRecord(*copy) == -1) OS3_LOG(kLogFailed);
    *copy = 0;
  }
}

void SyncDialog::previewPlay(bool toEnds) {
  const int k = params_.syncCamera;
  // Both cameras must have a clip: a preview of one plays nothing to compare.
  if (!params_.record[0] || !params_.record[k] || playing_.load() || scrubCamera_ >= 0) {
    vgPointerBeep();
    OS3_LOG(kLogRefused);
    return;
  }
  if (!startPlayback(toEnds)) {
    // The player may have taken the copies: it goes before they do.
    if (playerInitialised_) mainPlayExit(0);
    playerInitialised_ = false;
    activeSyncDialog = nullptr;
    deleteCopies();
    return;
  }
  playing_ = true;
  beepList(true);
  setParserId(kParserPreview);
}

bool SyncDialog::startPlayback(bool toEnds) {
  playRecord_ = MAIN_PLAY_CALLBACKS{};
  playRecord_.size = kPlayRecordSize;
  playRecord_.position = PreviewPosition;
  playRecord_.event = PreviewEvent;
  if (mainPlayInit(&playRecord_, 0) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  playerInitialised_ = true;
  const int k = params_.syncCamera;
  CM_MULTICAM layout{};
  layout.flags = PreviewCameraFlags(params_.record[0] != 0, params_.record[k] != 0, vgGetDefaultMonitor());
  layout.pictureWidth = refPicture_.width;
  layout.pictureHeight = refPicture_.height;
  VG_RECT refOrigin{}, syncOrigin{};
  if (vgGetPanelRect(refPanel_, &refOrigin) == -1 || vgGetPanelRect(syncPanel_, &syncOrigin) == -1) OS3_LOG(kLogFailed);
  layout.origin[0][0] = static_cast<int16_t>(refPicture_.x + refOrigin.x);
  layout.origin[0][1] = static_cast<int16_t>(refPicture_.y + refOrigin.y);
  layout.origin[1][0] = static_cast<int16_t>(syncPicture_.x + syncOrigin.x);
  layout.origin[1][1] = static_cast<int16_t>(syncPicture_.y + syncOrigin.y);
  if (cmSetMultiCam(render_.get(), &layout) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  const VG_RECT screen{0, 0, vgGetScreenWidth(), vgGetScreenHeight()};
  if (mainPlaySetGuiRect(&screen, 0) == -1) OS3_LOG(kLogFailed);
  const PlayRange ref = PreviewRange(params_.syncIn[k], length(0), params_.rateFps, toEnds);
  const PlayRange sync = PreviewRange(params_.trimIn[k], length(k), params_.rateFps, toEnds);
  refCopy_ = trimmedCopy(params_.record[0], ref);
  syncCopy_ = trimmedCopy(params_.record[k], sync);
  if (!refCopy_ || !syncCopy_) return false;
  if (mainPlaySetGuiRect(nullptr, 0) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  refPlayStart_ = ref.first;
  syncPlayStart_ = sync.first;
  activeSyncDialog = this;
  if (mainPlayStartMultiple(refCopy_, 0, ref.last - ref.first, syncCopy_, 0, sync.last - sync.first, 0, 0, 0, 0, 0,
                            0, 0) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  return true;
}

void SyncDialog::stopPreview() {
  activeSyncDialog = nullptr;
  // The stop button stays usable while a camera is positioned: positioning
  // keeps its input context and its beeping controls.
  if (scrubCamera_ < 0) {
    setParserId(kParserIdle);
    beepList(false);
  }
  if (playing_.exchange(false)) {
    const bool gui = (vgGetGuiStatus() & 1) != 0;
    if (gui) vgBusyPointer();
    if (mainPlayStop(0) == -1) OS3_LOG(kLogFailed);
    mainPlayExit(0);
    playerInitialised_ = false;
    if (gui) vgStandardPointer();
  }
  // Only now that no player reads them.
  deleteCopies();
}

void SyncDialog::playbackPosition(int32_t p) {
  if (!playing_.load()) return;
  const int k = params_.syncCamera;
  // The times and strips change together, in one redraw.
  const int32_t monitor = vgGetDefaultMonitor();
  const bool paused = vgDisableRefresh(monitor) != -1;
  if (!paused) OS3_LOG(kLogFailed);
  showTime(kSyncRefTime, refPanel_, p + refPlayStart_, -1);
  showTime(kSyncTime, syncPanel_, p + syncPlayStart_, length(k));
  const int32_t syncIn = params_.syncIn[k], trimIn = params_.trimIn[k];
  params_.syncIn[k] = p + refPlayStart_;
  params_.trimIn[k] = p + syncPlayStart_;
  drawStrip(refEnvelope_.get(), refStrip_, k, true);
  drawStrip(syncEnvelope_.get(), syncStrip_, k, false);
  params_.syncIn[k] = syncIn;
  params_.trimIn[k] = trimIn;
  if (paused && vgEnableRefresh(monitor) == -1) OS3_LOG(kLogFailed);
}

}  // namespace ostrel3
