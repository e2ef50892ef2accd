#include "envelope/waveform_strip.h"

#include <algorithm>

#include "host/vg.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/refresh_pause.h"

namespace ostrel3 {

namespace {
// The host's fill and write modes for raw 32-bit pixel buffers.
constexpr int32_t kFillMode = 3;
constexpr int32_t kWriteMode = 1;
// Classic GUI colours of the position marker: its empty part and its bar.
constexpr int32_t kMarkerEmptyColour = 5;
constexpr int32_t kMarkerBarColour = 13;

}  // namespace

void WaveformStrip::draw(const std::vector<int16_t>& values, int16_t x0, int16_t x1, int16_t y, int16_t height,
                         uint32_t emptyColour, uint32_t barColour, VG_PANEL target) {
  const int16_t width = static_cast<int16_t>(x1 - x0 + 1);
  if (width <= 0 || height <= 0 || values.size() < size_t(width)) return;
  RefreshPause pause;
  const size_t pixels = size_t(width) * size_t(height);
  if (pixels_.size() < pixels) pixels_.resize(pixels, 0);
  decibels_.build(height);
  fillColumns(values, x0, y, width, height, emptyColour, barColour, target);
  if (vgWriteRectRaw(target, pixels_.data(), x0, y, width, height, kWriteMode) == -1) OS3_LOG(kLogFailed);
}

void WaveformStrip::fillColumns(const std::vector<int16_t>& values, int16_t x0, int16_t y, int16_t width,
                                int16_t height, uint32_t emptyColour, uint32_t barColour, VG_PANEL target) {
  const uint32_t markerEmpty = vgGetGuiColorYUV(kMarkerEmptyColour);
  const uint32_t markerBar = vgGetGuiColorYUV(kMarkerBarColour);
  const int16_t bottom = static_cast<int16_t>(height - 1);
  const int16_t lead = std::max<int16_t>(leadColumns, 0);
  for (int16_t i = 0; i < width; ++i) {
    const int32_t v = i < lead ? 0 : values[i - lead];
    const int16_t top = static_cast<int16_t>(height - barHeight(v, height, dbScale, decibels_) - 1);
    const bool marker = isMarkerColumn(i, width);
    vgSetColorYUV(marker ? markerEmpty : emptyColour);
    vgRectFillBuffer(target, x0, y, pixels_.data(), width, i, 0, i, top, kFillMode, 0);
    // The bar starts below the empty part: h rows, so silence is one pixel
    // and full scale leaves the top row empty.
    vgSetColorYUV(marker ? markerBar : barColour);
    vgRectFillBuffer(target, x0, y, pixels_.data(), width, i, static_cast<int16_t>(top + 1), i, bottom, kFillMode, 0);
  }
}

}  // namespace ostrel3
