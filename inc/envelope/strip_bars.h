#pragma once
// Host-free geometry of the waveform strip: the decibel table and the bar
// of each column.
#include <cstdint>
#include <vector>

namespace ostrel3 {

/// Bar heights in pixels by amplitude (0..32767) on a decibel scale:
/// -42 dB and below draw nothing, 0 dB the full height.
class DecibelTable {
 public:
  DecibelTable() : heights_(kEntries, 0) {}
  /// Rebuilds for `height` unless the table is already built for it.
  void build(int16_t height);
  /// The bar height for an amplitude; 0 outside the table.
  int16_t at(int32_t amplitude) const {
    return amplitude >= 0 && amplitude < kEntries ? heights_[amplitude] : 0;
  }
  int16_t height() const { return height_; }

 private:
  // 32768 amplitudes and a few spare entries that stay 0.
  static constexpr int kEntries = 32777;
  std::vector<int16_t> heights_;
  int16_t height_ = -1;
};

/// Height in pixels of the bar for `value` in a strip `height` rows high:
/// linear, or from `table` when `dbScale`. Every column shows at least one
/// pixel and leaves the top row empty.
int barHeight(int32_t value, int height, bool dbScale, const DecibelTable& table);

/// The two middle columns of a strip `width` columns wide carry the marker.
inline bool isMarkerColumn(int column, int width) { return column >= width / 2 - 1 && column < width / 2 + 1; }

}  // namespace ostrel3
