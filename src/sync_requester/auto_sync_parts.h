#pragma once
// The pieces of the search by sound: a clip's energy envelope, the FFT that
// correlates a chunk of one envelope against a stretch of the other, and the
// consensus of the chunks. Positions and lags are in envelope samples
// (2.5 ms) until the job turns them into frames.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sync_requester/auto_sync.h"

struct AVTXContext;

namespace ostrel3::autosync {

constexpr int kSampleRate = 48000;
constexpr int kPairsPerSample = 120;  // 2.5 ms: fine enough for a quarter frame
constexpr double kEnvelopeRate = double(kSampleRate) / kPairsPerSample;
constexpr double kReadSeconds = 4.0;  // sound read per step
// A peak nearer than this to the best one is the same event, not a rival.
constexpr int64_t kPeakExclusion = 40;
// Below this correlation a chunk's best peak says nothing.
constexpr float kMinCorrelation = 0.2f;
// A chunk counts once when its runner-up peak leaves this much more of the
// chunk unmatched than its best peak does (relative to the best's mismatch).
constexpr double kDistinctionScale = 0.5;
constexpr double kMaxChunkWeight = 2.0;
// Near-identical envelopes: below this mismatch, differences are noise.
constexpr double kMinMismatch = 0.01;
// A chunk whose match on the chosen line is this close to its best peak (on
// the same relative scale) is consistent with it, though it proves nothing:
// repeated content.
constexpr double kConsistentSlack = 0.25;
// Chunks agree on a lag within this many samples, plus room for drift.
constexpr double kAgreeSamples = 6.0;
constexpr double kDriftAllowance = 300e-6;
// Below this the verdict is "not sure": never a silent guess.
constexpr double kConfident = 0.6;

/// A clip's sound as log energy per 2.5 ms, its mean removed, with running
/// sums for the spread of any window.
struct Envelope {
  std::vector<float> values;
  std::vector<double> sums, squares;  // prefix sums, one longer than values
  float quiet = 0.0f;                 // the value of digital silence
  // Per second of sound: true where the envelope is nearly flat against the
  // clip's usual movement (a microphone that dropped out and hears only its
  // own hiss). Such stretches match anything a little and prove nothing.
  std::vector<uint8_t> deadSeconds;

  int64_t size() const { return static_cast<int64_t>(values.size()); }
  /// Removes `mean` from the next `count` values and extends the prefix sums
  /// over them; true while values remain.
  bool finishSome(float mean, int64_t count);
  /// sqrt(sum of squared deviations) of values[first, first + length).
  double spread(int64_t first, int64_t length) const;
  /// True when too little of the window rises above silence to match on.
  bool silent(int64_t first, int64_t length) const;
  /// True when sample i rises clearly above silence.
  bool audible(int64_t i) const;
  /// True when the window overlaps a second marked dead.
  bool touchesDead(int64_t first, int64_t length) const;
  /// Marks the dead seconds; called once every value is finished.
  void markDeadSeconds();
};

/// Reads one clip's sound a few seconds a step into its envelope.
class EnvelopeReader {
 public:
  EnvelopeReader(SoundSource* source, double framesPerSecond);
  /// Reads one piece, or once all is read finishes a piece of the
  /// envelope; true while more remains.
  bool step();
  double progress() const;
  /// The finished envelope (call once step() has returned false).
  Envelope take();

 private:
  void consume(const std::vector<int16_t>& pairs);

  SoundSource* source_;
  int32_t frames_ = 0, next_ = 0, framesPerStep_ = 1;
  bool done_ = false;
  std::vector<int16_t> buffer_;
  int64_t energy_ = 0;
  int pairs_ = 0;
  double total_ = 0.0;  // of the values, for their mean
  Envelope envelope_;
};

/// Owns one av_tx context and its transform function.
class TxHolder {
 public:
  TxHolder(int size, bool inverse);
  ~TxHolder();
  TxHolder(const TxHolder&) = delete;
  TxHolder& operator=(const TxHolder&) = delete;
  /// Transforms `in` into `out` (the inverse overwrites `in`).
  void run(float* out, float* in, ptrdiff_t stride) const;
  explicit operator bool() const { return context_ != nullptr; }

 private:
  AVTXContext* context_ = nullptr;
  void (*fn_)(AVTXContext*, void*, void*, ptrdiff_t) = nullptr;
};

/// Cross-correlates one chunk against blocks of a longer envelope.
class BlockCorrelator {
 public:
  static constexpr int kSize = 1 << 16;
  BlockCorrelator();
  bool valid() const { return bool(forward_) && bool(inverse_); }
  /// Takes a chunk (mean removed, at most kSize / 2 long) to correlate.
  void setChunk(const std::vector<float>& chunk);
  /// Sum of chunk[j] * target[from + k + j] for k in 0..kSize - chunk length;
  /// target beyond its end reads as zero.
  const std::vector<float>& correlate(const Envelope& target, int64_t from);
  int64_t lagsPerBlock() const { return kSize - length_ + 1; }

 private:
  TxHolder forward_, inverse_;
  std::vector<float> chunkSpectrum_, block_, spectrum_, out_;
  int64_t length_ = 0;
};

struct Peak {
  int64_t position = 0;
  float r = -2.0f;
};

/// One chunk of the probe clip searched over a range of the target's positions.
struct ChunkResult {
  int64_t start = 0, length = 0;  // in the probe
  bool silent = false;
  Peak best;
  float second = -1.0f;  // best rival outside the peak's own lobe
  double lag = 0.0;      // target position - probe position, sub-sample
};

/// The mean-removed copy of probe[start, start + length) and its norm.
struct Chunk {
  std::vector<float> values;
  double norm = 0.0;
  Chunk(const Envelope& probe, int64_t start, int64_t length);
  /// Pearson correlation with target[q, q + length); 0 where either is flat.
  double pearson(const Envelope& target, int64_t q) const;
};

/// Searches one chunk over target positions [first, last], a block a step.
class ChunkSearch {
 public:
  ChunkSearch(const Envelope& probe, const Envelope& target, int64_t start, int64_t length, int64_t first,
              int64_t last);
  /// Correlates one block; true while more remain.
  bool step(BlockCorrelator& fft);
  int64_t blocks() const;
  ChunkResult result() const;

 private:
  void offer(int64_t position, float r);

  const Envelope& target_;
  Chunk chunk_;
  ChunkResult result_;
  int64_t first_, last_, next_;
  bool chunkSet_ = false;
  std::vector<Peak> peaks_;  // the strongest few, apart from each other
};

/// The line lag = a + slope * (position - centre) the chunks agree on.
struct LagLine {
  bool found = false;
  double a = 0.0, slope = 0.0, centre = 0.0;
  double confidence = 0.0;
  int supporters = 0;
  double at(double position) const { return a + slope * (position - centre); }
};

/// Picks the lag most chunks agree on, fits its drift and weighs how sure it is.
LagLine Consensus(const Envelope& probe, const Envelope& target, const std::vector<ChunkResult>& chunks);

/// How many samples both clips are audible at once when b lies `shift` behind a.
int64_t AudibleTogether(const Envelope& a, const Envelope& b, int64_t shift);

/// Evenly spread chunk starts over [first, first + span) for chunks of `length`.
std::vector<int64_t> SpreadChunks(int64_t first, int64_t span, int64_t length, int count);

}  // namespace ostrel3::autosync
