// Audio of storyboard scenes: audio scene buffers, audio clips with their
// trims and info records.
#include <cstring>

#include "hostsim/core/text.h"
#include "hostsim/media/project_state.h"
#include "hostsim/media/storyboard.h"

namespace hostsim {

namespace {

// Flag bit of nslSBAddAudio: the sound starts where the scene's insert
// starts (and moves with it), rather than at the scene's start.
constexpr int32_t kAudioWithInsert = 0x1;

std::string audioName(const SbAudio& a) { return "audio \"" + toUtf8(a.clip.name) + "\""; }

}  // namespace

int32_t Storyboard::toAudioScene(SB_SCENE scene, SB_AUDIO_SCENE audioScene) {
  static constexpr const char* kCall = "nslConvertSBSceneToSBAudioScene";
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, kCall);
  if (!i) return -1;
  if (!parts_.buffers.isAudioScene(audioScene))
    return refuse(kCall, std::to_string(audioScene) + " is not an allocated audio scene buffer");
  audioNamed_[audioScene] = scenes_[*i].id;
  return 0;
}

SB_AUDIO Storyboard::addAudio(SB_AUDIO_SCENE audioScene, int32_t track, int32_t flags, AV_RECORD clip) {
  static constexpr const char* kCall = "nslSBAddAudio";
  Lock lock(mutex_);
  auto named = audioNamed_.find(audioScene);
  const std::optional<size_t> i = named == audioNamed_.end() ? std::nullopt : index_.find(scenes_, named->second);
  if (!i) {
    refuse(kCall, "audio scene buffer " + std::to_string(audioScene) + " names no scene's audio");
    return 0;
  }
  if (track < 0) {
    refuse(kCall, "no track " + std::to_string(track));
    return 0;
  }
  std::optional<SbClip> c = takeClip(clip);
  if (!c) {
    refuse(kCall, "clip " + std::to_string(clip) + " is no clip");
    return 0;
  }
  auto before = beforeChange();
  SbAudio a;
  a.handle = nextAudio_++;
  a.track = track;
  a.flags = flags;
  a.clip = std::move(*c);
  a.followsInsert = (flags & kAudioWithInsert) != 0;
  const std::string what = audioName(a) + " of " + std::to_string(a.clip.length()) + " frames on " + describe(*i);
  names_.insert(a.clip.name);
  scenes_[*i].audio.push_back(std::move(a));
  changed(what, std::move(before));
  return scenes_[*i].audio.back().handle;
}

int32_t Storyboard::audioBeginTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim) {
  static constexpr const char* kCall = "nslSBAudioBeginTrim";
  Lock lock(mutex_);
  const SbAudio* a = findAudio(scenes_, audio);
  if (!a) return refuse(kCall, "no audio clip " + std::to_string(audio));
  if (!trim) return refuse(kCall, "no record to fill");
  *trim = SB_AUDIO_TRIM{};
  // The record names its clip and where its frames are counted from (the
  // first frame kept), so that it is taken back as it was given out; the
  // first further word says how many frames are kept.
  const int32_t base = a->clip.keptFirst();
  trim->reserved[0] = static_cast<int32_t>(audio);
  trim->reserved[1] = base - a->clip.first;
  trim->in = a->clip.in - base;
  trim->out = a->clip.out - base;
  trim->more[0] = a->clip.keptLast() - base + 1;
  return 0;
}

int32_t Storyboard::audioEndTrim(SB_AUDIO audio, const SB_AUDIO_TRIM* trim) {
  static constexpr const char* kCall = "nslSBAudioEndTrim";
  Lock lock(mutex_);
  SbAudio* a = findAudio(scenes_, audio);
  if (!a) return refuse(kCall, "no audio clip " + std::to_string(audio));
  if (!trim) return refuse(kCall, "no record");
  if (trim->reserved[0] != static_cast<int32_t>(audio))
    return refuse(kCall, "the record was not filled by nslSBAudioBeginTrim for audio clip " + std::to_string(audio));
  // Wide arithmetic: every word of the record may have been changed.
  const int64_t base = int64_t(a->clip.first) + trim->reserved[1];
  const int64_t in = base + trim->in, out = base + trim->out;
  if (trim->in > trim->out || in < a->clip.keptFirst() || out > a->clip.keptLast())
    return refuse(kCall, "the trims " + std::to_string(trim->in) + ".." + std::to_string(trim->out) +
                             " do not lie within the frames kept");
  if (in == a->clip.in && out == a->clip.out) return 0;
  auto before = beforeChange();
  a->clip.in = static_cast<int32_t>(in);
  a->clip.out = static_cast<int32_t>(out);
  changed(audioName(*a) + " trimmed to " + std::to_string(trim->in) + ".." + std::to_string(trim->out),
          std::move(before));
  return 0;
}

int32_t Storyboard::audioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info) {
  static constexpr const char* kCall = "nslSBGetAudioInfo";
  Lock lock(mutex_);
  const SbAudio* a = findAudio(scenes_, audio);
  if (!a) return refuse(kCall, "no audio clip " + std::to_string(audio));
  if (!info) return refuse(kCall, "no record to fill");
  *info = a->info;
  return 0;
}

int32_t Storyboard::setAudioInfo(SB_AUDIO audio, const SB_AUDIO_INFO* info) {
  static constexpr const char* kCall = "nslSBSetAudioInfo";
  Lock lock(mutex_);
  SbAudio* a = findAudio(scenes_, audio);
  if (!a) return refuse(kCall, "no audio clip " + std::to_string(audio));
  if (!info) return refuse(kCall, "no record");
  if (std::memcmp(&a->info, info, sizeof *info) == 0) return 0;
  auto before = beforeChange();
  a->info = *info;
  changed("info of " + audioName(*a) + " set", std::move(before));
  return 0;
}

}  // namespace hostsim
