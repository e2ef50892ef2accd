#include "sync_requester/clip_sound_source.h"

#include <algorithm>

namespace ostrel3 {

namespace {
// Five frames hold a whole number of pairs at every rate the host plays.
constexpr int32_t kRateFrames = 5;
constexpr double kPairsPerSecond = 48000.0;
}  // namespace

bool ClipSoundSource::appendFrames(int32_t first, int32_t last, std::vector<int16_t>& out) {
  // The raw path refuses frames outside the clip; the search never needs them.
  first = std::max(first, 0);
  last = std::min(last, frameCount() - 1);
  if (first > last) return true;
  return envelope_.appendFrames(first, last, out, false);
}

double MeasuredFrameRate(SoundSource& source, double fallback) {
  if (source.frameCount() < kRateFrames) return fallback;
  std::vector<int16_t> pairs;
  if (!source.appendFrames(0, kRateFrames - 1, pairs) || pairs.empty()) return fallback;
  const double pairsPerFrame = double(pairs.size() / 2) / kRateFrames;
  return kPairsPerSecond / pairsPerFrame;
}

}  // namespace ostrel3
