#include "ostrel3/output/output_segments.h"

#include <algorithm>

namespace ostrel3 {

std::vector<OutputSegment> SegmentsOf(const CutList& cuts, int32_t timelineEnd) {
  std::vector<OutputSegment> segments;
  segments.reserve(cuts.size());
  for (auto it = cuts.begin(); it != cuts.end(); ++it) {
    const auto next = std::next(it);
    // Computed in 64 bits: the key after the last cut may be any frame.
    const int64_t lastOfCut = next == cuts.end() ? int64_t{timelineEnd} : int64_t{next->first} - 1;
    const int32_t start = std::max(it->first, 0);
    const int32_t end = static_cast<int32_t>(std::min<int64_t>(lastOfCut, timelineEnd));
    if (end <= start) continue;
    segments.push_back({start, end, it->second});
  }
  return segments;
}

}  // namespace ostrel3
