#pragma once
// The marks that make panel elements beep instead of acting while a
// playback runs. The holder takes them off exactly the elements it put them
// on, once. Marks belong to the panel: the holder does not outlive it (the
// panel is closed only after playback has stopped).
#include <vector>

#include "host/host_types.h"

namespace ostrel3 {

class PlaybackMarks {
 public:
  /// Marks the elements (0 handles are skipped); marks still on go first.
  void set(VG_PANEL root, const std::vector<VG_ELEMENT>& elements);
  /// Takes the marks off again.
  void clear();
  bool on() const { return !marked_.empty(); }
  const std::vector<VG_ELEMENT>& elements() const { return marked_; }

 private:
  VG_PANEL root_ = 0;
  std::vector<VG_ELEMENT> marked_;
};

}  // namespace ostrel3
