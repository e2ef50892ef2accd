// Placeholders that refuse every call until this part of the stand-in host
// is written (scrubbing, the storyboard, removable media): the operator
// module links against a complete host.
#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

int32_t cmScrubStart(CM_HANDLE render, uint32_t* state, int32_t flags) {
  return hostCall("cmScrubStart", int32_t(-1), [](Host&) { return int32_t(-1); }, render, state, flags);
}

int32_t cmScrubData(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t a, int32_t b) {
  return hostCall("cmScrubData", int32_t(-1), [](Host&) { return int32_t(-1); }, render, samples, pairs, a, b);
}

int32_t cmScrubStop(CM_HANDLE render, int32_t flags) {
  return hostCall("cmScrubStop", int32_t(-1), [](Host&) { return int32_t(-1); }, render, flags);
}

int32_t mainClearStoryboard(int32_t flags) {
  return hostCall("mainClearStoryboard", int32_t(-1), [](Host&) { return int32_t(-1); }, flags);
}

int32_t mainGetActiveStoryboardScene(SB_SCENE out) {
  return hostCall("mainGetActiveStoryboardScene", int32_t(-1), [](Host&) { return int32_t(-1); }, out);
}

int32_t mainSetActiveStoryboardScene(SB_SCENE scene) {
  return hostCall("mainSetActiveStoryboardScene", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

MAIN_MEDIA* mainSelectMediaInit(void) {
  return hostCall("mainSelectMediaInit", static_cast<MAIN_MEDIA*>(nullptr), [](Host&) { return static_cast<MAIN_MEDIA*>(nullptr); });
}

int32_t mainSelectMediaRequester(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaRequester", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaMount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaMount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaUmount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaUmount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

void mainSelectMediaExit(MAIN_MEDIA* media) {
  hostCallVoid("mainSelectMediaExit", [](Host&) {}, media);
}

int32_t nslSBGetFirstScene(SB_SCENE out) {
  return hostCall("nslSBGetFirstScene", int32_t(-1), [](Host&) { return int32_t(-1); }, out);
}

int32_t nslSBGetLastScene(SB_SCENE out) {
  return hostCall("nslSBGetLastScene", int32_t(-1), [](Host&) { return int32_t(-1); }, out);
}

int32_t nslSBGetNextScene(SB_SCENE from, SB_SCENE out) {
  return hostCall("nslSBGetNextScene", int32_t(-1), [](Host&) { return int32_t(-1); }, from, out);
}

int32_t nslSBGetLength(void) {
  return hostCall("nslSBGetLength", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t nslSBAddScene(SB_SCENE position, AV_RECORD clip, SB_SCENE out) {
  return hostCall("nslSBAddScene", int32_t(-1), [](Host&) { return int32_t(-1); }, position, clip, out);
}

int32_t nslSBAddInsertWithTrim(SB_SCENE scene, AV_RECORD clip, SB_SCENE out) {
  return hostCall("nslSBAddInsertWithTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, clip, out);
}

int32_t nslSBInsertBeginTrim(SB_SCENE scene, SB_INSERT_TRIM* trim, int32_t flags) {
  return hostCall("nslSBInsertBeginTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, trim, flags);
}

int32_t nslSBInsertEndTrim(SB_SCENE scene, SB_INSERT_TRIM* trim) {
  return hostCall("nslSBInsertEndTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, trim);
}

int32_t nslSBSceneGetAbsolutePos(SB_SCENE scene) {
  return hostCall("nslSBSceneGetAbsolutePos", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBGetSceneLength(SB_SCENE scene) {
  return hostCall("nslSBGetSceneLength", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBSceneCmp(SB_SCENE a, SB_SCENE b) {
  return hostCall("nslSBSceneCmp", int32_t(-1), [](Host&) { return int32_t(-1); }, a, b);
}

int32_t nslSBSceneCopy(SB_SCENE source, SB_SCENE destination) {
  return hostCall("nslSBSceneCopy", int32_t(-1), [](Host&) { return int32_t(-1); }, source, destination);
}

int32_t nslSBGetSceneType(SB_SCENE scene) {
  return hostCall("nslSBGetSceneType", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBSceneHasInsert(SB_SCENE scene) {
  return hostCall("nslSBSceneHasInsert", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBGetSceneInfo(SB_SCENE scene, SB_SCENE_INFO* info) {
  return hostCall("nslSBGetSceneInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, info);
}

int32_t nslConvertSBSceneToSBAudioScene(SB_SCENE scene, SB_AUDIO_SCENE audioScene) {
  return hostCall("nslConvertSBSceneToSBAudioScene", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, audioScene);
}

SB_AUDIO nslSBAddAudio(SB_AUDIO_SCENE audioScene, int32_t track, int32_t flags, AV_RECORD clip) {
  return hostCall("nslSBAddAudio", SB_AUDIO(0), [](Host&) { return SB_AUDIO(0); }, audioScene, track, flags, clip);
}

int32_t nslSBAudioBeginTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim, int32_t flags) {
  return hostCall("nslSBAudioBeginTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, trim, flags);
}

int32_t nslSBAudioEndTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim) {
  return hostCall("nslSBAudioEndTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, trim);
}

int32_t nslSBGetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info) {
  return hostCall("nslSBGetAudioInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, info);
}

int32_t nslSBSetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info) {
  return hostCall("nslSBSetAudioInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, info);
}

int32_t nslSBSceneGetMaxTransitionLength(SB_SCENE scene) {
  return hostCall("nslSBSceneGetMaxTransitionLength", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBAddTransition22(SB_SCENE scene, const char* path, int32_t length, int32_t direction, SB_TRANSITION* out) {
  return hostCall("nslSBAddTransition22", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, path, length, direction, out);
}

int32_t nslSBTransitionLoad(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionLoad", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

OP_HANDLE nslSBTransitionGetOperator(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionGetOperator", OP_HANDLE(0), [](Host&) { return OP_HANDLE(0); }, transition);
}

int32_t nslSBTransitionUpdatePrefs(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionUpdatePrefs", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

int32_t nslSBTransitionUnload(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionUnload", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

int32_t nslSBCalcTransitionAudio(SB_TRANSITION transition) {
  return hostCall("nslSBCalcTransitionAudio", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

int32_t nslSBTransitionAddJingle(SB_TRANSITION transition, const char* file, const XCHAR* image, int32_t flags) {
  return hostCall("nslSBTransitionAddJingle", int32_t(-1), [](Host&) { return int32_t(-1); }, transition, file, image, flags);
}

}
