#pragma once
// The sound of the synthetic media: stereo 16-bit pairs, what each clip's
// microphone heard of the one scene it records (see scene_sound.h). A clip
// sits on its scene's timeline: with a clap frame the scene's clap falls on
// that frame's first sample; otherwise it starts where it was told to, or
// just after the clap. Each clip hears the scene with its own gain, its
// own clock (running faster or slower by a few parts in a million), its
// own noise, and not at all in its silent stretches. So clips can be
// brought into step by ear and by their envelopes, hard cases can be built
// for doing that automatically, and the same media frame always sounds the
// same.
#include <cstdint>
#include <vector>

#include "hostsim/core/config.h"

namespace hostsim {

struct MediaSource;

/// Loudest sample of the background (murmur, band and the usual microphone
/// noise together, at gain 1).
constexpr int kBackgroundPeak = 8000;
/// Loudest sample of the clap.
constexpr int kClapPeak = 30000;

/// Where a media lies on its scene: its sample n hears scene sample
/// start + n x rate (scene samples at 48 kHz, 0 the clap).
struct ScenePlacement {
  double start = 0;
  double rate = 1;
};
/// Where the media lies on its scene in a format.
ScenePlacement scenePlacement(const MediaSource& source, VideoFormat format);

/// The interleaved pairs of field `parity` (0 or 1) of a media frame.
std::vector<int16_t> fieldSound(const MediaSource& source, int32_t frame, int parity, VideoFormat format);

}  // namespace hostsim
