#include "hostsim/media/synthetic_sound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "hostsim/media/sources.h"
#include "hostsim/media/video_format.h"

namespace hostsim {

namespace {

// Repeatable noise in -1..1 for a sample of a channel of a media.
double noise(uint32_t media, int64_t sample, int channel) {
  uint64_t x = (uint64_t(media) << 40) ^ (uint64_t(sample) << 1) ^ uint64_t(channel);
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdull;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ull;
  x ^= x >> 33;
  return double(x >> 11) / double(1ull << 52) - 1.0;
}

double toneHz(const MediaSource& s) { return 220.0 + 55.0 * (s.index % 12); }

// The clap: a burst of noise and a bright tone that falls to under 1 % of
// its start within three quarters of a frame.
double clap(int64_t sinceStart, int64_t length, uint32_t media, int channel) {
  if (sinceStart < 0 || sinceStart >= length) return 0.0;
  const double t = double(sinceStart) / length;
  const double envelope = std::exp(-6.0 * t) * (1.0 - t);
  const double body = 0.5 * noise(media + 7, sinceStart, channel) +
                      0.5 * std::sin(2 * std::numbers::pi * 1500.0 * sinceStart / kSampleRate);
  // The very first sample is full scale so that the burst's peak is exact.
  return sinceStart == 0 ? 1.0 : envelope * body;
}

// How loud the event is at pair `n` of a media, 0..1 of the background's
// peak: the murmur until the clap has died away, then beats in phrases.
double loudness(int64_t n, int64_t bandStart, bool hasClap) {
  constexpr double kMurmur = 0.125;
  if (hasClap && n < bandStart) return kMurmur;
  const int64_t t = hasClap ? n - bandStart : n;
  const double sinceBeat = double(t % (kSampleRate / 2)) / kSampleRate;
  const double phrase = 0.65 + 0.35 * std::cos(2 * std::numbers::pi * double(t) / (4.0 * kSampleRate));
  return phrase * (0.2 + 0.8 * std::exp(-sinceBeat / 0.08));
}

}  // namespace

std::vector<int16_t> fieldSound(const MediaSource& source, int32_t frame, int parity, VideoFormat format) {
  const int32_t pairs = pairsPerField(format);
  const int64_t frameStart = int64_t(frame) * pairsPerFrame(format);
  const int64_t first = frameStart + int64_t(parity) * pairs;
  const int64_t clapStart = int64_t(source.clapFrame) * pairsPerFrame(format);
  const int64_t clapLength = pairsPerFrame(format) * 3 / 4;
  const double w = 2 * std::numbers::pi * toneHz(source) / kSampleRate;

  std::vector<int16_t> out(size_t(pairs) * 2);
  for (int32_t i = 0; i < pairs; ++i) {
    const int64_t n = first + i;
    for (int ch = 0; ch < 2; ++ch) {
      // Left and right hum a fifth apart so the channels are told apart.
      const double level = kBackgroundPeak * loudness(n, clapStart + clapLength, source.clapFrame >= 0);
      double v = level * (0.75 * std::sin(w * (ch ? 1.5 : 1.0) * n) + 0.25 * noise(source.uid, n, ch));
      if (source.clapFrame >= 0) v += kClapPeak * clap(n - clapStart, clapLength, source.uid, ch);
      out[size_t(i) * 2 + ch] = static_cast<int16_t>(std::lround(std::clamp(v, -32767.0, 32767.0)));
    }
  }
  return out;
}

}  // namespace hostsim
