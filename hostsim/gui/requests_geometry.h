#pragma once
// Where the stand-in host puts its windows: monitor sizes and visible areas
// come from the host's setup, so layouts do not depend on the framebuffers.
#include <algorithm>
#include <cstdint>

#include "host/host_types.h"
#include "hostsim/core/config.h"

namespace hostsim {

/// The whole screen of a monitor (1-based) at 0, 0; empty for a monitor
/// that is not connected.
inline VG_RECT monitorScreen(const HostConfig& config, int32_t monitor) {
  if (monitor < 1 || monitor > static_cast<int32_t>(config.monitors.size())) return {};
  const MonitorConfig& m = config.monitors[static_cast<size_t>(monitor - 1)];
  return {0, 0, m.width, m.height};
}

/// The visible (safe) area of a monitor, inclusive corners.
inline VG_CORNERS monitorVisible(const HostConfig& config, int32_t monitor) {
  const VG_RECT s = monitorScreen(config, monitor);
  if (s.width <= 0) return {0, 0, -1, -1};
  const MonitorConfig& m = config.monitors[static_cast<size_t>(monitor - 1)];
  if (m.visibleX1 < 0) return {0, 0, static_cast<int16_t>(s.width - 1), static_cast<int16_t>(s.height - 1)};
  return {m.visibleX0, m.visibleY0, m.visibleX1, m.visibleY1};
}

/// A box of w x h centred on `area`, kept on the screen where it fits.
inline VG_CORNERS centredBox(VG_CORNERS area, VG_RECT screen, int w, int h) {
  int x = area.x0 + ((area.x1 - area.x0 + 1) - w) / 2;
  int y = area.y0 + ((area.y1 - area.y0 + 1) - h) / 2;
  x = std::max(0, std::min(x, screen.width - w));
  y = std::max(0, std::min(y, screen.height - h));
  return {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(x + w - 1),
          static_cast<int16_t>(y + h - 1)};
}

}  // namespace hostsim
