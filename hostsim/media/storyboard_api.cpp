// The storyboard's scenes and inserts, its scene buffers, the active scene
// and clearing (nslSB..., mainClearStoryboard, main...ActiveStoryboardScene).
#include "host/main.h"
#include "host/nsl_sb.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

namespace {
hostsim::Storyboard& board(Host& h) { return h.media().storyboard(); }
}  // namespace

extern "C" {

SB_SCENE nslSBAllocScene(void) {
  return hostCall("nslSBAllocScene", SB_SCENE(0), [](Host& h) { return h.media().sceneBuffers().allocateScene(); });
}

void nslSBFreeScene(SB_SCENE scene) {
  hostCallVoid(
      "nslSBFreeScene",
      [&](Host& h) {
        if (scene && !h.media().sceneBuffers().freeScene(scene))
          h.log().host(3, "nslSBFreeScene: " + std::to_string(scene) + " is not an allocated scene buffer");
        board(h).forgetBuffer(scene);
      },
      scene);
}

SB_AUDIO_SCENE nslSBAllocAudioScene(void) {
  return hostCall("nslSBAllocAudioScene", SB_AUDIO_SCENE(0),
                  [](Host& h) { return h.media().sceneBuffers().allocateAudioScene(); });
}

void nslSBFreeAudioScene(SB_AUDIO_SCENE scene) {
  hostCallVoid(
      "nslSBFreeAudioScene",
      [&](Host& h) {
        if (scene && !h.media().sceneBuffers().freeAudioScene(scene))
          h.log().host(3, "nslSBFreeAudioScene: " + std::to_string(scene) + " is not an allocated audio scene buffer");
        board(h).forgetAudioBuffer(scene);
      },
      scene);
}

int32_t nslSBGetFirstScene(SB_SCENE out) {
  return hostCall("nslSBGetFirstScene", int32_t(-1), [&](Host& h) { return board(h).first(out); }, out);
}

int32_t nslSBGetLastScene(SB_SCENE out) {
  return hostCall("nslSBGetLastScene", int32_t(-1), [&](Host& h) { return board(h).last(out); }, out);
}

int32_t nslSBGetNextScene(SB_SCENE from, SB_SCENE out) {
  return hostCall("nslSBGetNextScene", int32_t(-1), [&](Host& h) { return board(h).next(from, out); }, from, out);
}

int32_t nslSBGetLength(void) {
  return hostCall("nslSBGetLength", int32_t(-1), [](Host& h) { return board(h).length(); });
}

int32_t nslSBAddScene(SB_SCENE position, AV_RECORD clip, SB_SCENE out) {
  return hostCall("nslSBAddScene", int32_t(-1), [&](Host& h) { return board(h).addScene(position, clip, out); },
                  position, clip, out);
}

int32_t nslSBAddInsertWithTrim(SB_SCENE scene, AV_RECORD clip, SB_SCENE out) {
  return hostCall("nslSBAddInsertWithTrim", int32_t(-1), [&](Host& h) { return board(h).addInsert(scene, clip, out); },
                  scene, clip, out);
}

int32_t nslSBInsertBeginTrim(SB_SCENE scene, SB_INSERT_TRIM* trim, int32_t flags) {
  return hostCall("nslSBInsertBeginTrim", int32_t(-1), [&](Host& h) { return board(h).insertBeginTrim(scene, trim); },
                  scene, hostsim::out(trim), flags);
}

int32_t nslSBInsertEndTrim(SB_SCENE scene, SB_INSERT_TRIM* trim) {
  return hostCall("nslSBInsertEndTrim", int32_t(-1), [&](Host& h) { return board(h).insertEndTrim(scene, trim); },
                  scene, trim);
}

int32_t nslSBSceneGetAbsolutePos(SB_SCENE scene) {
  return hostCall("nslSBSceneGetAbsolutePos", int32_t(-1), [&](Host& h) { return board(h).position(scene); }, scene);
}

int32_t nslSBGetSceneLength(SB_SCENE scene) {
  return hostCall("nslSBGetSceneLength", int32_t(-1), [&](Host& h) { return board(h).sceneLength(scene); }, scene);
}

int32_t nslSBSceneCmp(SB_SCENE a, SB_SCENE b) {
  // Failure reads as "not the same scene": no caller may take a refused
  // comparison for a match.
  return hostCall("nslSBSceneCmp", int32_t(0), [&](Host& h) { return board(h).compare(a, b); }, a, b);
}

int32_t nslSBSceneCopy(SB_SCENE source, SB_SCENE destination) {
  return hostCall("nslSBSceneCopy", int32_t(-1), [&](Host& h) { return board(h).copy(source, destination); }, source,
                  destination);
}

int32_t nslSBGetSceneType(SB_SCENE scene) {
  return hostCall("nslSBGetSceneType", int32_t(-1), [&](Host& h) { return board(h).type(scene); }, scene);
}

int32_t nslSBSceneHasInsert(SB_SCENE scene) {
  return hostCall("nslSBSceneHasInsert", int32_t(-1), [&](Host& h) { return board(h).hasInsert(scene); }, scene);
}

int32_t nslSBGetSceneInfo(SB_SCENE scene, SB_SCENE_INFO* info) {
  return hostCall("nslSBGetSceneInfo", int32_t(-1), [&](Host& h) { return board(h).info(scene, info); }, scene,
                  hostsim::out(info));
}

int32_t mainClearStoryboard(int32_t flags) {
  return hostCall("mainClearStoryboard", int32_t(-1), [](Host& h) { return board(h).clear(); }, flags);
}

int32_t mainGetActiveStoryboardScene(SB_SCENE out) {
  return hostCall("mainGetActiveStoryboardScene", int32_t(-1), [&](Host& h) { return board(h).active(out); }, out);
}

int32_t mainSetActiveStoryboardScene(SB_SCENE scene) {
  return hostCall("mainSetActiveStoryboardScene", int32_t(-1), [&](Host& h) { return board(h).setActive(scene); },
                  scene);
}

}
