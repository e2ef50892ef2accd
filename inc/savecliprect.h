#pragma once
// Narrows the clip rectangle of a monitor for the life of the object and
// restores it afterwards. The default monitor is shared with other tasks
// that draw, so it is switched only inside the global critical section.
#include "host/task.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

class ClipRectSaver {
 public:
  /// x0..y1: the new clip rectangle relative to `panel`.
  ClipRectSaver(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t monitor) : monitor_(monitor) {
    VG_RECT place{};
    if (vgGetPanelRect(panel, &place) != 0) {
      OS3_LOG(kLogRefused);
      return;
    }
    vgGetClipRectMonitor(&saved_, monitor_);
    active_ = true;
    apply(VG_CORNERS{static_cast<int16_t>(x0 + place.x), static_cast<int16_t>(y0 + place.y),
                     static_cast<int16_t>(x1 + place.x), static_cast<int16_t>(y1 + place.y)});
  }

  ~ClipRectSaver() {
    if (active_) apply(saved_);
  }

  ClipRectSaver(const ClipRectSaver&) = delete;
  ClipRectSaver& operator=(const ClipRectSaver&) = delete;

  bool active() const { return active_; }

 private:
  void apply(const VG_CORNERS& r) const {
    if (taskLock() == -1) {
      OS3_LOG(kLogFailed);
      return;
    }
    const int32_t previous = vgGetDefaultMonitor();
    vgSetDefaultMonitor(monitor_);
    vgSetClipRect(0, r.x0, r.y0, r.x1, r.y1);
    vgSetDefaultMonitor(previous);
    if (taskUnlock() == -1) OS3_LOG(kLogFailed);
  }

  VG_CORNERS saved_{};
  int32_t monitor_;
  bool active_ = false;
};

}  // namespace ostrel3
