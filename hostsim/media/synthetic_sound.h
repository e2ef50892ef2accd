#pragma once
// The sound of the synthetic media: stereo 16-bit pairs, the one event as
// every camera's microphone heard it. Before the clap the hall murmurs; at
// the clap frame a loud, sharp burst starts on the frame's first sample and
// dies away within the frame; from then on the band plays: a beat every half
// second that dies away, in phrases of four seconds that swell and fade,
// counted from the clap so that every camera hears the same music at the
// same moment of the event. Each media sounds it as a tone of its own pitch
// with a little noise under it; a media without a clap plays music from its
// start. So clips can be brought into step by ear and by their envelopes,
// and the same media frame always sounds the same.
#include <cstdint>
#include <vector>

#include "hostsim/core/config.h"

namespace hostsim {

struct MediaSource;

/// Loudest sample of the background (tone and noise together).
constexpr int kBackgroundPeak = 8000;
/// Loudest sample of the clap.
constexpr int kClapPeak = 30000;

/// The interleaved pairs of field `parity` (0 or 1) of a media frame.
std::vector<int16_t> fieldSound(const MediaSource& source, int32_t frame, int parity, VideoFormat format);

}  // namespace hostsim
