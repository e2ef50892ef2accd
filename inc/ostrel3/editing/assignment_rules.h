#pragma once
// The rules of giving cameras their clips and bringing them into step that
// need no host: cut-list walks and taking over the synchronisation results.
#include <cstdint>

#include "ostrel3/project/project_model.h"
#include "sync_requester/sync_params.h"

namespace ostrel3 {

/// Erases every cut that chooses `camera` (the one at frame 0 too) and merges
/// the neighbours that now name the same camera. A list left empty gets the
/// cut (0, camera 1) back, as a loaded project without cuts does: every
/// reader of the list relies on a first and a last entry.
void EraseCameraCuts(CutList& cuts, int32_t camera);

/// Where a position beyond the end of a shortened timeline goes: back from
/// cut to cut while it lies after the last frame, and onto the last frame
/// when no cut before it is inside (or the list is empty). Positions inside
/// 0..lastFrame stay; an empty timeline (lastFrame < 0) gives 0.
int32_t StepBackIntoTimeline(const CutList& cuts, int32_t position, int32_t lastFrame);

/// Takes the dialog's results over into cameras 0..count-1 that have a clip:
/// trimIn, syncIn, autoSync, synced; useDistance and distance become 0. Camera
/// 1 counts as synchronised as soon as any other camera in use with a clip is.
void AdoptSyncResults(const SyncParams& params, CameraSlot* cameras, int count);

/// True when the two cameras agree in everything a synchronisation changes.
bool SameSyncState(const CameraSlot& a, const CameraSlot& b);

}  // namespace ostrel3
