#pragma once
// The display's state, shared by the files that implement Display. One
// mutex guards everything but the screen, which guards itself; the mutex is
// never held while calling out of the display (panels, resources, screen).
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "hostsim/core/config.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/image_buffer.h"

namespace hostsim {

class HostLog;

/// The monitors of a configuration made usable: one to four screens of a
/// sane size, visible areas inside their screen, positive aspects. Each fix
/// is written to the host log.
std::vector<MonitorConfig> usableMonitors(const std::vector<MonitorConfig>& configured, HostLog& log);

/// An image of allocImage with the size it was made with: callers may point
/// its header elsewhere for a while.
struct AllocatedImage {
  std::unique_ptr<ImageBuffer> image;
  int16_t width = 0, height = 0;
};

struct Display::State {
  explicit State(std::vector<MonitorConfig> configured)
      : monitors(std::move(configured)), screen(monitors), refreshDepth(monitors.size(), 0) {}

  std::vector<MonitorConfig> monitors;
  Screen screen;

  mutable std::mutex mutex;
  int32_t defaultMonitor = 1;
  uint32_t currentYuv = 0xFF8080FFu;
  uint32_t currentArgb = 0xFFFFFFFFu;
  std::vector<int> refreshDepth;
  bool colourBar = true;
  int beeps = 0;
  PointerState pointer;
  /// Images of allocImage by the address of the header handed out.
  std::map<const VG_IMAGE*, AllocatedImage> allocated;
  std::map<int32_t, std::unique_ptr<ImageBuffer>> guiImages;
  PlaceSource placeSource;
};

}  // namespace hostsim
