// The synchronise command: hands the cameras to the synchronisation dialog
// in a SyncParams block and brings the project in line with its results.
#include <algorithm>
#include <array>

#include "host/cm.h"
#include "host/nsl.h"
#include "host/op.h"
#include "host/res.h"
#include "host/vg.h"
#include "ostrel3/editing/assignment_rules.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

static_assert(kSyncCameras == kCameraSlots, "the block carries every camera");

namespace {

// Pictures wider than standard definition ask the render library for the
// recording times of high-definition media.
constexpr int16_t kStandardWidth = 720;
constexpr int32_t kStandardRecInfo = 1;
constexpr int32_t kWideRecInfo = 129;

// The dialog starts every camera at its first frame.
void rewindTrim(AV_RECORD record) {
  int32_t in = 0;
  int32_t out = 0;
  if (nslBeginAVRecordTrim(record, &in, &out) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  if (nslEndAVRecordTrim(record, 0, out) == -1) OS3_LOG(kLogFailed);
}

}  // namespace

void MulticamOperator::SynchroniseCameras() {
  SyncParams params{};
  if (fillSyncParams(params) < 2) {
    vgPointerBeep();
    return;
  }
  ScrubStop();
  // A dialog that could not be shown leaves the project as it was.
  const bool shown = runSyncDialog(params);
  if (shown) syncScrub = params.syncScrub != 0;
  ScrubStart();

  if (shown) adoptSyncResults(params);
  ApplySyncTrims();
  RedrawTimeline(false);
  UpdateTimeline();
  // A shorter project leaves the position behind its end.
  const int32_t before = position;
  position = StepBackIntoTimeline(cutList, position, LastFrame());
  RedrawTimeline(true);
  UpdateCameraLabels();
  UpdateCameraPanel(activeCamera, true);
  // New trims show other frames at the position.
  showCameraPictures();
  if (position != before) UpdateCursor(true);
}

int MulticamOperator::fillSyncParams(SyncParams& params) {
  params.syncCamera = activeCamera;
  params.rateFps = framesPerSecond;
  params.syncScrub = syncScrub ? 1 : 0;
  const int count = std::clamp(sceneCount, 0, kCameraSlots);
  int withClip = 0;
  for (int i = 0; i < count; ++i) {
    CameraSlot& camera = cameras[i];
    params.record[i] = camera.record;
    const XCHAR* defaultName = resGetString(strings.get(), defaultNameId(i));
    params.name[i] = defaultName ? defaultName : u"";
    if (!camera.hasClip()) continue;
    rewindTrim(camera.record);
    if (camera.recStart.seconds == 0) fetchRecordingTimes(camera);
    ++withClip;
    params.recStart[i] = camera.recStart.seconds;
    params.recEnd[i] = camera.recEnd.seconds;
    // A clip without a name keeps the camera's name: the dialog shows it.
    if (const XCHAR* name = nslGetAVRecordName(camera.record)) params.name[i] = name;
    params.trimIn[i] = camera.trimIn;
    params.useDistance[i] = 0;
    params.distance[i] = 0;
    params.autoSync[i] = camera.autoSync;
    params.syncIn[i] = camera.syncIn;
    params.synced[i] = camera.synced;
  }
  return withClip;
}

void MulticamOperator::fetchRecordingTimes(CameraSlot& camera) {
  const int32_t offset = nslGetVideoFrameOffset(camera.record, 0);
  if (offset < 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  CM_RECTIME end{};
  CM_RECTIME start{};
  if (cmGetRecInfo(render.get(), 2 * offset, &end, &start, recordingInfoMode()) != 0) {
    OS3_LOG(kLogFailed);
    camera.recStart = RecordingTime{};
    camera.recEnd = RecordingTime{};
    return;
  }
  camera.recStart = RecordingTime{start.seconds, start.frame};
  camera.recEnd = RecordingTime{end.seconds, end.frame};
}

int32_t MulticamOperator::recordingInfoMode() {
  // The camera display's field image has the width of the media's fields.
  if (!pictures.fieldImage) pictures.fieldImage = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  if (!pictures.fieldImage) {
    OS3_LOG(kLogFailed);
    return kStandardRecInfo;
  }
  return pictures.fieldImage->width > kStandardWidth ? kWideRecInfo : kStandardRecInfo;
}

void MulticamOperator::adoptSyncResults(const SyncParams& params) {
  std::array<CameraSlot, kCameraSlots> adopted;
  std::copy(std::begin(cameras), std::end(cameras), adopted.begin());
  AdoptSyncResults(params, adopted.data(), std::clamp(sceneCount, 0, kCameraSlots));
  const bool changed = !std::equal(adopted.begin(), adopted.end(), std::begin(cameras), SameSyncState);
  // Only a synchronisation that changed something is worth a step back.
  if (changed) PushUndo();
  std::copy(adopted.begin(), adopted.end(), std::begin(cameras));
}

}  // namespace ostrel3
