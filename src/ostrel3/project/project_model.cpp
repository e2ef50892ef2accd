// Rules of the project model that need no host.
#include "ostrel3/project/project_model.h"

#include <algorithm>
#include <iterator>

namespace ostrel3 {

namespace {
constexpr int32_t kColourIndex[kCameraSlots] = {15, 14, 12, 13, 7, 6, 5, 9};
constexpr int32_t kNameId[kCameraSlots] = {203, 204, 205, 206, 320, 322, 324, 326};

int clampCamera(int camera) { return std::clamp(camera, 0, kCameraSlots - 1); }
}  // namespace

int32_t defaultColourIndex(int camera) { return kColourIndex[clampCamera(camera)]; }
int32_t defaultNameId(int camera) { return kNameId[clampCamera(camera)]; }

void NormaliseCutList(CutList& cuts) {
  // The earlier of two equal neighbours survives: a cut keeps its first position.
  cuts.keepIf([](const CutList::value_type& entry, const CutList::value_type& kept) {
    return entry.second != kept.second;
  });
}

std::optional<int32_t> CameraAt(const CutList& cuts, int32_t position) {
  auto it = cuts.upper_bound(position);
  if (it == cuts.begin()) return std::nullopt;
  return std::prev(it)->second;
}

void ClampCameraCounts(int32_t& sceneCount, int32_t& activeCamera) {
  sceneCount = std::clamp(sceneCount, 1, kCameraSlots);
  activeCamera = std::clamp(activeCamera, 0, sceneCount - 1);
}

double VideoFrameRate(uint32_t flags, uint16_t fieldRate) {
  switch (fieldRate) {
    case 0: return (flags & 0x4u) ? 29.97 : 25.0;
    case 50: return 25.0;
    case 60: return 29.97;
    case 100: return 50.0;
    case 120: return 59.94;
    default: return fieldRate / 2.0;
  }
}

}  // namespace ostrel3
