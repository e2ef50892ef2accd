#pragma once
/// Host scene list: the clips (AV records) of the host project's scene bin.
/// Calling thread only.
///
/// A clip is a contiguous stretch of its media. Trim points are frames
/// counted from the clip's first frame; the trimmed length is
/// out - in + 1. Copies and split-off pieces belong to whoever made them
/// and are deleted with nslDeleteAVRecord.
#include "host/host_types.h"

extern "C" {

/// A new clip with the same media and trims as source. 0 on failure.
AV_RECORD nslCopyAVRecord(AV_RECORD source, int32_t flags);
/// Deletes a clip. 0 or -1.
int32_t nslDeleteAVRecord(AV_RECORD record);
/// Frames between the current in- and out-point, inclusive; -1 for a bad clip.
int32_t nslGetTrimmedAVRecordLength(AV_RECORD record);
/// All frames of the clip, whatever its trims; -1 for a bad clip.
int32_t nslGetTotalAVRecordLength(AV_RECORD record);
/// Starts a trim: fills the current in- and out-point. 0 on success.
int32_t nslBeginAVRecordTrim(AV_RECORD record, int32_t* in, int32_t* out);
/// Ends a trim with new points (0 <= in <= out < total length). 0 or -1.
int32_t nslEndAVRecordTrim(AV_RECORD record, int32_t in, int32_t out);
/// Splits after frame n: returns a new clip holding frames 0..n; record keeps
/// frames n+1.. counted from 0 again. 0 on failure (record unchanged).
AV_RECORD nslSplitAVRecord(AV_RECORD record, int32_t n);
/// Id of the clip that lasts across runs; copies get their own ids.
uint32_t nslAVRecordGetUniqueID(AV_RECORD record);
/// Name of the clip; valid until the clip changes or is deleted. Null for a bad clip.
const XCHAR* nslGetAVRecordName(AV_RECORD record);
/// Renames a clip. 0 or -1.
int32_t nslSetAVRecordName(AV_RECORD record, const XCHAR* name);
/// Address of trimmed frame `frame` in the render library's frame space
/// (cmGetField takes twice it as a field); -1 outside the clip.
int32_t nslGetVideoFrameOffset(AV_RECORD record, int32_t frame);
/// The same for the sound (cmGetFieldAudio).
int32_t nslGetAudioFrameOffset(AV_RECORD record, int32_t frame);
/// Walks the scene bin. 0 at the end.
AV_RECORD nslGetFirstScene(void);
AV_RECORD nslGetNextScene(AV_RECORD record);
/// The host's limit of extra (include-trim) frames kept around storyboard scenes.
int32_t nslGetMaxIncludeTrimFrames(void);
int32_t nslSetMaxIncludeTrimFrames(int32_t frames);
/// Bracket changes of the project into one host undo step. 0 or -1.
int32_t nslProjectUndoExtSeqStart(const XCHAR* name);
int32_t nslProjectUndoExtSeqEnd(void);

}
