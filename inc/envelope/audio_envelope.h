#pragma once
// Reads the sound of one clip as raw samples or as per-frame peaks.
// The main view keeps one for camera 1's clip while it scrubs.
#include "host/host_types.h"

namespace ostrel3 {

class AudioEnvelope {
 public:
  explicit AudioEnvelope(AV_RECORD record) : record_(record) {}
  ~AudioEnvelope();
  AudioEnvelope(const AudioEnvelope&) = delete;
  AudioEnvelope& operator=(const AudioEnvelope&) = delete;

  AV_RECORD record() const { return record_; }

 private:
  CM_HANDLE render_ = 0;
  AV_RECORD record_ = 0;
};

}  // namespace ostrel3
