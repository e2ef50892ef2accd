// The scene after which new material may go: never between a scene and the
// piece of it that goes on after its insert.
#include "host/nsl_sb.h"
#include "ostrel3/output/storyboard_output.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {

constexpr int32_t kSceneGoesOn = 2;

bool MayFollow(SB_SCENE scene, SB_SCENE last) {
  return nslSBSceneCmp(scene, last) != 0 ||
         (nslSBGetSceneType(scene) != kSceneGoesOn && nslSBSceneHasInsert(scene) == 0);
}

void MoveForward(SB_SCENE active) {
  StoryboardScene last;
  StoryboardScene next;
  if (nslSBGetLastScene(last.get()) == -1) {
    OS3_LOG(kLogFailed);
    return;
  }
  SB_SCENE scene = active;
  while (!MayFollow(scene, last.get())) {
    if (nslSBGetNextScene(scene, next.get()) == -1) {
      OS3_LOG(kLogFailed);
      return;
    }
    scene = next.get();
  }
  if (scene != active && nslSBSceneCopy(scene, active) == -1) throw CMC_Error("nslsbscenecopy() failed?");
}

}  // namespace

void FindInsertionScene(SB_SCENE active) {
  try {
    MoveForward(active);
  } catch (...) {
    OS3_LOG(kLogFailed);
  }
}

}  // namespace ostrel3
