#pragma once
// Reads the sound of one clip from the render library: raw sample pairs
// (for the scrub engine) or per-frame peak envelopes scaled by a per-clip
// gain (for the sound strips), the envelopes kept in a bounded cache.
// The main view keeps one for camera 1's clip while it scrubs.
#include <cstdint>
#include <vector>

#include "envelope/peak_cache.h"
#include "envelope/peaks.h"
#include "host/host_types.h"

namespace ostrel3 {

class AudioEnvelope {
 public:
  /// Opens and prepares a render handle for the clip's sound. Never throws;
  /// when the host refuses, every read fails.
  explicit AudioEnvelope(AV_RECORD record);
  ~AudioEnvelope();
  AudioEnvelope(const AudioEnvelope&) = delete;
  AudioEnvelope& operator=(const AudioEnvelope&) = delete;

  /// Appends frames first..last to `out`: every sample pair of both fields
  /// (raw), or 64 peak values per frame (envelope; frames outside the clip
  /// are silent). False after logging at the first failure, with what was
  /// read before it left in `out`.
  bool appendFrames(int32_t first, int32_t last, std::vector<int16_t>& out, bool envelope);
  /// Estimates the gain from about 100 frames spread over the clip; a
  /// failed read keeps the gain as it was.
  void computeGain();
  /// The gain, computed on first use; at least 1.
  int32_t gain();

  /// The clip it reads; 0 when the render library refused it.
  AV_RECORD record() const { return record_; }
  /// The clip it was made for, even when that was refused.
  AV_RECORD clip() const { return clip_; }
  size_t cachedFrames() const { return cache_.frames(); }
  /// The clip's length in frames; 0 when it cannot be read.
  int32_t frameCount() const;

 private:
  bool readFrame(int32_t frame);
  bool appendField(int32_t field);

  CM_HANDLE render_ = 0;
  AV_RECORD record_ = 0;
  AV_RECORD clip_ = 0;
  int32_t gain_ = -1;
  PeakCache cache_;
  std::vector<int16_t> scratch_;  ///< one frame's pairs, reused
};

}  // namespace ostrel3
