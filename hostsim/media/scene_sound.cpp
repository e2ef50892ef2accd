#include "hostsim/media/scene_sound.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

#include "hostsim/media/synthetic_sound.h"
#include "hostsim/media/video_format.h"

namespace hostsim {

namespace {

// Loudest values of the band and of the murmur: with the microphone's usual
// noise they stay under kBackgroundPeak.
constexpr float kMusicPeak = 6000;
constexpr float kMurmurPeak = 1200;
constexpr int64_t kClapLength = kSampleRate / 40;
constexpr int64_t kKnot = kSampleRate / 2;        // the murmur's loudness changes this often
constexpr int64_t kGrain = 4;                     // its noise this often (it has little above 6 kHz)
constexpr int64_t kMusicStart = int64_t(kSceneMusicStartSeconds * kSampleRate);
constexpr int64_t kHushStart = kMusicStart - 3 * kSampleRate;
constexpr int kSlots = 8;  // notes a bar may hold

int64_t floorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && a < 0); }

struct SceneRecipe {
  uint64_t seed = 0;
  int64_t bar = 2 * kSampleRate;  // samples of a bar
  int64_t bars = 8;               // bars played in a phrase, before its bar of rest
  std::vector<float> music;       // one bar, interleaved pairs
  std::vector<float> clap;        // kClapLength pairs

  // The murmur's loudness at knot k, from a third of its peak to the peak.
  float knotLevel(int64_t k) const {
    const float u = float(soundHash(seed ^ (uint64_t(k) * 0xd6e8feb86659fd93ull)) >> 40) * 0x1p-24f;
    return kMurmurPeak * (0.3f + 0.7f * u * u);
  }
};

// Draws the scene's choices one after the other.
class Dice {
 public:
  explicit Dice(uint64_t seed) : state_(seed) {}
  uint64_t next() { return state_ = soundHash(state_ + 0x9e3779b97f4a7c15ull); }
  double unit() { return double(next() >> 11) * 0x1p-53; }

 private:
  uint64_t state_;
};

// A plucked note with its octave, panned, ringing on over the bar's end into
// its start so that repeated bars join without a seam.
void addNote(SceneRecipe& s, int64_t at, double hz, double level, double decaySeconds, double pan) {
  const double w = 2 * std::numbers::pi * hz / kSampleRate;
  const double left = level * std::cos(pan * std::numbers::pi / 2), right = level * std::sin(pan * std::numbers::pi / 2);
  const int64_t length = std::min<int64_t>(s.bar, int64_t(6 * decaySeconds * kSampleRate));
  for (int64_t k = 0; k < length; ++k) {
    const double attack = std::min(1.0, double(k) / 96);
    const double v = attack * std::exp(-double(k) / (decaySeconds * kSampleRate)) * (std::sin(w * k) + 0.3 * std::sin(2 * w * k));
    const size_t i = size_t((at + k) % s.bar);
    s.music[2 * i] += float(v * left);
    s.music[2 * i + 1] += float(v * right);
  }
}

void composeBar(SceneRecipe& s, Dice& dice) {
  static constexpr double kScale[] = {220, 247.5, 275, 330, 371.25, 440, 495, 550, 660, 742.5, 880};
  s.music.assign(size_t(2 * s.bar), 0.0f);
  const int64_t slot = s.bar / kSlots;
  // A drum on the first and fifth slot, then notes, the first always and loudest.
  for (int beat : {0, kSlots / 2}) addNote(s, beat * slot, 65, 0.8, 0.09, 0.5);
  for (int i = 0; i < kSlots; ++i) {
    if (i > 0 && dice.unit() >= 0.6) continue;
    const double hz = kScale[dice.next() % std::size(kScale)];
    const double level = i == 0 ? 1.0 : 0.4 + 0.35 * dice.unit();
    addNote(s, i * slot, hz, level, 0.05 + 0.1 * dice.unit(), 0.2 + 0.6 * dice.unit());
  }
  float peak = 0;
  for (float v : s.music) peak = std::max(peak, std::abs(v));
  for (float& v : s.music) v *= kMusicPeak / peak;
}

// A burst of noise and a bright tone that falls to under 1 % of its start.
void composeClap(SceneRecipe& s, Dice& dice, double hz) {
  s.clap.assign(size_t(2 * kClapLength), 0.0f);
  for (int64_t k = 1; k < kClapLength; ++k) {
    const double t = double(k) / kClapLength;
    const double envelope = std::exp(-6.0 * t) * (1.0 - t);
    const double tone = std::sin(2 * std::numbers::pi * hz * double(k) / kSampleRate);
    const uint64_t bits = dice.next();
    for (int ch = 0; ch < 2; ++ch)
      s.clap[size_t(2 * k + ch)] = float(kClapPeak * envelope * (0.5 * signedUnit(uint32_t(bits >> (32 * ch))) + 0.5 * tone));
  }
}

