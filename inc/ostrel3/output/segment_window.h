#pragma once
// Where a segment lies in a copy of a camera's clip, and how much of the
// copy may be cut away before and after it, without the host: the copy
// keeps the segment and at most `handle` frames on each side of it, for the
// transitions that overlap the cuts.
#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel3 {

/// Frames of a clip, counted from its first kept frame: `first`..`last` is
/// the segment, `lastUsable` the clip's out point.
struct SegmentWindow {
  int32_t first = 0;
  int32_t last = 0;
  int32_t lastUsable = 0;
  bool operator==(const SegmentWindow&) const = default;
};

/// The segment start..end of the timeline in a clip whose in point is `in`
/// and which shows `trimmedLength` frames: timeline frame f is clip frame
/// in + f. The window stays inside the clip.
SegmentWindow WindowOf(int32_t in, int32_t trimmedLength, int32_t start, int32_t end);

/// How many frames to split off the front so that `handle` frames stay
/// before the segment; 0 when there are no more than that.
int32_t HeadFramesToDrop(const SegmentWindow& window, int32_t handle);

/// The window once `dropped` frames went off the front: every frame,
/// the out point included, moves down by as many.
SegmentWindow AfterHeadDropped(SegmentWindow window, int32_t dropped);

/// The frame after which to split the clip so that exactly `handle` frames
/// stay after the segment; -1 when there are no more than that already.
int32_t TailSplitPoint(const SegmentWindow& window, int32_t handle);

/// Most characters of a clip name, without the terminator.
inline constexpr size_t kClipNameChars = 31;

/// The name of an insert clip before the host makes it unique: the source's
/// name and " OS", held to kClipNameChars (a long name loses the suffix,
/// wholly or in part).
std::u16string SegmentClipName(std::u16string_view sourceName);

}  // namespace ostrel3
