// Many chunks vote on one lag. A chunk counts by how clearly its best peak
// beats its runner-up, so repeated content (whose peaks are all alike) proves
// nothing, while a chunk that clearly matches elsewhere counts against.
// Confidence = support / (support + against) * (1 - exp(-support)): one
// clearly distinctive chunk alone reaches 0.86, several agreeing ones near 1.
#include <algorithm>
#include <cmath>
#include <optional>

#include "auto_sync_parts.h"

namespace ostrel3::autosync {

namespace {

constexpr int64_t kOnLineReach = 3;  // samples searched either side of the line

double ChunkCentre(const ChunkResult& c) { return double(c.start) + 0.5 * double(c.length); }

bool UsableChunk(const ChunkResult& c) { return !c.silent && c.best.r >= kMinCorrelation; }

// How much worse the runner-up matches than the best, against how well the
// best matches: a repeated bar matches every repeat about as well, while a
// distinctive event leaves every other repeat clearly worse.
double Distinction(double best, double rival) {
  const double mismatch = std::max(1.0 - best, kMinMismatch);
  return (best - rival) / mismatch;
}

double ChunkWeight(const ChunkResult& c) {
  return std::clamp(Distinction(c.best.r, std::max(0.0f, c.second)) / kDistinctionScale, 0.0, kMaxChunkWeight);
}

// Least squares of lag against position over the chosen chunks.
LagLine FitLine(const std::vector<ChunkResult>& chunks, const std::vector<size_t>& chosen) {
  LagLine line;
  line.found = !chosen.empty();
  if (chosen.empty()) return line;
  double meanP = 0.0, meanLag = 0.0;
  for (size_t i : chosen) {
    meanP += ChunkCentre(chunks[i]);
    meanLag += chunks[i].lag;
  }
  meanP /= double(chosen.size());
  meanLag /= double(chosen.size());
  double sxx = 0.0, sxy = 0.0;
  for (size_t i : chosen) {
    const double dx = ChunkCentre(chunks[i]) - meanP;
    sxx += dx * dx;
    sxy += dx * (chunks[i].lag - meanLag);
  }
  line.centre = meanP;
  line.a = meanLag;
  line.slope = sxx > 1.0 ? sxy / sxx : 0.0;
  line.supporters = static_cast<int>(chosen.size());
  return line;
}

// The chunks whose best lag lies near the line (with room for drift from the anchor).
std::vector<size_t> Supporters(const std::vector<ChunkResult>& chunks, const LagLine& line, double anchor,
                               double driftAllowance) {
  std::vector<size_t> out;
  for (size_t k = 0; k < chunks.size(); ++k) {
    if (!UsableChunk(chunks[k])) continue;
    const double p = ChunkCentre(chunks[k]);
    const double reach = kAgreeSamples + driftAllowance * std::abs(p - anchor);
    if (std::abs(chunks[k].lag - line.at(p)) <= reach) out.push_back(k);
  }
  return out;
}

// The best correlation a chunk reaches on the line; none where the line
// takes it beyond the target, whose sound there nobody heard.
std::optional<double> OnLineCorrelation(const Envelope& probe, const Envelope& target, const ChunkResult& c,
                                        const LagLine& line) {
  const int64_t q = std::llround(double(c.start) + line.at(ChunkCentre(c)));
  if (q - kOnLineReach < 0 || q + kOnLineReach + c.length > target.size()) return std::nullopt;
  // Nor where the target's microphone heard nothing of the scene.
  if (target.touchesDead(q - kOnLineReach, c.length + 2 * kOnLineReach)) return std::nullopt;
  const Chunk chunk(probe, c.start, c.length);
  double best = -1.0;
  for (int64_t d = -kOnLineReach; d <= kOnLineReach; ++d) best = std::max(best, chunk.pearson(target, q + d));
  return best;
}

double ChunkConfidence(const Envelope& probe, const Envelope& target, const std::vector<ChunkResult>& chunks,
                  const std::vector<size_t>& supporters, const LagLine& line) {
  double support = 0.0, against = 0.0;
  for (size_t i : supporters) support += ChunkWeight(chunks[i]);
  for (size_t k = 0; k < chunks.size(); ++k) {
    if (!UsableChunk(chunks[k]) || std::find(supporters.begin(), supporters.end(), k) != supporters.end()) continue;
    const std::optional<double> onLine = OnLineCorrelation(probe, target, chunks[k], line);
    if (!onLine) continue;
    const double shortfall = Distinction(chunks[k].best.r, *onLine);
    if (shortfall > kConsistentSlack) against += std::min(shortfall / kDistinctionScale, kMaxChunkWeight);
  }
  if (support <= 0.0) return 0.0;
  return support / (support + against) * (1.0 - std::exp(-support));
}

}  // namespace

LagLine Consensus(const Envelope& probe, const Envelope& target, const std::vector<ChunkResult>& chunks) {
  // The anchor: the chunk whose lag the most weight agrees with.
  double bestSupport = -1.0;
  size_t anchor = chunks.size();
  for (size_t j = 0; j < chunks.size(); ++j) {
    if (!UsableChunk(chunks[j])) continue;
    LagLine flat;
    flat.a = chunks[j].lag;
    double support = 0.0;
    for (size_t k : Supporters(chunks, flat, ChunkCentre(chunks[j]), kDriftAllowance)) {
      support += ChunkWeight(chunks[k]);
    }
    if (support > bestSupport || (support == bestSupport && chunks[j].best.r > chunks[anchor].best.r)) {
      bestSupport = support;
      anchor = j;
    }
  }
  if (anchor == chunks.size()) return {};
  LagLine flat;
  flat.a = chunks[anchor].lag;
  const double anchorP = ChunkCentre(chunks[anchor]);
  std::vector<size_t> chosen = Supporters(chunks, flat, anchorP, kDriftAllowance);
  LagLine line = FitLine(chunks, chosen);
  // Once more with the fitted drift, without the allowance, to drop stragglers.
  const std::vector<size_t> tight = Supporters(chunks, line, line.centre, 0.0);
  if (!tight.empty()) {
    chosen = tight;
    line = FitLine(chunks, chosen);
  }
  line.confidence = ChunkConfidence(probe, target, chunks, chosen, line);
  return line;
}

std::vector<int64_t> SpreadChunks(int64_t first, int64_t span, int64_t length, int count) {
  std::vector<int64_t> starts;
  if (span < length || count < 1) return starts;
  if (count == 1) return {first + (span - length) / 2};
  for (int i = 0; i < count; ++i) starts.push_back(first + (span - length) * i / (count - 1));
  return starts;
}

}  // namespace ostrel3::autosync
