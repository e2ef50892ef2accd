#include "sync_requester/sync_geometry.h"

#include <algorithm>

namespace ostrel3 {

namespace {
constexpr int32_t kPreviewSeconds = 3;
constexpr uint32_t kReferenceClip = 1;
constexpr uint32_t kSyncClip = 2;
// Playback pictures on the first monitor, else on the default one.
constexpr uint32_t kFirstMonitorMode = 0x30;
constexpr uint32_t kOtherMonitorMode = 0x20;
}  // namespace

VG_RECT SyncDialogRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, int16_t screenWidth, int16_t screenHeight,
                       int16_t marginX, int16_t marginY) {
  const int32_t areaWidth = x1 - x0 + 1;
  const int32_t areaHeight = y1 - y0 + 1;
  int32_t width = areaWidth;
  int32_t height = areaHeight;
  if (width == screenWidth) width -= 2 * marginX;
  if (height == screenHeight) height -= 2 * marginY;
  width = std::max(width, 0);
  height = std::max(height, 0);
  const int32_t left = (x0 + (areaWidth - width) / 2) & ~1;
  const int32_t top = (y0 + (areaHeight - height) / 2) & ~1;
  return {static_cast<int16_t>(left), static_cast<int16_t>(top), static_cast<int16_t>(width),
          static_cast<int16_t>(height)};
}

PictureSize NextSmallerPicture(PictureSize size, int16_t videoWidth, int16_t videoHeight) {
  const int32_t narrower = size.width - 4;
  PictureSize next;
  next.width = static_cast<int16_t>(std::max(narrower, 0) & ~1);
  // A video without a size keeps the candidate's own shape.
  const int32_t height = videoWidth > 0 ? int32_t(videoHeight) * narrower / videoWidth
                                        : (size.width > 0 ? int32_t(size.height) * narrower / size.width : 0);
  next.height = static_cast<int16_t>(std::max(height, 0) & ~1);
  return next;
}

PlayRange PreviewRange(int32_t frame, int32_t length, int32_t framesPerSecond, bool toEnds) {
  const int32_t last = std::max(length - 1, 0);
  const int32_t reach = kPreviewSeconds * std::max(framesPerSecond, 0);
  PlayRange range;
  range.first = std::clamp(frame - reach, 0, last);
  range.last = toEnds ? last : std::clamp(frame + reach, range.first, last);
  return range;
}

int32_t JoggedFrame(int32_t frame, int32_t step, int32_t minimum, int32_t maximum) {
  const int64_t moved = int64_t(frame) + step;
  return static_cast<int32_t>(std::clamp<int64_t>(moved, minimum, std::max(minimum, maximum)));
}

int32_t FramesPlayed(uint32_t samplesPlayed, uint16_t samplesPerField, int32_t lastOffset) {
  if (samplesPerField == 0) return 0;
  const uint32_t frames = samplesPlayed / samplesPerField / 2;
  return static_cast<int32_t>(std::min<uint32_t>(frames, static_cast<uint32_t>(std::max(lastOffset, 0))));
}

uint32_t PreviewCameraFlags(bool referenceClip, bool syncClip, int32_t defaultMonitor) {
  return (referenceClip ? kReferenceClip : 0) | (syncClip ? kSyncClip : 0) |
         (defaultMonitor == 1 ? kFirstMonitorMode : kOtherMonitorMode);
}

}  // namespace ostrel3
