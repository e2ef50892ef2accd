// Clip copies behind the cameras. The order of the host calls matters: the
// wanted length is fixed before anything is cut, the head is cut off before
// the tail, and the unique id always comes from the source clip.
#include "ostrel3/project/clip_ops.h"

#include <algorithm>
#include <limits>

#include "host/nsl.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

void deleteRecord(AV_RECORD record) {
  if (nslDeleteAVRecord(record) == -1) OS3_LOG(kLogFailed);
}

// Splits `record` after frame n and deletes the head; a refused split keeps
// the longer record.
void dropHead(AV_RECORD record, int32_t n) {
  if (AV_RECORD head = nslSplitAVRecord(record, n)) {
    deleteRecord(head);
  } else {
    OS3_LOG(kLogFailed);
  }
}

// Keeps the first `length` frames: returns the head and deletes the rest.
AV_RECORD keepHead(AV_RECORD record, int32_t length) {
  AV_RECORD head = nslSplitAVRecord(record, length - 1);
  if (!head) {
    OS3_LOG(kLogFailed);
    return record;
  }
  deleteRecord(record);
  return head;
}

}  // namespace

void ClearCameraSlot(CameraSlot& slot) {
  if (slot.record) deleteRecord(slot.record);
  slot.record = 0;
  slot.sourceUid = 0;
  slot.trimIn = 0;
  slot.recStart.seconds = 0;
  slot.recEnd.seconds = 0;
  slot.useAudio = 0;
  slot.useDistance = 0;
  slot.distance = 0;
  slot.autoSync = 0;
  slot.syncIn = 0;
  slot.synced = 0;
}

AV_RECORD CutToOrigRange(AV_RECORD copy, int32_t& origIn, int32_t& origOut) {
  // Wide arithmetic: the range comes from a file and may be anything.
  int64_t wanted = nslGetTrimmedAVRecordLength(copy);
  const bool wholeRecord = origIn == -1 && origOut == -1;
  int32_t in = 0;
  int32_t out = 0;
  if (nslBeginAVRecordTrim(copy, &in, &out) != 0) {
    OS3_LOG(kLogFailed);
    return copy;
  }
  if (origIn == -1) origIn = in;
  if (origOut == -1) origOut = out;
  // The copy must hold exactly the range the camera reports (and a file
  // stores): with only one end given, the other is the record's own, and
  // the range between them is what is kept.
  if (!wholeRecord) wanted = int64_t{origOut} - origIn + 1;
  if (origIn > 0) dropHead(copy, origIn - 1);
  if (wanted < 1) {
    OS3_LOG(kLogFailed);  // an empty or reversed range: keep what there is
    return copy;
  }
  if (wanted < nslGetTrimmedAVRecordLength(copy)) return keepHead(copy, static_cast<int32_t>(wanted));
  return copy;
}

void AssignClip(CameraSlot& slot, AV_RECORD source, int32_t in, int32_t origIn, int32_t origOut) {
  ClearCameraSlot(slot);
  // A clip the host no longer knows leaves the camera empty without asking
  // the host about a null handle.
  if (!source) return;
  slot.record = nslCopyAVRecord(source, 0);
  if (!slot.record) {
    OS3_LOG(kLogFailed);
  } else {
    slot.record = CutToOrigRange(slot.record, origIn, origOut);
    slot.origIn = origIn;
    slot.origOut = origOut;
    int32_t i = 0;
    int32_t o = 0;
    if (nslBeginAVRecordTrim(slot.record, &i, &o) != 0) {
      OS3_LOG(kLogFailed);
    } else {
      slot.trimIn = in == -1 ? i : in;
      if (nslEndAVRecordTrim(slot.record, slot.trimIn, nslGetTrimmedAVRecordLength(slot.record) - 1) == -1)
        OS3_LOG(kLogFailed);
    }
  }
  slot.sourceUid = nslAVRecordGetUniqueID(source);
}

int64_t SyncLead(const CameraSlot* cameras, int count) {
  int64_t lead = 0;
  for (int i = 1; i < count; ++i) lead = std::max(lead, int64_t{cameras[i].syncIn} - cameras[i].trimIn);
  return lead;
}

int32_t SyncedInPoint(const CameraSlot& camera, int64_t lead) {
  const int64_t in = int64_t{camera.trimIn} - camera.syncIn + lead;
  return static_cast<int32_t>(std::clamp<int64_t>(in, 0, std::numeric_limits<int32_t>::max()));
}

void MulticamOperator::ApplySyncTrims() {
  const int count = std::clamp(sceneCount, 0, kCameraSlots);
  const int64_t lead = SyncLead(cameras, count);
  for (int i = 0; i < count; ++i) {
    CameraSlot& camera = cameras[i];
    if (!camera.hasClip()) continue;
    int32_t in = 0;
    int32_t out = 0;
    if (nslBeginAVRecordTrim(camera.record, &in, &out) != 0) {
      OS3_LOG(kLogFailed);
      continue;
    }
    if (nslEndAVRecordTrim(camera.record, SyncedInPoint(camera, lead), out) == -1) OS3_LOG(kLogFailed);
  }
}

}  // namespace ostrel3
