#pragma once
// A clip's sound for the automatic synchronisation, read through the
// render library's raw path of an AudioEnvelope.
#include <cstdint>
#include <vector>

#include "envelope/audio_envelope.h"
#include "sync_requester/auto_sync.h"

namespace ostrel3 {

class ClipSoundSource : public SoundSource {
 public:
  /// Reads through `envelope`, which must outlive this source.
  explicit ClipSoundSource(AudioEnvelope& envelope) : envelope_(envelope) {}
  int32_t frameCount() const override { return envelope_.frameCount(); }
  bool appendFrames(int32_t first, int32_t last, std::vector<int16_t>& out) override;

 private:
  AudioEnvelope& envelope_;
};

/// The clip's exact frame rate, measured from the pairs of its first frames
/// (25 frames give 1920 pairs each, 29.97 alternate 1601 and 1602); `fallback`
/// when the clip is too short or cannot be read.
double MeasuredFrameRate(SoundSource& source, double fallback);

}  // namespace ostrel3
