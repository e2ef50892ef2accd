// Beep marks on the panel's elements during playback.
#include "ostrel3/display/playback_marks.h"

#include "host/vg.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

void PlaybackMarks::set(VG_PANEL root, const std::vector<VG_ELEMENT>& elements) {
  clear();
  root_ = root;
  for (VG_ELEMENT element : elements) {
    if (!element) continue;
    if (vgBeepElement(root, element) == -1) OS3_LOG(kLogFailed);
    marked_.push_back(element);
  }
}

void PlaybackMarks::clear() {
  for (VG_ELEMENT element : marked_)
    if (vgUnBeepElement(root_, element) == -1) OS3_LOG(kLogFailed);
  marked_.clear();
  root_ = 0;
}

}  // namespace ostrel3
