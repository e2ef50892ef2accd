// The sound of an insert, added to the scene that carries the insert.
#include "host/nsl.h"
#include "host/nsl_sb.h"
#include "ostrel3/output/storyboard_output.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {

constexpr int32_t kAudioTrack = 0;
constexpr int32_t kStartsWithInsert = 1;
constexpr int16_t kInsertAudioLevel = -31;
constexpr int32_t kInsertAudioMode = 7;

/// An audio scene buffer for the length of one call.
class AudioScene {
 public:
  AudioScene() : handle_(nslSBAllocAudioScene()) {
    if (!handle_) throw CMC_Error("nslsballocaudioscene() failed?");
  }
  ~AudioScene() { nslSBFreeAudioScene(handle_); }
  AudioScene(const AudioScene&) = delete;
  AudioScene& operator=(const AudioScene&) = delete;
  SB_AUDIO_SCENE get() const { return handle_; }

 private:
  SB_AUDIO_SCENE handle_;
};

struct TrimPoints {
  int32_t in = 0;
  int32_t out = 0;
};

// The sound may reach beyond the picture's trims, so the clip is opened to
// its whole length; the picture's trims go to the sound's own trim record.
TrimPoints OpenWholeClip(AV_RECORD clip) {
  TrimPoints points;
  if (nslBeginAVRecordTrim(clip, &points.in, &points.out) != 0) {
    OS3_LOG(kLogFailed);
    return {};
  }
  if (nslEndAVRecordTrim(clip, 0, nslGetTrimmedAVRecordLength(clip) - 1) == -1) OS3_LOG(kLogFailed);
  return points;
}

void TrimSound(SB_AUDIO audio, const TrimPoints& points) {
  SB_AUDIO_TRIM trim{};
  if (nslSBAudioBeginTrim(audio, &trim, 0) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  trim.in = points.in;
  trim.out = points.out;
  if (nslSBAudioEndTrim(audio, &trim) == -1) OS3_LOG(kLogFailed);
}

void SetSoundInfo(SB_AUDIO audio, int32_t framesPerSecond) {
  SB_AUDIO_INFO info{};
  if (nslSBGetAudioInfo(audio, &info) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  SetInsertAudioInfo(info, framesPerSecond);
  if (nslSBSetAudioInfo(audio, &info) == -1) OS3_LOG(kLogFailed);
}

}  // namespace

void SetInsertAudioInfo(SB_AUDIO_INFO& info, int32_t framesPerSecond) {
  info.fadeIn = framesPerSecond / 4;
  info.fadeOut = framesPerSecond / 4;
  info.level = kInsertAudioLevel;
  info.mode = kInsertAudioMode;
}

void AddInsertAudio(SB_SCENE scene, AV_RECORD clip, int32_t framesPerSecond) {
  AudioScene audioScene;
  if (nslConvertSBSceneToSBAudioScene(scene, audioScene.get()) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  const TrimPoints points = OpenWholeClip(clip);
  const SB_AUDIO audio = nslSBAddAudio(audioScene.get(), kAudioTrack, kStartsWithInsert, clip);
  if (!audio) {
    OS3_LOG(kLogFailed);
    return;
  }
  TrimSound(audio, points);
  SetSoundInfo(audio, framesPerSecond);
}

}  // namespace ostrel3
