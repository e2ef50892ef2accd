#pragma once
// Finds storyboard scenes and their start frames without walking the whole
// storyboard on every call, so that writing an edit of thousands of scenes
// costs in proportion to its scenes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "hostsim/media/storyboard_model.h"

namespace hostsim {

class SceneIndex {
 public:
  /// The place of the scene with this id. Scenes seldom move far between
  /// calls (a scene added or split before them shifts them by one), so the
  /// search starts at the place where the scene was last found.
  std::optional<size_t> find(const SbScenes& scenes, uint32_t id);
  /// The first frame of scene `index`; with index == scenes.size(), the
  /// storyboard's length. Clamped to the 32-bit range.
  int32_t position(const SbScenes& scenes, size_t index);
  /// Scene `index` or its length changed, or a scene was added or removed
  /// there: the start frames after it must be counted again.
  void changedAt(size_t index);
  /// The scenes were replaced as a whole.
  void reset();

 private:
  std::unordered_map<uint32_t, size_t> lastPlace_;
  std::vector<int64_t> starts_{0};  // starts_[i]: first frame of scene i
  size_t valid_ = 1;                // starts_[0 .. valid_ - 1] are right
};

}  // namespace hostsim