std::unique_ptr<const SceneRecipe> composeScene(int32_t number) {
  auto s = std::make_unique<SceneRecipe>();
  s->seed = number == 1 ? 0 : soundHash(uint64_t(number) * 0x9e3779b97f4a7c15ull);
  Dice dice(s->seed + 1);
  if (number != 1) {
    // 1.5 to 2.5 s, never scene 1's 2 s: another tempo, not a beat in step with it
    const int64_t tenths = 15 + int64_t(dice.next() % 10);
    s->bar = (tenths < 20 ? tenths : tenths + 1) * (kSampleRate / 10);
    s->bars = int64_t(5 + dice.next() % 5);
  }
  composeBar(*s, dice);
  composeClap(*s, dice, number == 1 ? 1500 : 1000 + 100 * double(dice.next() % 11));
  return s;
}

const SceneRecipe& recipeOf(int32_t number) {
  static std::mutex lock;
  static std::map<int32_t, std::unique_ptr<const SceneRecipe>> scenes;
  const std::lock_guard<std::mutex> hold(lock);
  auto& scene = scenes[number];
  if (!scene) scene = composeScene(number);
  return *scene;
}

// The crowd's noise at grain g of the scene, left and right.
struct Grain {
  float left = 0, right = 0;
};
Grain grainOf(const SceneRecipe& s, int64_t g) {
  const uint64_t bits = soundHash(s.seed ^ (uint64_t(g) * 0x9e3779b97f4a7c15ull));
  return {signedUnit(uint32_t(bits)), signedUnit(uint32_t(bits >> 32))};
}

// The murmur and the band; counters step along with the sample instead of
// dividing for each one. The murmur is a straight line from grain to grain,
// so that a clip whose clock drifts, and hears it between two samples,
// hears what lies there and not a duller noise.
void murmurAndBand(const SceneRecipe& s, int64_t first, int32_t count, float* out) {
  int64_t knot = floorDiv(first, kKnot);
  int64_t inKnot = first - knot * kKnot;
  float from = s.knotLevel(knot), to = s.knotLevel(knot + 1);
  int64_t grain = floorDiv(first, kGrain);
  int64_t inGrain = first - grain * kGrain;
  Grain g0 = grainOf(s, grain), g1 = grainOf(s, grain + 1);
  const int64_t phrase = s.bar * (s.bars + 1);
  const int64_t inPhrase = first - kMusicStart - floorDiv(first - kMusicStart, phrase) * phrase;
  int64_t bar = inPhrase / s.bar, inBar = inPhrase % s.bar;
  for (int32_t k = 0; k < count; ++k) {
    const int64_t i = first + k;
    const float level = from + (to - from) * float(inKnot) * (1.0f / kKnot);
    const float t = float(inGrain) * (1.0f / kGrain);
    float left = level * (g0.left + (g1.left - g0.left) * t), right = level * (g0.right + (g1.right - g0.right) * t);
    if (bar < s.bars && (i < kHushStart || i >= kMusicStart)) {
      left += s.music[size_t(2 * inBar)];
      right += s.music[size_t(2 * inBar + 1)];
    }
    out[2 * k] = left;
    out[2 * k + 1] = right;
    if (++inGrain == kGrain) {
      inGrain = 0, ++grain;
      g0 = g1, g1 = grainOf(s, grain + 1);
    }
    if (++inKnot == kKnot) {
      inKnot = 0, ++knot;
      from = to, to = s.knotLevel(knot + 1);
    }
    if (++inBar == s.bar) {
      inBar = 0;
      if (++bar > s.bars) bar = 0;  // after the phrase's bar of rest
    }
  }
}

}  // namespace

void sceneSound(int32_t scene, int64_t first, int32_t count, float* out) {
  const SceneRecipe& s = recipeOf(scene);
  murmurAndBand(s, first, count, out);
  // The clap rings over the rest; its first sample stands alone so that its
  // peak is exact.
  const int64_t from = std::max<int64_t>(first, 0), to = std::min<int64_t>(first + count, kClapLength);
  for (int64_t i = from; i < to; ++i)
    for (int ch = 0; ch < 2; ++ch) {
      float& v = out[2 * (i - first) + ch];
      v = i == 0 ? float(kClapPeak) : v + s.clap[size_t(2 * i + ch)];
    }
}

}  // namespace hostsim
