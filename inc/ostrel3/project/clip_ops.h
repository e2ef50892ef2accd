#pragma once
// The operations behind a camera's own copy of a host clip: emptying a
// camera, cutting a copy to the stretch of the source it may use, and giving
// a camera a trimmed copy. Every host failure is logged and the operation
// goes on with what it has.
#include <cstdint>

#include "ostrel3/project/project_model.h"

namespace ostrel3 {

/// Empties a camera: deletes its copy and zeroes what belonged to the clip;
/// colour, display places, orig range, frame parts of the times and rate stay.
void ClearCameraSlot(CameraSlot& slot);

/// Cuts `copy` down to frames origIn..origOut of itself; -1 takes the copy's
/// own in- or out-point, and the value used is written back. Returns the
/// record that now holds the range (the copy itself or a piece split off it);
/// the caller owns it, everything cut away is deleted.
AV_RECORD CutToOrigRange(AV_RECORD copy, int32_t& origIn, int32_t& origOut);

/// Gives a camera a trimmed copy of `source` (0: the camera stays empty).
/// `in`, `origIn` and `origOut` may each be -1 for the clip's own value.
/// Sets record, origIn, origOut, trimIn and sourceUid; the caller sets the rest.
void AssignClip(CameraSlot& slot, AV_RECORD source, int32_t in, int32_t origIn, int32_t origOut);

/// The common lead of a synchronisation: the largest syncIn - trimIn over
/// cameras 1..count-1 (camera 0 is the reference), 0 when none is positive.
int64_t SyncLead(const CameraSlot* cameras, int count);

/// A camera's in-point once all are in step: trimIn - syncIn + lead, never
/// below 0 (a clip cannot start before its first frame) and never beyond
/// the 32-bit range.
int32_t SyncedInPoint(const CameraSlot& camera, int64_t lead);

}  // namespace ostrel3
