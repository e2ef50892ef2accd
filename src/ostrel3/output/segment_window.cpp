#include "ostrel3/output/segment_window.h"

#include <algorithm>

namespace ostrel3 {

namespace {

int32_t NonNegative(int32_t handle) { return std::max(handle, 0); }

}  // namespace

SegmentWindow WindowOf(int32_t in, int32_t trimmedLength, int32_t start, int32_t end) {
  SegmentWindow w;
  w.lastUsable = in + trimmedLength - 1;
  w.first = std::max(in + start, 0);
  w.last = std::min(in + end, w.lastUsable);
  return w;
}

int32_t HeadFramesToDrop(const SegmentWindow& window, int32_t handle) {
  const int32_t h = NonNegative(handle);
  if (window.first <= h) return 0;
  // Never cut into the segment itself, even were it to end before its start.
  return std::max(std::min(window.first - h, window.last), 0);
}

SegmentWindow AfterHeadDropped(SegmentWindow window, int32_t dropped) {
  window.first -= dropped;
  window.last -= dropped;
  window.lastUsable -= dropped;
  return window;
}

int32_t TailSplitPoint(const SegmentWindow& window, int32_t handle) {
  const int32_t h = NonNegative(handle);
  if (window.lastUsable - window.last <= h) return -1;
  // The piece split off keeps frames 0 .. point: the segment's last frame
  // and the h frames after it.
  return std::max(window.last + h, window.first);
}

std::u16string SegmentClipName(std::u16string_view sourceName) {
  std::u16string name(sourceName.substr(0, kClipNameChars));
  name += u" OS";
  name.resize(std::min(name.size(), kClipNameChars));
  return name;
}

}  // namespace ostrel3
