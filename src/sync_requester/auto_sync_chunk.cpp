// One chunk of the probe clip against a range of the target: Pearson
// correlation at every position, so that loud and quiet stretches of the
// target weigh alike, keeping the strongest few separate peaks.
#include <algorithm>
#include <cmath>

#include "auto_sync_parts.h"

namespace ostrel3::autosync {

namespace {
constexpr size_t kPeaksKept = 6;
constexpr double kFlat = 1e-3;  // a window this flat holds nothing to match
}  // namespace

Chunk::Chunk(const Envelope& probe, int64_t start, int64_t length)
    : values(probe.values.begin() + start, probe.values.begin() + start + length) {
  double total = 0.0;
  for (float v : values) total += v;
  const float mean = values.empty() ? 0.0f : static_cast<float>(total / double(values.size()));
  double squares = 0.0;
  for (float& v : values) {
    v -= mean;
    squares += double(v) * v;
  }
  norm = std::sqrt(squares);
}

double Chunk::pearson(const Envelope& target, int64_t q) const {
  const int64_t length = static_cast<int64_t>(values.size());
  if (q < 0 || q + length > target.size()) return 0.0;
  const double spread = target.spread(q, length);
  if (spread < kFlat || norm < kFlat) return 0.0;
  double sum = 0.0;
  for (int64_t j = 0; j < length; ++j) sum += double(values[j]) * target.values[q + j];
  return sum / (norm * spread);
}

ChunkSearch::ChunkSearch(const Envelope& probe, const Envelope& target, int64_t start, int64_t length,
                         int64_t first, int64_t last)
    : target_(target), chunk_(probe, start, length) {
  result_.start = start;
  result_.length = length;
  result_.silent = probe.silent(start, length) || probe.touchesDead(start, length) || chunk_.norm < kFlat;
  first_ = std::max<int64_t>(first, 0);
  last_ = std::min(last, target.size() - length);
  next_ = first_;
}

int64_t ChunkSearch::blocks() const {
  if (result_.silent || last_ < first_) return 0;
  const int64_t perBlock = BlockCorrelator::kSize - result_.length + 1;
  return (last_ - first_ + perBlock) / perBlock;
}

bool ChunkSearch::step(BlockCorrelator& fft) {
  if (result_.silent || next_ > last_) return false;
  if (!chunkSet_) {
    fft.setChunk(chunk_.values);
    chunkSet_ = true;
  }
  const std::vector<float>& sums = fft.correlate(target_, next_);
  const int64_t end = std::min(last_ + 1, next_ + fft.lagsPerBlock());
  for (int64_t q = next_; q < end; ++q) {
    const double spread = target_.spread(q, result_.length);
    if (spread < kFlat) continue;
    offer(q, static_cast<float>(sums[q - next_] / (chunk_.norm * spread)));
  }
  next_ = end;
  return next_ <= last_;
}

void ChunkSearch::offer(int64_t position, float r) {
  if (peaks_.size() == kPeaksKept && r <= peaks_.back().r) return;
  // A neighbour within the same lobe: keep whichever is higher.
  for (Peak& p : peaks_) {
    if (std::abs(p.position - position) < kPeakExclusion) {
      if (r <= p.r) return;
      p = {position, r};
      std::sort(peaks_.begin(), peaks_.end(), [](const Peak& a, const Peak& b) { return a.r > b.r; });
      return;
    }
  }
  if (peaks_.size() == kPeaksKept) peaks_.pop_back();
  peaks_.push_back({position, r});
  std::sort(peaks_.begin(), peaks_.end(), [](const Peak& a, const Peak& b) { return a.r > b.r; });
}

ChunkResult ChunkSearch::result() const {
  ChunkResult out = result_;
  if (out.silent || peaks_.empty()) {
    out.silent = out.silent || peaks_.empty();
    return out;
  }
  out.best = peaks_.front();
  for (const Peak& p : peaks_) {
    if (std::abs(p.position - out.best.position) >= kPeakExclusion) out.second = std::max(out.second, p.r);
  }
  // A parabola through the peak and its neighbours places it between samples.
  const double left = chunk_.pearson(target_, out.best.position - 1);
  const double right = chunk_.pearson(target_, out.best.position + 1);
  const double centre = out.best.r;
  const double curve = left - 2.0 * centre + right;
  double offset = curve < 0.0 ? 0.5 * (left - right) / curve : 0.0;
  offset = std::clamp(offset, -0.5, 0.5);
  out.lag = double(out.best.position) + offset - double(out.start);
  return out;
}

}  // namespace ostrel3::autosync
