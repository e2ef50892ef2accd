#include "ostrel3/editing/assignment_rules.h"

#include <algorithm>
#include <iterator>

namespace ostrel3 {

void EraseCameraCuts(CutList& cuts, int32_t camera) {
  for (auto it = cuts.begin(); it != cuts.end();) {
    if (it->second == camera) it = cuts.erase(it);
    else ++it;
  }
  NormaliseCutList(cuts);
  if (cuts.empty()) cuts.emplace(0, 0);
}

int32_t StepBackIntoTimeline(const CutList& cuts, int32_t position, int32_t lastFrame) {
  if (lastFrame < 0) return 0;
  while (position > lastFrame) {
    auto before = cuts.lower_bound(position);
    // No cut before the position: there is nothing to step back to.
    if (before == cuts.begin()) return lastFrame;
    position = std::prev(before)->first;
  }
  return std::max(position, 0);
}

void AdoptSyncResults(const SyncParams& params, CameraSlot* cameras, int count) {
  count = std::clamp(count, 0, kSyncCameras);
  bool anotherSynced = false;
  for (int i = 0; i < count; ++i) {
    CameraSlot& camera = cameras[i];
    if (!camera.hasClip()) continue;
    camera.trimIn = params.trimIn[i];
    camera.syncIn = params.syncIn[i];
    camera.autoSync = params.autoSync[i];
    camera.synced = params.synced[i];
    camera.useDistance = 0;
    camera.distance = 0;
    if (i > 0 && camera.synced) anotherSynced = true;
  }
  if (count > 0 && !cameras[0].synced && anotherSynced) cameras[0].synced = 1;
}

bool SameSyncState(const CameraSlot& a, const CameraSlot& b) {
  return a.trimIn == b.trimIn && a.syncIn == b.syncIn && a.autoSync == b.autoSync && a.synced == b.synced &&
         a.useDistance == b.useDistance && a.distance == b.distance;
}

}  // namespace ostrel3
