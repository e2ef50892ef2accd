#pragma once
// A cut made while playback runs changes the cut list at one frame, and the
// output list the render library reads changes there only. Both follow by
// that much work rather than by a walk over the whole list, so that a cut
// reaches the preview at once however long the edit has grown.
#include <cstdint>
#include <vector>

#include "host/cm.h"
#include "ostrel3/display/output_list.h"
#include "ostrel3/project/cut_list.h"

namespace ostrel3 {

/// After a cut was set at `frame`: drops it, or the cut after it, where it
/// names the camera of the cut before it. On a list that was normalised
/// before the cut this gives what NormaliseCutList gives; on any list the
/// camera shown at every frame stays the same.
void NormaliseAfterCut(CutList& cuts, int32_t frame);

/// The output list from `start` on (as BuildOutputPairs makes it) after the
/// cut at `frame` was set and normalised with NormaliseAfterCut, made from
/// `before`, the output list from `start` of the cut list as it was before
/// that cut: the pairs before `frame` and from the next cut kept after it
/// are taken over, those between are made anew. `before` and `out` must be
/// two different lists.
void UpdateOutputPairs(const std::vector<CM_OUTPUT_PAIR>& before, const CutList& cuts, int32_t start, int32_t frame,
                       const CameraClips& clips, std::vector<CM_OUTPUT_PAIR>& out);

}  // namespace ostrel3
