#pragma once
// The output list of the live preview: which clip the edit shows from which
// frame on, made from the cut list without the host.
#include <array>
#include <cstdint>
#include <vector>

#include "host/cm.h"
#include "ostrel3/project/cut_list.h"
#include "ostrel3/project/project_model.h"

namespace ostrel3 {

/// Each camera's clip (0 for none), by camera index.
using CameraClips = std::array<AV_RECORD, kCameraSlots>;

/// The clip of a camera; 0 for none and for a camera index out of range.
inline AV_RECORD OutputClipOf(const CameraClips& clips, int32_t camera) {
  return camera >= 0 && camera < kCameraSlots ? clips[camera] : 0;
}

/// Fills `out` with the list from `start` on: first (start, the clip in
/// force just before `start`), then every later cut with its clip, then the
/// closing (0, 0). A cut exactly at `start` thus comes twice: once with the
/// camera before it, then with its own; the render library takes the later.
/// A cut to a camera without a clip is left out (its null would end the
/// list there), so the clip before it goes on. `out` keeps its storage.
void BuildOutputPairs(const CutList& cuts, int32_t start, const CameraClips& clips, std::vector<CM_OUTPUT_PAIR>& out);

}  // namespace ostrel3
