#pragma once
// The sound of a scene, as it reaches every microphone that records it: a
// function of the scene's time only, so that two clips that record the same
// moment carry the same sound. Scene time is counted in samples at 48 kHz
// from the clap (sample 0) and runs both ways.
//
// What the scene holds:
// - the crowd's murmur, a repeatable noise of the scene (its own in each
//   channel) whose loudness wanders every half second, everywhere;
// - the clap, a sharp burst at sample 0 that has died away 25 ms later
//   (under three quarters of a frame in every format); its first sample is
//   kClapPeak exactly, whatever else sounds;
// - the band: one bar of notes and beats (2 s in scene 1) repeated exactly,
//   in phrases of bars (8 in scene 1) each followed by a bar of rest. The
//   first bar starts 1 s after the clap and the bars run on both ways, but
//   the band rests from 2 s before the clap until its first bar, so the clap
//   is heard over the murmur alone.
// Another scene number gives another murmur, another clap and another bar,
// of another length: scenes share nothing.
#include <cstdint>

namespace hostsim {

/// Scene time, in seconds, where a clip begins that nothing else places:
/// the band's first bar, after the clap has died away.
constexpr double kSceneMusicStartSeconds = 1.0;

/// Writes the samples `first` .. `first + count - 1` of scene `scene` (1 or
/// above) as interleaved left and right values on the scale of 16-bit
/// samples (the background stays under kBackgroundPeak) into `out`, which
/// holds 2 x count values. Thread-safe.
void sceneSound(int32_t scene, int64_t first, int32_t count, float* out);

/// A well-stirred 64-bit hash, for noise that repeats wherever it is made.
inline uint64_t soundHash(uint64_t x) {
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdull;
  x ^= x >> 33;
  x *= 0xc4ceb9fe1a85ec53ull;
  x ^= x >> 33;
  return x;
}

/// 32 random bits as a value in -1 .. 1.
inline float signedUnit(uint32_t bits) { return float(int32_t(bits)) * (1.0f / 2147483648.0f); }

}  // namespace hostsim
