#include "envelope/audio_envelope.h"

#include <algorithm>

#include "host/cm.h"
#include "host/nsl.h"
#include "host/op.h"
#include "host/task.h"
#include "host/vg.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {
// The render library's sound mode and flags for reading fields.
constexpr int32_t kSoundMode = 5;
constexpr int32_t kSoundFlags = 1;
// Frames sampled for the gain.
constexpr int32_t kGainSamples = 100;

}  // namespace

AudioEnvelope::AudioEnvelope(AV_RECORD record) : record_(record), clip_(record), cache_(processCacheGauge()) {
  render_ = cmOpen2(0, 0, 0);
  if (!render_) {
    OS3_LOG(kLogRefused);
    return;
  }
  if (cmInitRenderAudio(render_, kSoundMode, kSoundFlags) != 0) {
    OS3_LOG(kLogFailed);
    // The library has no close call: the refused handle is only forgotten.
    render_ = 0;
    record_ = 0;
  }
}

AudioEnvelope::~AudioEnvelope() {
  if (render_ && cmExitRenderAudio(render_) == -1) OS3_LOG(kLogFailed);
  render_ = 0;
  cache_.clear();
}

bool AudioEnvelope::appendFrames(int32_t first, int32_t last, std::vector<int16_t>& out, bool envelope) {
  if (!render_ || !record_) return false;
  if (first > last) return true;
  // Every envelope in the cache is made with one gain: settle it first.
  const int32_t g = envelope ? gain() : 1;
  const int32_t lastFrame = nslGetTrimmedAVRecordLength(record_) - 1;
  for (int32_t f = first; f <= last; ++f) {
    if (f < 0 || f > lastFrame) {
      if (!envelope) {
        OS3_LOG(kLogFailed);
        return false;
      }
      out.insert(out.end(), kEnvelopeValues, 0);
      continue;
    }
    if (envelope) {
      if (const std::vector<int16_t>* peaks = cache_.find(f)) {
        out.insert(out.end(), peaks->begin(), peaks->end());
        cache_.trimAfterHit(tickGet());
        continue;
      }
    }
    if (!readFrame(f)) return false;
    if (!envelope) {
      out.insert(out.end(), scratch_.begin(), scratch_.end());
      continue;
    }
    const std::vector<int16_t> peaks = framePeaks(scratch_, g);
    cache_.store(f, peaks);
    out.insert(out.end(), peaks.begin(), peaks.end());
  }
  return true;
}

bool AudioEnvelope::readFrame(int32_t frame) {
  scratch_.clear();
  const int32_t offset = nslGetAudioFrameOffset(record_, frame);
  if (offset == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  return appendField(2 * offset) && appendField(2 * offset + 1);
}

bool AudioEnvelope::appendField(int32_t field) {
  OP_AUDIO* block = cmGetFieldAudio(render_, field);
  if (!block) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (block->samples && block->pairs > 0)
    scratch_.insert(scratch_.end(), block->samples, block->samples + 2 * size_t(block->pairs));
  opFreeAudio(block);
  return true;
}

void AudioEnvelope::computeGain() {
  if (!render_ || !record_) return;
  BusyPointer busy;
  const int32_t frames = nslGetTrimmedAVRecordLength(record_);
  const int32_t step = std::max(1, frames / kGainSamples);
  GainMeter meter;
  std::vector<int16_t> samples;
  for (int32_t f = 0; f < frames; f += step) {
    samples.clear();
    if (!appendFrames(f, f, samples, false)) {
      OS3_LOG(kLogFailed);
      return;
    }
    meter.add(samples.data(), samples.size());
  }
  gain_ = meter.gain();
}

int32_t AudioEnvelope::frameCount() const {
  if (!render_ || !record_) return 0;
  return std::max(nslGetTrimmedAVRecordLength(record_), 0);
}

int32_t AudioEnvelope::gain() {
  if (gain_ < 0) computeGain();
  if (gain_ <= 0) gain_ = 1;
  return gain_;
}

}  // namespace ostrel3
