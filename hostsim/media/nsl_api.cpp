// The host scene list: clips of the bin, their copies and pieces, trims,
// names, frame offsets, the include-trim limit and undo steps.
#include "host/nsl.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;

namespace {
hostsim::ClipStore& clips(Host& h) { return h.media().clips(); }
}  // namespace

extern "C" {

AV_RECORD nslCopyAVRecord(AV_RECORD source, int32_t flags) {
  return hostCall("nslCopyAVRecord", AV_RECORD(0), [&](Host& h) { return clips(h).copy(source); }, source, flags);
}

int32_t nslDeleteAVRecord(AV_RECORD record) {
  return hostCall("nslDeleteAVRecord", int32_t(-1), [&](Host& h) { return clips(h).remove(record); }, record);
}

int32_t nslGetTrimmedAVRecordLength(AV_RECORD record) {
  return hostCall("nslGetTrimmedAVRecordLength", int32_t(-1), [&](Host& h) { return clips(h).trimmedLength(record); },
                  record);
}

int32_t nslGetTotalAVRecordLength(AV_RECORD record) {
  return hostCall("nslGetTotalAVRecordLength", int32_t(-1), [&](Host& h) { return clips(h).totalLength(record); },
                  record);
}

int32_t nslBeginAVRecordTrim(AV_RECORD record, int32_t* in, int32_t* out) {
  return hostCall(
      "nslBeginAVRecordTrim", int32_t(-1),
      [&](Host& h) -> int32_t {
        int32_t i = 0, o = 0;
        if (!in || !out || !clips(h).trimPoints(record, i, o)) return -1;
        *in = i;
        *out = o;
        return 0;
      },
      record, hostsim::out(in), hostsim::out(out));
}

int32_t nslEndAVRecordTrim(AV_RECORD record, int32_t in, int32_t out) {
  return hostCall("nslEndAVRecordTrim", int32_t(-1), [&](Host& h) { return clips(h).setTrim(record, in, out); }, record,
                  in, out);
}

AV_RECORD nslSplitAVRecord(AV_RECORD record, int32_t n) {
  return hostCall("nslSplitAVRecord", AV_RECORD(0), [&](Host& h) { return clips(h).split(record, n); }, record, n);
}

uint32_t nslAVRecordGetUniqueID(AV_RECORD record) {
  return hostCall("nslAVRecordGetUniqueID", uint32_t(0), [&](Host& h) { return clips(h).uniqueId(record); }, record);
}

const XCHAR* nslGetAVRecordName(AV_RECORD record) {
  return hostCall("nslGetAVRecordName", static_cast<const XCHAR*>(nullptr),
                  [&](Host& h) { return clips(h).name(record); }, record);
}

int32_t nslSetAVRecordName(AV_RECORD record, const XCHAR* name) {
  return hostCall("nslSetAVRecordName", int32_t(-1), [&](Host& h) { return clips(h).rename(record, name); }, record,
                  name);
}

int32_t nslGetVideoFrameOffset(AV_RECORD record, int32_t frame) {
  return hostCall("nslGetVideoFrameOffset", int32_t(-1), [&](Host& h) { return clips(h).frameOffset(record, frame); },
                  record, frame);
}

int32_t nslGetAudioFrameOffset(AV_RECORD record, int32_t frame) {
  // Picture and sound of a media share its frames.
  return hostCall("nslGetAudioFrameOffset", int32_t(-1), [&](Host& h) { return clips(h).frameOffset(record, frame); },
                  record, frame);
}

AV_RECORD nslGetFirstScene(void) {
  return hostCall("nslGetFirstScene", AV_RECORD(0), [](Host& h) { return clips(h).first(); });
}

AV_RECORD nslGetNextScene(AV_RECORD record) {
  return hostCall("nslGetNextScene", AV_RECORD(0), [&](Host& h) { return clips(h).next(record); }, record);
}

int32_t nslGetMaxIncludeTrimFrames(void) {
  return hostCall("nslGetMaxIncludeTrimFrames", int32_t(-1),
                  [](Host& h) { return h.media().project().maxIncludeTrimFrames(); });
}

int32_t nslSetMaxIncludeTrimFrames(int32_t frames) {
  return hostCall("nslSetMaxIncludeTrimFrames", int32_t(-1),
                  [&](Host& h) { return h.media().project().setMaxIncludeTrimFrames(frames); }, frames);
}

int32_t nslProjectUndoExtSeqStart(const XCHAR* name) {
  return hostCall("nslProjectUndoExtSeqStart", int32_t(-1),
                  [&](Host& h) { return h.media().project().beginUndoStep(name); }, name);
}

int32_t nslProjectUndoExtSeqEnd(void) {
  return hostCall("nslProjectUndoExtSeqEnd", int32_t(-1), [](Host& h) { return h.media().project().endUndoStep(); });
}

}
