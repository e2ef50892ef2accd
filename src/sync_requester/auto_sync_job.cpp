// The search in bounded steps: read both clips' sound, then search near the
// lag the recording times imply, else over every lag where the clips overlap,
// and confirm a lag found that way with chunks spread over its overlap.
#include <algorithm>
#include <cmath>
#include <optional>

#include "auto_sync_parts.h"

namespace ostrel3 {

using namespace autosync;

namespace {

constexpr int kBlocksPerStep = 4;
constexpr double kNarrowSeconds = 10.0;  // either side of the expected lag
constexpr int kNarrowChunks = 12;
constexpr int kWideChunks = 16;
constexpr double kWideChunkSeconds = 20.0;
constexpr double kMinChunkSeconds = 8.0;
constexpr double kMaxChunkSeconds = 30.0;
constexpr double kMinOverlapSeconds = 4.0;

int64_t EnvelopeSamples(double seconds) { return std::llround(seconds * kEnvelopeRate); }

enum class SearchKind { Times, Wide, Confirm };

struct SearchPass {
  SearchKind kind = SearchKind::Times;
  bool swapped = false;  // the other clip is the probe
  std::vector<ChunkSearch> searches;
  size_t current = 0;
  int64_t blocksDone = 0, blocksTotal = 0;
  double progressBase = 0.0;
};

}  // namespace

struct AutoSyncJob::State {
  AutoSyncInput input;
  EnvelopeReader referenceReader, otherReader;
  Envelope reference, other;
  std::optional<BlockCorrelator> fft;
  enum class Phase { ReadReference, ReadOther, Plan, Search, Done } phase = Phase::ReadReference;
  std::optional<SearchPass> pass;
  bool triedTimes = false, triedWide = false;
  double progress = 0.0;
  AutoSyncResult result;

  explicit State(const AutoSyncInput& in)
      : input(in), referenceReader(in.reference, in.framesPerSecond), otherReader(in.other, in.framesPerSecond) {}

  double framesPerSample() const { return input.framesPerSecond / kEnvelopeRate; }
  int32_t referenceFrames() const { return input.reference ? std::max(input.reference->frameCount(), 0) : 0; }
  int32_t otherFrames() const { return input.other ? std::max(input.other->frameCount(), 0) : 0; }

  bool timesKnown() const {
    const AutoSyncInput& in = input;
    if (in.referenceStart <= 0 || in.otherStart <= 0) return false;
    if (in.referenceEnd != 0 && in.referenceEnd < in.referenceStart) return false;
    return in.otherEnd == 0 || in.otherEnd >= in.otherStart;
  }
  double timesLagFrames() const { return double(input.referenceStart - input.otherStart) * input.framesPerSecond; }

