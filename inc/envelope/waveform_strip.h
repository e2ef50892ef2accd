#pragma once
// Paints a row of peak values as vertical bars into a reusable buffer.
#include <cstdint>
#include <vector>

namespace ostrel3 {

class WaveformStrip {
 public:
  /// Gives the pixel buffer back; the strip stays usable.
  void freeBuffers() { std::vector<uint32_t>().swap(pixels_); }

  bool dbScale = false;
  int16_t leadColumns = 0;

 private:
  std::vector<uint32_t> pixels_;
};

}  // namespace ostrel3
