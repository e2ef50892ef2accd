#include "hostsim/media/scene_index.h"

#include <algorithm>
#include <climits>

namespace hostsim {

std::optional<size_t> SceneIndex::find(const SbScenes& scenes, uint32_t id) {
  const size_t n = scenes.size();
  if (n == 0) return std::nullopt;
  auto last = lastPlace_.find(id);
  // Without a last place, the newest scenes (at the end) are the likeliest.
  const size_t from = last == lastPlace_.end() ? n - 1 : std::min(last->second, n - 1);
  for (size_t d = 0; d <= from || from + d < n; ++d) {
    if (from + d < n && scenes[from + d].id == id) return lastPlace_[id] = from + d;
    if (d > 0 && d <= from && scenes[from - d].id == id) return lastPlace_[id] = from - d;
  }
  if (last != lastPlace_.end()) lastPlace_.erase(last);
  return std::nullopt;
}

int32_t SceneIndex::position(const SbScenes& scenes, size_t index) {
  index = std::min(index, scenes.size());
  if (starts_.size() < scenes.size() + 1) starts_.resize(scenes.size() + 1);
  for (; valid_ <= index; ++valid_) starts_[valid_] = starts_[valid_ - 1] + scenes[valid_ - 1].length();
  return static_cast<int32_t>(std::min<int64_t>(starts_[index], INT32_MAX));
}

void SceneIndex::changedAt(size_t index) { valid_ = std::min(valid_, index + 1); }

void SceneIndex::reset() {
  lastPlace_.clear();
  valid_ = 1;
}

}  // namespace hostsim
