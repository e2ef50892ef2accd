#pragma once
// The sound of the synthetic media: stereo 16-bit pairs. Each media hums a
// quiet tone of its own pitch with a little noise under it; at its clap
// frame a loud, sharp burst starts on the frame's first sample and dies
// away within the frame, so that clips can be brought into step by ear and
// by their envelopes. The same media frame always sounds the same.
#include <cstdint>
#include <vector>

#include "hostsim/core/config.h"

namespace hostsim {

struct MediaSource;

/// Loudest sample of the background (tone and noise together).
constexpr int kBackgroundPeak = 1000;
/// Loudest sample of the clap.
constexpr int kClapPeak = 30000;

/// The interleaved pairs of field `parity` (0 or 1) of a media frame.
std::vector<int16_t> fieldSound(const MediaSource& source, int32_t frame, int parity, VideoFormat format);

}  // namespace hostsim
