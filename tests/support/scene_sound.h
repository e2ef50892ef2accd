#pragma once
// Cameras hearing one scene: each take renders the shared scene's sound
// (crowd noise, or music of repeated bars with an optional clap) with its own
// start, gain, hiss, clock drift and silent stretches, into memory, at 48 kHz
// stereo. The scene's carrier is shared, so the takes match sample for sample
// where their clocks agree.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "sync_requester/auto_sync.h"

namespace ostrel3_test {

enum class SceneKind { Crowd, Bars };

struct Scene {
  SceneKind kind = SceneKind::Crowd;
  uint64_t seed = 1;
  double barSeconds = 2.0;
  double clapAt = -1.0;  ///< scene seconds of a clap; negative: none
};

struct Take {
  Scene scene;
  double startSeconds = 0.0;  ///< scene time of the take's first sample
  double seconds = 60.0;
  double framesPerSecond = 25.0;
  double gain = 1.0;
  double hiss = 0.01;  ///< the take's own noise, share of full scale
  uint64_t hissSeed = 99;
  double driftPpm = 0.0;                                 ///< the take's clock runs this much fast
  std::vector<std::pair<double, double>> silences;       ///< take seconds recorded as silence
};

inline uint64_t SceneHash(uint64_t seed, uint64_t i) {
  uint64_t z = seed * 0x9E3779B97F4A7C15ull + i + 0x632BE59BD9B4E019ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

/// -1..1 from a hash.
inline float SceneUnit(uint64_t h) { return float(int64_t(h >> 40) - (1ll << 23)) / float(1ll << 23); }

/// The scene's loudness, a step every millisecond.
class SceneLoudness {
 public:
  explicit SceneLoudness(const Scene& s) : scene_(s) {
    const int64_t barMs = std::llround(s.barSeconds * 1000.0);
    for (int64_t ms = 0; ms < barMs; ++ms) {
      const double beat = s.barSeconds / 4.0;
      const double t = ms / 1000.0;
      const double since = std::fmod(t, beat);
      const double accent = t < beat ? 0.5 : 0.3;
      bar_.push_back(float(0.04 + accent * std::exp(-since / 0.08)));
    }
  }
  float at(int64_t ms) const {
    float a = 0.0f;
    if (scene_.kind == SceneKind::Crowd) {
      // A new level every 20 ms: talk, shouts and lulls.
      const uint64_t h = SceneHash(scene_.seed, uint64_t(ms / 20));
      a = float(0.12 * std::exp(2.5 * SceneUnit(h)));
    } else {
      a = bar_[size_t(ms % int64_t(bar_.size()))];
    }
    if (scene_.clapAt >= 0.0) {
      const int64_t clap = std::llround(scene_.clapAt * 1000.0);
      if (ms >= clap && ms < clap + 40) a += 0.8f;
    }
    return std::min(a, 0.95f);
  }

 private:
  Scene scene_;
  std::vector<float> bar_;
};

/// Renders a take's interleaved pairs.
inline std::vector<int16_t> RenderTake(const Take& take) {
  const SceneLoudness loudness(take.scene);
  const int64_t pairs = std::llround(take.seconds * 48000.0);
  std::vector<int16_t> out(size_t(2 * pairs));
  const double rate = 1.0 / (1.0 + take.driftPpm * 1e-6);
  const double start = take.startSeconds * 48000.0;
  // Music of repeated bars repeats sample for sample: a loop.
  const int64_t loop = take.scene.kind == SceneKind::Bars ? std::llround(take.scene.barSeconds * 48000.0) : 0;
  for (int64_t i = 0; i < pairs; ++i) {
    const int64_t t = int64_t(std::floor(start + double(i) * rate));
    const float a = t < 0 ? 0.0f : loudness.at(t / 48) * float(take.gain);
    const float carrier = t < 0 ? 0.0f : SceneUnit(SceneHash(take.scene.seed + 7, uint64_t(loop ? t % loop : t)));
    const uint64_t h = SceneHash(take.hissSeed, uint64_t(i));
    const float hiss = float(take.hiss);
    const float left = a * carrier + hiss * SceneUnit(h);
    const float right = a * carrier * 0.8f + hiss * SceneUnit(h * 31 + 5);
    out[size_t(2 * i)] = int16_t(std::clamp(left, -1.0f, 1.0f) * 32767.0f);
    out[size_t(2 * i + 1)] = int16_t(std::clamp(right, -1.0f, 1.0f) * 32767.0f);
  }
  for (const auto& [from, to] : take.silences) {
    const int64_t a = std::clamp<int64_t>(std::llround(from * 48000.0), 0, pairs);
    const int64_t b = std::clamp<int64_t>(std::llround(to * 48000.0), a, pairs);
    std::fill(out.begin() + 2 * a, out.begin() + 2 * b, int16_t(0));
  }
  return out;
}

/// A clip's sound held in memory, read by frames.
class VectorSound : public ostrel3::SoundSource {
 public:
  VectorSound(std::vector<int16_t> pairs, double framesPerSecond)
      : pairs_(std::move(pairs)), framesPerSecond_(framesPerSecond) {}
  explicit VectorSound(const Take& take) : VectorSound(RenderTake(take), take.framesPerSecond) {}

  int32_t frameCount() const override {
    return int32_t(std::floor(double(pairs_.size() / 2) * framesPerSecond_ / 48000.0));
  }
  bool appendFrames(int32_t first, int32_t last, std::vector<int16_t>& out) override {
    ++reads;
    largestRead = std::max(largestRead, last - first + 1);
    const size_t a = 2 * pairAt(first), b = 2 * pairAt(last + 1);
    out.insert(out.end(), pairs_.begin() + int64_t(a), pairs_.begin() + int64_t(b));
    return true;
  }
  int reads = 0;
  int32_t largestRead = 0;

 private:
  size_t pairAt(int32_t frame) const {
    return std::min(pairs_.size() / 2, size_t(std::floor(double(frame) * 48000.0 / framesPerSecond_)));
  }
  std::vector<int16_t> pairs_;
  double framesPerSecond_;
};

}  // namespace ostrel3_test
