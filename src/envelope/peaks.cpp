#include "envelope/peaks.h"

#include <algorithm>
#include <cmath>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ostrel3 {

int16_t peakOfPairs(const int16_t* pairs, int n) {
  int16_t left = 0;
  int16_t right = 0;
  for (int i = 0; i < n; ++i) {
    left = std::max(left, magnitude(pairs[2 * i]));
    right = std::max(right, magnitude(pairs[2 * i + 1]));
  }
  return std::max(left, right);
}

void scaleSaturated(std::vector<int16_t>& values, int32_t g) {
  if (values.empty()) return;
  if (g < 1) {
    GainMeter meter;
    meter.add(values.data(), values.size());
    g = std::max(meter.gain(), 1);
  }
  for (int16_t& v : values) {
    const int64_t scaled = int64_t(g) * v;
    v = static_cast<int16_t>(std::clamp<int64_t>(scaled, -kFullScale, kFullScale));
  }
}

namespace {

// The loudest left and right magnitudes of pairs [first, end). The largest
// and smallest samples are gathered eight at a time (even lanes left, odd
// lanes right); the magnitude is taken once at the end.
std::pair<int16_t, int16_t> windowPeaks(const int16_t* pairs, size_t first, size_t end) {
  constexpr size_t kLanes = 8;
  int16_t high[kLanes] = {}, low[kLanes] = {};
  const int16_t* s = pairs + 2 * first;
  const size_t count = 2 * (end - first);
  size_t i = 0;
#if defined(__SSE2__)
  __m128i hi = _mm_setzero_si128(), lo = _mm_setzero_si128();
  for (; i + kLanes <= count; i += kLanes) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    hi = _mm_max_epi16(hi, v);
    lo = _mm_min_epi16(lo, v);
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(high), hi);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(low), lo);
#endif
  for (; i < count; ++i) {
    high[i % 2] = std::max(high[i % 2], s[i]);
    low[i % 2] = std::min(low[i % 2], s[i]);
  }
  int16_t peak[2] = {0, 0};
  for (size_t j = 0; j < kLanes; ++j) peak[j % 2] = std::max({peak[j % 2], high[j], magnitude(low[j])});
  return {peak[0], peak[1]};
}

}  // namespace

std::vector<int16_t> framePeaks(const int16_t* pairs, size_t pairCount, int32_t gain) {
  std::vector<int16_t> peaks;
  peaks.reserve(kEnvelopeValues);
  const double window = double(pairCount) / kEnvelopePairs;
  const size_t walk = window > 0 ? static_cast<size_t>(std::ceil(window)) : 0;
  for (int k = 0; k < kEnvelopePairs; ++k) {
    // Windows start on a pair, so a fractional window never swaps channels.
    const size_t first = static_cast<size_t>(k * window);
    const size_t end = std::min(first + walk, pairCount);
    const auto [left, right] = first < end ? windowPeaks(pairs, first, end) : std::pair<int16_t, int16_t>{0, 0};
    peaks.push_back(left);
    peaks.push_back(right);
  }
  scaleSaturated(peaks, std::max(gain, 1));
  return peaks;
}

std::vector<int16_t> columnsFromPeaks(const std::vector<int16_t>& values, int width) {
  std::vector<int16_t> columns;
  if (width <= 0) return columns;
  columns.reserve(width);
  const double perColumn = double(values.size() / 2) / width;
  const int pairs = static_cast<int>(perColumn);
  for (int i = 0; i < width; ++i) {
    const size_t start = static_cast<size_t>(2 * i * perColumn);
    columns.push_back(peakOfPairs(values.data() + start, pairs));
  }
  return columns;
}

void GainMeter::add(const int16_t* samples, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    min_ = std::min(min_, samples[i]);
    max_ = std::max(max_, samples[i]);
  }
}

int32_t GainMeter::gain() const {
  const int32_t range = int32_t(max_) - int32_t(min_) + 1;
  if (range <= 0) return -1;  // nothing measured
  return static_cast<int32_t>(65536.0 / range);
}

}  // namespace ostrel3
