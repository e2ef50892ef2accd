#pragma once
// Host-free arithmetic of sound envelopes: peaks of sample pairs, scaling
// with saturation, the per-frame envelope, the gain and the reduction of
// peaks to one value per strip column.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ostrel3 {

/// Peak values of one frame's envelope: 32 (left, right) pairs.
inline constexpr int kEnvelopePairs = 32;
inline constexpr int kEnvelopeValues = 2 * kEnvelopePairs;
/// Largest magnitude a peak may hold. A sample of -32768 counts as this:
/// its magnitude does not fit a 16-bit value.
inline constexpr int16_t kFullScale = 32767;

/// Magnitude of a sample, saturated to kFullScale.
inline int16_t magnitude(int16_t sample) {
  return sample == INT16_MIN ? kFullScale : static_cast<int16_t>(sample < 0 ? -sample : sample);
}

/// Over `n` interleaved (left, right) pairs: the larger of the loudest left
/// and the loudest right magnitude; 0 when n <= 0.
int16_t peakOfPairs(const int16_t* pairs, int n);

/// Multiplies every value by `g`, clamped to -32767..32767. A `g` below 1
/// is derived from the values' own range (65536 / (max - min + 1)).
void scaleSaturated(std::vector<int16_t>& values, int32_t g);

/// The 64-value envelope of one frame's interleaved pairs, scaled by
/// `gain` (at least 1): 32 windows of pairs / 32 pairs each (fractional
/// windows walk the next whole number of pairs, never past the frame).
std::vector<int16_t> framePeaks(const int16_t* pairs, size_t pairCount, int32_t gain);
inline std::vector<int16_t> framePeaks(const std::vector<int16_t>& pairs, int32_t gain) {
  return framePeaks(pairs.data(), pairs.size() / 2, gain);
}

/// `width` values, each the peak of its share of `values` read as pairs;
/// empty for a width of 0 or less.
std::vector<int16_t> columnsFromPeaks(const std::vector<int16_t>& values, int width);

/// Running minimum and maximum of samples, turned into the gain that makes
/// their range fill the 16-bit scale.
class GainMeter {
 public:
  void add(const int16_t* samples, size_t count);
  /// 65536 / (max - min + 1), truncated: 1 for full-scale sound, 65536 for
  /// silence, -1 when no sample was added (which callers raise to 1).
  int32_t gain() const;

 private:
  int16_t min_ = kFullScale;
  int16_t max_ = -kFullScale;
};

}  // namespace ostrel3
