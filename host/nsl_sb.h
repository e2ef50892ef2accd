#pragma once
/// Host storyboard. A scene buffer (SB_SCENE) names one scene of the
/// storyboard, or none; functions that "fill" a buffer make it name a scene.
/// Calling thread only.
///
/// Return conventions: functions returning int32_t report failure as -1
/// unless said otherwise.
#include "host/host_types.h"

/// Insert trim record (nslSBInsertBeginTrim / nslSBInsertEndTrim).
struct SB_INSERT_TRIM {
  int32_t reserved0;
  int32_t reserved1;
  int32_t startOffset; ///< byte 8: frames from the start of the carrying scene
  int32_t length;
  int32_t reserved[4];
};
static_assert(offsetof(SB_INSERT_TRIM, startOffset) == 8);

/// Audio trim record (nslSBAudioBeginTrim / nslSBAudioEndTrim).
struct SB_AUDIO_TRIM {
  int32_t reserved[3];
  int32_t in;  ///< byte 12
  int32_t out; ///< byte 16
  int32_t more[3];
};
static_assert(offsetof(SB_AUDIO_TRIM, in) == 12 && offsetof(SB_AUDIO_TRIM, out) == 16);

/// Audio info record (nslSBGetAudioInfo / nslSBSetAudioInfo).
struct SB_AUDIO_INFO {
  int32_t reserved0;
  int32_t fadeIn;   ///< byte 4, frames
  int32_t fadeOut;  ///< byte 8, frames
  int32_t reserved1[3];
  int16_t level;    ///< byte 24
  int16_t reserved2;
  int32_t reserved3[2];
  int32_t mode;     ///< byte 36
  int32_t more[2];
};
static_assert(offsetof(SB_AUDIO_INFO, fadeIn) == 4 && offsetof(SB_AUDIO_INFO, fadeOut) == 8);
static_assert(offsetof(SB_AUDIO_INFO, level) == 24 && offsetof(SB_AUDIO_INFO, mode) == 36);

/// Scene info record (nslSBGetSceneInfo).
struct SB_SCENE_INFO {
  int32_t type;
  int32_t length;
  SB_TRANSITION transition; ///< 0 when the scene has no transition
  int32_t reserved[5];
};

extern "C" {

SB_SCENE nslSBAllocScene(void);               ///< 0 on failure
void nslSBFreeScene(SB_SCENE scene);
SB_AUDIO_SCENE nslSBAllocAudioScene(void);    ///< 0 on failure
void nslSBFreeAudioScene(SB_AUDIO_SCENE scene);

int32_t nslSBGetFirstScene(SB_SCENE out);
int32_t nslSBGetLastScene(SB_SCENE out);
/// Fills out with the scene after `from` (they may be the same buffer).
int32_t nslSBGetNextScene(SB_SCENE from, SB_SCENE out);
/// Frames of the whole storyboard.
int32_t nslSBGetLength(void);
/// Adds a scene of clip after `position` (0: at the start); out names it.
int32_t nslSBAddScene(SB_SCENE position, AV_RECORD clip, SB_SCENE out);
/// Adds clip as an insert on scene; out names the scene that carries it.
int32_t nslSBAddInsertWithTrim(SB_SCENE scene, AV_RECORD clip, SB_SCENE out);
int32_t nslSBInsertBeginTrim(SB_SCENE scene, SB_INSERT_TRIM* trim, int32_t flags);
int32_t nslSBInsertEndTrim(SB_SCENE scene, SB_INSERT_TRIM* trim);
/// First frame of the scene in the storyboard.
int32_t nslSBSceneGetAbsolutePos(SB_SCENE scene);
int32_t nslSBGetSceneLength(SB_SCENE scene);
/// Non-zero when both buffers name the same scene.
int32_t nslSBSceneCmp(SB_SCENE a, SB_SCENE b);
int32_t nslSBSceneCopy(SB_SCENE source, SB_SCENE destination);
int32_t nslSBGetSceneType(SB_SCENE scene);
int32_t nslSBSceneHasInsert(SB_SCENE scene);
int32_t nslSBGetSceneInfo(SB_SCENE scene, SB_SCENE_INFO* info); ///< 0 on success

/// Audio of a scene: 0 on success, anything else on failure.
int32_t nslConvertSBSceneToSBAudioScene(SB_SCENE scene, SB_AUDIO_SCENE audioScene);
/// Adds the sound of clip to an audio scene. 0 on failure.
SB_AUDIO nslSBAddAudio(SB_AUDIO_SCENE audioScene, int32_t track, int32_t flags, AV_RECORD clip);
int32_t nslSBAudioBeginTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim, int32_t flags); ///< 0 on success
int32_t nslSBAudioEndTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim);
int32_t nslSBGetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info); ///< 0 on success
int32_t nslSBSetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info);

/// Transitions.
int32_t nslSBSceneGetMaxTransitionLength(SB_SCENE scene);
/// Adds the transition operator at path after scene. 0 on success.
int32_t nslSBAddTransition22(SB_SCENE scene, const char* path, int32_t length, int32_t direction,
                             SB_TRANSITION* out);
int32_t nslSBTransitionLoad(SB_TRANSITION transition);
OP_HANDLE nslSBTransitionGetOperator(SB_TRANSITION transition);
int32_t nslSBTransitionUpdatePrefs(SB_TRANSITION transition);
int32_t nslSBTransitionUnload(SB_TRANSITION transition);
int32_t nslSBCalcTransitionAudio(SB_TRANSITION transition);
int32_t nslSBTransitionAddJingle(SB_TRANSITION transition, const char* file, const XCHAR* image, int32_t flags);

}
