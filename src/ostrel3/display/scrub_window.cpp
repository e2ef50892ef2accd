#include "ostrel3/display/scrub_window.h"

#include <algorithm>

#include "envelope/peaks.h"

namespace ostrel3 {

ScrubWindow scrubWindowAt(int32_t position, int32_t window, int32_t lastFrame, int16_t width) {
  ScrubWindow w;
  if (window <= 0) return w;
  w.first = position - window / 2;
  w.last = w.first + window - 1;
  if (w.first < 0) {
    w.leadColumns = static_cast<int16_t>(-(int64_t(width) * w.first / window));
    w.first = 0;
  }
  if (w.last > lastFrame) {
    w.trailColumns = static_cast<int16_t>(int64_t(width) * (w.last - lastFrame) / window);
    w.last = lastFrame;
  }
  return w;
}

std::vector<int16_t> scrubColumns(const std::vector<int16_t>& samples, const ScrubWindow& window, int16_t width) {
  const int shown = std::max(0, width - window.leadColumns - window.trailColumns);
  std::vector<int16_t> columns = columnsFromPeaks(samples, shown);
  columns.resize(std::max<int>(width, 0), 0);
  return columns;
}

}  // namespace ostrel3