  void step();
  void plan();
  void startNarrow(SearchKind kind, double lag);
  void startWide();
  void search();
  void judge();
  void finishSound(const LagLine& line);
  void finishWithoutSound();
  void finish();
};

void AutoSyncJob::State::step() {
  // A rate the frames cannot be placed by: nothing to say but "sync by hand".
  if (!(input.framesPerSecond > 1.0 && input.framesPerSecond < 1000.0)) return finish();
  switch (phase) {
    // Each clip's reading is a quarter of the work, reached once its
    // envelope is finished too.
    case Phase::ReadReference:
      progress = 0.24 * referenceReader.progress();
      if (!referenceReader.step()) {
        reference = referenceReader.take();
        phase = Phase::ReadOther;
        progress = 0.25;
      }
      break;
    case Phase::ReadOther:
      progress = 0.25 + 0.24 * otherReader.progress();
      if (!otherReader.step()) {
        other = otherReader.take();
        phase = Phase::Plan;
        progress = 0.5;
      }
      break;
    case Phase::Plan:
      plan();
      break;
    case Phase::Search:
      search();
      break;
    case Phase::Done:
      break;
  }
}

void AutoSyncJob::State::plan() {
  if (!fft) fft.emplace();
  if (!triedTimes && timesKnown()) {
    triedTimes = true;
    startNarrow(SearchKind::Times, timesLagFrames() / framesPerSample());
  } else if (!triedWide) {
    triedWide = true;
    startWide();
  } else {
    finishWithoutSound();
  }
}

void AutoSyncJob::State::startNarrow(SearchKind kind, double lag) {
  SearchPass p;
  p.kind = kind;
  const int64_t shift = std::llround(lag);
  const int64_t first = std::max<int64_t>(0, -shift);
  const int64_t span = std::min(reference.size(), other.size() - shift) - first;
  if (span >= EnvelopeSamples(kMinOverlapSeconds)) {
    const int64_t length = std::min(
        span, std::clamp(span / kNarrowChunks, EnvelopeSamples(kMinChunkSeconds), EnvelopeSamples(kMaxChunkSeconds)));
    const int count = static_cast<int>(std::clamp<int64_t>(span / length, 1, kNarrowChunks));
    const int64_t window = EnvelopeSamples(kNarrowSeconds);
    for (int64_t start : SpreadChunks(first, span, length, count)) {
      p.searches.emplace_back(reference, other, start, length, start + shift - window, start + shift + window);
    }
  }
  pass = std::move(p);
  phase = Phase::Search;
}

void AutoSyncJob::State::startWide() {
  SearchPass p;
  p.kind = SearchKind::Wide;
  // Chunks of the shorter clip: the overlap is at most that long.
  p.swapped = other.size() < reference.size();
  const Envelope& probe = p.swapped ? other : reference;
  const Envelope& target = p.swapped ? reference : other;
  // Short clips get shorter chunks, so that some lie wholly in a partial overlap.
  const int64_t length = std::clamp(std::min(probe.size(), target.size()) / 3, EnvelopeSamples(kMinOverlapSeconds),
                                    EnvelopeSamples(kWideChunkSeconds));
  if (length <= std::min(probe.size(), target.size())) {
    const int count = static_cast<int>(std::clamp<int64_t>(probe.size() / length, 1, kWideChunks));
    for (int64_t start : SpreadChunks(0, probe.size(), length, count)) {
      p.searches.emplace_back(probe, target, start, length, 0, target.size() - length);
    }
  }
  pass = std::move(p);
  phase = Phase::Search;
}

void AutoSyncJob::State::search() {
  SearchPass& p = *pass;
  if (p.blocksTotal == 0) {
    for (const ChunkSearch& s : p.searches) p.blocksTotal += s.blocks();
    p.progressBase = progress;
  }
  for (int n = 0; n < kBlocksPerStep && p.current < p.searches.size(); ++n) {
    if (!p.searches[p.current].step(*fft)) ++p.current;
    ++p.blocksDone;
  }
  if (p.blocksTotal > 0) {
    const double done = std::min(1.0, double(p.blocksDone) / double(p.blocksTotal));
    progress = std::max(progress, p.progressBase + (1.0 - p.progressBase) * 0.6 * done);
  }
  if (p.current >= p.searches.size()) judge();
}

void AutoSyncJob::State::judge() {
  const SearchPass& p = *pass;
  std::vector<ChunkResult> chunks;
  for (const ChunkSearch& s : p.searches) chunks.push_back(s.result());
  const Envelope& probe = p.swapped ? other : reference;
  const Envelope& target = p.swapped ? reference : other;
  const LagLine line = Consensus(probe, target, chunks);
  if (p.kind == SearchKind::Wide) {
    // A lag found over the whole overlap is checked with chunks spread over
    // that overlap, which also measures the drift across it.
    if (line.found) {
      startNarrow(SearchKind::Confirm, p.swapped ? -line.a : line.a);
    } else {
      finishWithoutSound();
    }
    return;
  }
  if (line.found && line.confidence >= kConfident) {
    finishSound(line);
  } else if (p.kind == SearchKind::Times) {
    phase = Phase::Plan;
  } else {
    finishWithoutSound();
  }
}

void AutoSyncJob::State::finishSound(const LagLine& line) {
  const double perSample = framesPerSample();
  const int64_t shift = std::llround(line.a);
  const int64_t first = std::max<int64_t>(0, -shift);
  const int64_t span = std::max<int64_t>(0, std::min(reference.size(), other.size() - shift) - first);
  // The middle of the overlap halves the drift's error at both ends.
  const double middle = double(first) + 0.5 * double(span);
  AutoSyncResult& r = result;
  r.basis = SyncBasis::Sound;
  r.confidence = std::min(1.0, line.confidence);
  r.referenceFrame = std::clamp(static_cast<int32_t>(std::floor(middle * perSample)), 0,
                                std::max(0, referenceFrames() - 1));
  r.lagFrames = line.at(double(r.referenceFrame) / perSample) * perSample;
  r.otherFrame = std::clamp(r.referenceFrame + static_cast<int32_t>(std::lround(r.lagFrames)), 0,
                            std::max(0, otherFrames() - 1));
  r.driftPpm = line.slope * 1e6;
  const double wander = std::abs(line.slope) * double(span) * perSample;
  r.drifting = wander > 0.5;
  r.driftErrorFrames = r.drifting ? 0.5 * wander : 0.0;
  finish();
}

// Recording times place the camera only when the sound cannot tell: one of
// the clips is silent (or unreadable) wherever the times say they overlap.
// Two clips that are both heard there and still do not match did not hear
// the same scene, whatever their clocks say: the user decides.
void AutoSyncJob::State::finishWithoutSound() {
  result = AutoSyncResult{};
  if (timesKnown()) {
    const double lag = timesLagFrames();
    const int32_t shift = static_cast<int32_t>(std::lround(lag));
    const int32_t first = std::max(0, -shift);
    const int32_t last = std::min(referenceFrames(), otherFrames() - shift);
    const int64_t heard = AudibleTogether(reference, other, std::llround(lag / framesPerSample()));
    if (last > first && heard < EnvelopeSamples(kMinOverlapSeconds)) {
      result.basis = SyncBasis::RecordingTimes;
      result.confidence = 1.0;
      result.referenceFrame = first + (last - first) / 2;
      result.otherFrame = result.referenceFrame + shift;
      result.lagFrames = lag;
    }
  }
  finish();
}

void AutoSyncJob::State::finish() {
  pass.reset();
  fft.reset();
  progress = 1.0;
  phase = Phase::Done;
}

AutoSyncJob::AutoSyncJob(const AutoSyncInput& input) : state_(std::make_unique<State>(input)) {}

AutoSyncJob::~AutoSyncJob() = default;

bool AutoSyncJob::step() {
  if (state_->phase == State::Phase::Done) return false;
  try {
    state_->step();
  } catch (const std::exception&) {
    // Out of memory or no FFT: say "not sure" rather than guess.
    state_->result = AutoSyncResult{};
    state_->finish();
  }
  return state_->phase != State::Phase::Done;
}

double AutoSyncJob::progress() const { return state_->progress; }

const AutoSyncResult& AutoSyncJob::result() const { return state_->result; }

AutoSyncResult AutoSync(const AutoSyncInput& input) {
  AutoSyncJob job(input);
  while (job.step()) {
  }
  return job.result();
}

}  // namespace ostrel3
