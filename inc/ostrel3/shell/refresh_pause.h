#pragma once
// Holds the monitor's refresh off while several elements change, so the
// user sees them change at once; a refused pause or resume is logged.
#include <cstdint>

#include "host/vg.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

class RefreshPause {
 public:
  explicit RefreshPause(int32_t monitor = vgGetDefaultMonitor()) : monitor_(monitor) {
    if (vgDisableRefresh(monitor_) != 0) OS3_LOG(kLogFailed);
  }
  ~RefreshPause() {
    if (vgEnableRefresh(monitor_) != 0) OS3_LOG(kLogFailed);
  }
  RefreshPause(const RefreshPause&) = delete;
  RefreshPause& operator=(const RefreshPause&) = delete;

 private:
  int32_t monitor_;
};

}  // namespace ostrel3
