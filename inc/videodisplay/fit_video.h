#pragma once
// The size of a full video picture on the default monitor.
#include <cstdint>

namespace ostrel3 {

struct VideoSize {
  int16_t width = 0;
  int16_t height = 0;
};

/// Fits the project's video picture into the visible area of the default
/// monitor (less an 8-pixel margin where the area starts at the screen's
/// edge), keeping its shape; both sizes even and within the area.
void FitVideoToMonitor(VideoSize& size);

}  // namespace ostrel3
