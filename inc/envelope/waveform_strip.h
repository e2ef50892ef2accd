#pragma once
// Paints a row of peak values as vertical bars into a reusable buffer and
// writes it to a panel in one call; the two middle columns mark the
// position.
#include <cstdint>
#include <vector>

#include "envelope/strip_bars.h"
#include "host/host_types.h"

namespace ostrel3 {

class WaveformStrip {
 public:
  /// Draws columns x0..x1 of `height` rows at (x0, y) of `target`: column i
  /// shows values[i - leadColumns] (the lead columns are silent). Draws
  /// nothing unless there are columns, rows and a value for every column.
  void draw(const std::vector<int16_t>& values, int16_t x0, int16_t x1, int16_t y, int16_t height,
            uint32_t emptyColour, uint32_t barColour, VG_PANEL target);

  /// Gives the pixel buffer back; the strip stays usable.
  void freeBuffers() { std::vector<uint32_t>().swap(pixels_); }

  /// Bars follow the decibel table instead of the amplitude.
  bool dbScale = false;
  /// Columns at the left drawn silent before the first value.
  int16_t leadColumns = 0;

 private:
  void fillColumns(const std::vector<int16_t>& values, int16_t x0, int16_t y, int16_t width, int16_t height,
                   uint32_t emptyColour, uint32_t barColour, VG_PANEL target);

  std::vector<uint32_t> pixels_;  ///< one 32-bit pixel per column and row; never shrunk
  DecibelTable decibels_;
};

}  // namespace ostrel3
