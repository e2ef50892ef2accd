#include "hostsim/media/synthetic_sound.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "hostsim/media/scene_sound.h"
#include "hostsim/media/sources.h"
#include "hostsim/media/video_format.h"

namespace hostsim {

namespace {

// Rounded to the nearest, without a call to the library for each sample:
// adding 1.5 x 2^23 leaves the rounded value in the sum's low bits.
int16_t toSample(float v) {
  const float shifted = std::clamp(v, -32767.0f, 32767.0f) + 12582912.0f;
  int32_t bits;
  std::memcpy(&bits, &shifted, sizeof bits);
  return int16_t(bits - 0x4B400000);
}

bool hearsScene(const MediaSource& source, int32_t frame) {
  if (source.sound.gain <= 0) return false;
  return std::none_of(source.sound.silent.begin(), source.sound.silent.end(),
                      [frame](FrameSpan s) { return frame >= s.first && frame <= s.last; });
}

// What the clip's samples first .. first + pairs - 1 hear of its scene
// (2 x pairs values at least): sample n hears the scene at start + n x
// rate, between two scene samples on the straight line between them.
std::vector<float> hearScene(const MediaSource& source, int64_t first, int32_t pairs, VideoFormat format) {
  const ScenePlacement at = scenePlacement(source, format);
  const double p0 = at.start + double(first) * at.rate;
  const int64_t lo = int64_t(std::floor(p0));
  const int64_t hi = int64_t(std::floor(at.start + double(first + pairs - 1) * at.rate)) + 1;
  std::vector<float> scene(size_t(2 * (hi - lo + 1)));
  sceneSound(source.sound.scene, lo, int32_t(hi - lo + 1), scene.data());
  if (at.rate == 1.0 && p0 == double(lo)) return scene;  // in step with the scene
  std::vector<float> heard(size_t(2 * pairs));
  // Positions from the field's first pair: small numbers, exact enough in a
  // double for a field, and quick to turn into an index.
  const double x0 = p0 - double(lo);
  for (int32_t k = 0; k < pairs; ++k) {
    const double x = x0 + double(k) * at.rate;
    const int32_t j = int32_t(x);
    const float f = float(x - double(j)), g = 1.0f - f;
    heard[size_t(2 * k)] = g * scene[size_t(2 * j)] + f * scene[size_t(2 * j + 2)];
    heard[size_t(2 * k + 1)] = g * scene[size_t(2 * j + 1)] + f * scene[size_t(2 * j + 3)];
  }
  return heard;
}

}  // namespace

ScenePlacement scenePlacement(const MediaSource& source, VideoFormat format) {
  const double rate = 1.0 + source.sound.driftPpm * 1e-6;
  // The clap (scene sample 0) falls on the first sample of the clap frame.
  if (source.clapFrame >= 0) return {-double(int64_t(source.clapFrame) * pairsPerFrame(format)) * rate, rate};
  return {source.sound.startSeconds.value_or(kSceneMusicStartSeconds) * kSampleRate, rate};
}

std::vector<int16_t> fieldSound(const MediaSource& source, int32_t frame, int parity, VideoFormat format) {
  const int32_t pairs = pairsPerField(format);
  const int64_t first = int64_t(frame) * pairsPerFrame(format) + int64_t(parity) * pairs;
  const bool hears = hearsScene(source, frame);
  const std::vector<float> heard = hears ? hearScene(source, first, pairs, format) : std::vector<float>(2 * size_t(pairs));
  const float gain = hears ? float(source.sound.gain) : 0.0f;
  // The microphone's own hiss, from the media's uid and the sample: no two
  // media share it, and every read of a field sounds the same.
  const float hiss = float(source.sound.noise * kBackgroundPeak);
  const uint64_t key = soundHash(uint64_t(source.uid) * 0x94d049bb133111ebull + 0x5851f42d4c957f2dull);
  std::vector<int16_t> out(2 * size_t(pairs));
  for (size_t i = 0; i < size_t(pairs); ++i) {
    const uint64_t bits = soundHash(key ^ uint64_t(first + int64_t(i)));
    out[2 * i] = toSample(gain * heard[2 * i] + hiss * signedUnit(uint32_t(bits)));
    out[2 * i + 1] = toSample(gain * heard[2 * i + 1] + hiss * signedUnit(uint32_t(bits >> 32)));
  }
  return out;
}

}  // namespace hostsim
