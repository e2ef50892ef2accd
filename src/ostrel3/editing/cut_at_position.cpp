// Cutting to a camera at the position, and handing the live preview its
// new output list when the cut is made while playback runs.
#include "host/cm.h"
#include "host/vg.h"
#include "ostrel3/display/live_cut.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::SetCameraAtPosition(int camera) {
  if (camera < 0 || camera >= sceneCount || camera >= kCameraSlots) {
    OS3_LOG(kLogRefused);
    return;
  }
  if (!cameras[camera].hasClip()) {
    // While stopped, choosing an empty camera only makes it active.
    if (playing) vgPointerBeep();
    return;
  }
  const int32_t p = position;
  if (p < 0 || p >= projectLength / 2) return;
  const auto at = cutList.find(p);
  // Choosing the camera already in force still counts as a step: the new
  // cut merges into the earlier one, but the user asked for a change.
  if (at == cutList.end() || at->second != camera) PushUndo();
  PutCut(p, camera);
}

void MulticamOperator::PutCut(int32_t frame, int camera) {
  cutList.insert_or_assign(frame, camera);
  // A later stop of the playback returns the cursor to this cut.
  playStartPos = frame;
  // From the moment the player accepted the start it reads the list.
  const bool live = (playStarting || playing) && (threeMonitors || previewPanel);
  if (live && outputListFollowsCuts) {
    // The cut changes both lists around its frame only.
    NormaliseAfterCut(cutList, frame);
    updateOutputList(frame);
    return handOverOutputList();
  }
  NormaliseCutList(cutList);
  if (!live) return;
  BuildOutputList(outputListStart);
  handOverOutputList();
}

// The render library keeps reading the list it was given; the new one is
// built aside and handed over whole.
void MulticamOperator::handOverOutputList() {
  if (cmUpdateFinalList(render.get(), outputLists[currentOutputList].data(), 0) == -1) {
    // The player goes on with the list it has: the next cut builds over the new one.
    OS3_LOG(kLogFailed);
    return;
  }
  outputListInPlayer = currentOutputList;
}

}  // namespace ostrel3
