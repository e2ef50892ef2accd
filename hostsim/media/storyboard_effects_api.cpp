// Audio and transitions of storyboard scenes (nslSB... audio, transition and
// jingle calls, nslConvertSBSceneToSBAudioScene).
#include "host/nsl_sb.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;

namespace {
hostsim::Storyboard& storyboardOf(Host& h) { return h.media().storyboard(); }
}  // namespace

extern "C" {

int32_t nslConvertSBSceneToSBAudioScene(SB_SCENE scene, SB_AUDIO_SCENE audioScene) {
  return hostCall("nslConvertSBSceneToSBAudioScene", int32_t(-1),
                  [&](Host& h) { return storyboardOf(h).toAudioScene(scene, audioScene); }, scene, audioScene);
}

SB_AUDIO nslSBAddAudio(SB_AUDIO_SCENE audioScene, int32_t track, int32_t flags, AV_RECORD clip) {
  return hostCall("nslSBAddAudio", SB_AUDIO(0),
                  [&](Host& h) { return storyboardOf(h).addAudio(audioScene, track, flags, clip); }, audioScene, track, flags,
                  clip);
}

int32_t nslSBAudioBeginTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim, int32_t flags) {
  return hostCall("nslSBAudioBeginTrim", int32_t(-1), [&](Host& h) { return storyboardOf(h).audioBeginTrim(audio, trim); },
                  audio, hostsim::out(trim), flags);
}

int32_t nslSBAudioEndTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim) {
  return hostCall("nslSBAudioEndTrim", int32_t(-1), [&](Host& h) { return storyboardOf(h).audioEndTrim(audio, trim); }, audio,
                  trim);
}

int32_t nslSBGetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info) {
  return hostCall("nslSBGetAudioInfo", int32_t(-1), [&](Host& h) { return storyboardOf(h).audioInfo(audio, info); }, audio,
                  hostsim::out(info));
}

int32_t nslSBSetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info) {
  return hostCall("nslSBSetAudioInfo", int32_t(-1), [&](Host& h) { return storyboardOf(h).setAudioInfo(audio, info); }, audio,
                  info);
}

int32_t nslSBSceneGetMaxTransitionLength(SB_SCENE scene) {
  return hostCall("nslSBSceneGetMaxTransitionLength", int32_t(-1),
                  [&](Host& h) { return storyboardOf(h).maxTransitionLength(scene); }, scene);
}

int32_t nslSBAddTransition22(SB_SCENE scene, const char* path, int32_t length, int32_t direction, SB_TRANSITION* out) {
  return hostCall("nslSBAddTransition22", int32_t(-1),
                  [&](Host& h) { return storyboardOf(h).addTransition(scene, path, length, direction, out); }, scene, path,
                  length, direction, hostsim::out(out));
}

int32_t nslSBTransitionLoad(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionLoad", int32_t(-1), [&](Host& h) { return storyboardOf(h).loadTransition(transition); },
                  transition);
}

OP_HANDLE nslSBTransitionGetOperator(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionGetOperator", OP_HANDLE(0),
                  [&](Host& h) { return storyboardOf(h).transitionOperator(transition); }, transition);
}

int32_t nslSBTransitionUpdatePrefs(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionUpdatePrefs", int32_t(-1),
                  [&](Host& h) { return storyboardOf(h).updateTransitionPrefs(transition); }, transition);
}

int32_t nslSBTransitionUnload(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionUnload", int32_t(-1), [&](Host& h) { return storyboardOf(h).unloadTransition(transition); },
                  transition);
}

int32_t nslSBCalcTransitionAudio(SB_TRANSITION transition) {
  return hostCall("nslSBCalcTransitionAudio", int32_t(-1),
                  [&](Host& h) { return storyboardOf(h).calcTransitionAudio(transition); }, transition);
}

int32_t nslSBTransitionAddJingle(SB_TRANSITION transition, const char* file, const XCHAR* image, int32_t flags) {
  return hostCall("nslSBTransitionAddJingle", int32_t(-1),
                  [&](Host& h) { return storyboardOf(h).addJingle(transition, file, image, flags); }, transition, file, image,
                  flags);
}

}
