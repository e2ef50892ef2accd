#pragma once
// The stretches of the timeline an output is made of, taken from the cut
// list without the host: each cut runs from its own frame to the frame
// before the next cut, the last one to the end of the timeline.
#include <cstdint>
#include <vector>

#include "ostrel3/project/cut_list.h"

namespace ostrel3 {

/// Frames start..end of the timeline (both included), shown from `camera`
/// (0-based; 0 is camera 1, whose clip is the base scene).
struct OutputSegment {
  int32_t start = 0;
  int32_t end = 0;
  int32_t camera = 0;
  bool operator==(const OutputSegment&) const = default;
};

/// The segments worth writing, in timeline order. Each is held to the
/// frames every camera has (0 .. timelineEnd): a cut left beyond the
/// shortest camera would otherwise ask a clip for frames it does not have.
/// A segment that ends up with fewer than two frames is left out; the
/// picture before it simply goes on.
std::vector<OutputSegment> SegmentsOf(const CutList& cuts, int32_t timelineEnd);

}  // namespace ostrel3
