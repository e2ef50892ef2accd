// Per-frame envelopes (32 pairs a frame, scaled by a gain) of one minute of
// 48 kHz stereo sound held in memory, beside a plain read (memcpy) of the
// same samples. Goal: at most four times the plain read. The paired case
// times both in turn, round by round, in processor time: counters
// envelope_us and read_us (medians), ratio, and realtime (seconds of sound
// enveloped per second of processor time).
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "envelope/peaks.h"

namespace {

using ostrel3_bench::median;
using ostrel3_bench::threadSeconds;

constexpr int kSampleRate = 48000;
constexpr int kSeconds = 60;
constexpr int kFramesPerSecond = 25;
constexpr size_t kPairsPerFrame = kSampleRate / kFramesPerSecond;
constexpr size_t kFrames = size_t(kSeconds) * kFramesPerSecond;
constexpr int32_t kGain = 3;

/// A minute of a tone with noise and a clap every second, as a camera hears it.
std::vector<int16_t> oneMinuteOfSound() {
  std::vector<int16_t> samples(2 * kPairsPerFrame * kFrames);
  std::mt19937 noise(7);
  std::uniform_int_distribution<int> hiss(-300, 300);
  for (size_t p = 0; p < samples.size() / 2; ++p) {
    const double tone = 8000 * std::sin(2 * M_PI * 440.0 * double(p) / kSampleRate);
    const bool clap = p % kSampleRate < 200;
    samples[2 * p] = static_cast<int16_t>(clap ? 30000 - int(p % kSampleRate) : tone + hiss(noise));
    samples[2 * p + 1] = static_cast<int16_t>(clap ? -30000 : -tone + hiss(noise));
  }
  return samples;
}

class Minute {
 public:
  Minute() : samples_(oneMinuteOfSound()), copy_(samples_.size()) { envelopes_.reserve(kFrames * 64); }

  void envelope() {
    envelopes_.clear();
    for (size_t f = 0; f < kFrames; ++f) {
      const std::vector<int16_t> peaks = ostrel3::framePeaks(samples_.data() + 2 * kPairsPerFrame * f, kPairsPerFrame, kGain);
      envelopes_.insert(envelopes_.end(), peaks.begin(), peaks.end());
    }
    benchmark::DoNotOptimize(envelopes_.data());
  }
  void read() {
    std::memcpy(copy_.data(), samples_.data(), samples_.size() * sizeof(int16_t));
    benchmark::DoNotOptimize(copy_.data());
    benchmark::ClobberMemory();
  }
  // An envelope that missed the claps would be quick for the wrong reason.
  bool envelopesHeard() const { return envelopes_.size() == kFrames * 64 && envelopes_[0] == 32767; }

 private:
  std::vector<int16_t> samples_;
  std::vector<int16_t> copy_;
  std::vector<int16_t> envelopes_;
};

void EnvelopeOneMinute(benchmark::State& state) {
  Minute m;
  for (auto _ : state) m.envelope();
  if (!m.envelopesHeard()) state.SkipWithError("the envelopes are wrong");
}

void PlainReadOneMinute(benchmark::State& state) {
  Minute m;
  for (auto _ : state) m.read();
}

void EnvelopeBesideRead(benchmark::State& state) {
  Minute m;
  std::vector<double> envelope, read;
  const auto timed = [](std::vector<double>& into, auto&& work) {
    const double start = threadSeconds();
    work();
    into.push_back(threadSeconds() - start);
  };
  for (auto _ : state) {
    timed(envelope, [&] { m.envelope(); });
    timed(read, [&] { m.read(); });
  }
  if (!m.envelopesHeard()) return state.SkipWithError("the envelopes are wrong");
  const double e = median(envelope), r = median(read);
  state.counters["envelope_us"] = 1e6 * e;
  state.counters["read_us"] = 1e6 * r;
  state.counters["ratio"] = e / r;
  state.counters["realtime"] = kSeconds / e;
}

BENCHMARK(EnvelopeOneMinute)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainReadOneMinute)->Unit(benchmark::kMillisecond);
BENCHMARK(EnvelopeBesideRead)->Unit(benchmark::kMillisecond);

}  // namespace
