#pragma once
// Host-free geometry of the scrub display: which frames around the
// position are heard and drawn, and where they sit in the strip so that
// the position stays under the marker at both ends of the timeline.
#include <cstdint>
#include <vector>

namespace ostrel3 {

/// Frames around the position that the scrub engine gets per update.
inline constexpr int32_t kScrubWindowFrames = 6;

struct ScrubWindow {
  int32_t first = 0;         ///< first frame read
  int32_t last = -1;         ///< last frame read (first > last: nothing to read)
  int16_t leadColumns = 0;   ///< silent columns for the frames before frame 0
  int16_t trailColumns = 0;  ///< silent columns for the frames after the last frame
};

/// The window of `window` frames around `position` (half before it), cut to
/// frames 0..lastFrame, on a strip `width` columns wide.
ScrubWindow scrubWindowAt(int32_t position, int32_t window, int32_t lastFrame, int16_t width);

/// One value per strip column: the peaks of `samples` spread over the
/// columns between the lead and the trail, the silent columns after them
/// (the strip draws the lead itself).
std::vector<int16_t> scrubColumns(const std::vector<int16_t>& samples, const ScrubWindow& window, int16_t width);

}  // namespace ostrel3
