// The live cut's local updates of the cut list and the output list.
#include "ostrel3/display/live_cut.h"

#include <algorithm>
#include <climits>
#include <iterator>

namespace ostrel3 {

namespace {

bool startsBefore(const CM_OUTPUT_PAIR& pair, int32_t frame) { return pair.start < frame; }

}  // namespace

void NormaliseAfterCut(CutList& cuts, int32_t frame) {
  auto it = cuts.find(frame);
  // The cut, then the one now after it, may repeat the camera before them;
  // the cuts after those were apart from their neighbours already.
  for (int looked = 0; looked < 2 && it != cuts.end(); ++looked) {
    if (it != cuts.begin() && std::prev(it)->second == it->second) it = cuts.erase(it);
    else ++it;
  }
}

void UpdateOutputPairs(const std::vector<CM_OUTPUT_PAIR>& before, const CutList& cuts, int32_t start, int32_t frame,
                       const CameraClips& clips, std::vector<CM_OUTPUT_PAIR>& out) {
  // A cut at or before the start, or on the first cut, changes the list's
  // first pair: the list is made anew.
  if (before.empty() || cuts.empty() || frame <= start || frame <= cuts.begin()->first)
    return BuildOutputPairs(cuts, start, clips, out);
  const auto closing = std::prev(before.end());
  const auto changedFrom = std::lower_bound(before.begin(), closing, frame, startsBefore);
  // The cuts from the first one after `frame` are those the old list shows.
  const auto kept = cuts.upper_bound(frame);
  const int32_t keptFrom = kept == cuts.end() ? INT32_MAX : kept->first;
  const auto reusedFrom = std::lower_bound(changedFrom, closing, keptFrom, startsBefore);
  out.clear();
  out.reserve(before.size() + 1);
  out.insert(out.end(), before.begin(), changedFrom);
  for (auto it = cuts.lower_bound(frame); it != kept; ++it) {
    if (const AV_RECORD clip = OutputClipOf(clips, it->second)) out.push_back({it->first, clip});
  }
  out.insert(out.end(), reusedFrom, before.end());
}

}  // namespace ostrel3
