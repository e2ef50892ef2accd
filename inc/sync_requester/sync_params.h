#pragma once
// The block through which the synchronise command hands the cameras to the
// synchronisation dialog and reads the dialog's results back. The command
// zeroes it, fills it from the project model, runs the dialog and copies the
// edited values back. Index i is camera i (0 is the user's camera 1).
//
// Host handles stay 32-bit words; the name addresses are pointer-sized on
// this platform. The layout is pinned below so that a change shows at once.
#include <cstddef>
#include <cstdint>

#include "host/host_types.h"

namespace ostrel3 {

inline constexpr int kSyncCameras = 8;

struct SyncParams {
  AV_RECORD record[kSyncCameras];   ///< the camera's clip copy; 0 for an empty camera (not changed)
  const XCHAR* name[kSyncCameras];  ///< clip name, else the camera's default name; never null (not changed)
  int32_t trimIn[kSyncCameras];     ///< frame of the camera at its sync point (edited)
  int32_t useDistance[kSyncCameras];///< always 0
  int32_t distance[kSyncCameras];   ///< always 0
  int32_t autoSync[kSyncCameras];   ///< result flag of the dialog
  int32_t syncIn[kSyncCameras];     ///< camera 1's frame at camera i's sync point (edited)
  int64_t recStart[kSyncCameras];   ///< recording start, seconds (not read by the dialog)
  int64_t recEnd[kSyncCameras];     ///< recording end, seconds (not read by the dialog)
  int32_t synced[kSyncCameras];     ///< set to 1 when the user confirms a camera
  int32_t syncCamera;               ///< camera shown beside camera 1; the dialog turns 0 into 1
  int32_t rateFps;                  ///< integer frame rate of the project
  uint8_t syncScrub;                ///< audio scrubbing in the dialog (edited)
};

static_assert(offsetof(SyncParams, record) == 0);
static_assert(offsetof(SyncParams, name) == 32);
static_assert(offsetof(SyncParams, trimIn) == 96);
static_assert(offsetof(SyncParams, useDistance) == 128);
static_assert(offsetof(SyncParams, distance) == 160);
static_assert(offsetof(SyncParams, autoSync) == 192);
static_assert(offsetof(SyncParams, syncIn) == 224);
static_assert(offsetof(SyncParams, recStart) == 256);
static_assert(offsetof(SyncParams, recEnd) == 320);
static_assert(offsetof(SyncParams, synced) == 384);
static_assert(offsetof(SyncParams, syncCamera) == 416);
static_assert(offsetof(SyncParams, rateFps) == 420);
static_assert(offsetof(SyncParams, syncScrub) == 424);
static_assert(sizeof(SyncParams) == 432);

}  // namespace ostrel3
