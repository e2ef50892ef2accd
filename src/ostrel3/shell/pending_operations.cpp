// Operations the event loop already dispatches to but whose work arrives
// later (playback, scrubbing, the storyboard output, the dialogs). They do
// nothing until then; those that report a result report that nothing was
// done.
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::PlayStart(int32_t, int32_t) {}
void MulticamOperator::PlayStop(bool) {}
void MulticamOperator::PlayPauseToggle() {}
void MulticamOperator::PlaybackPosition(int32_t) {}
void MulticamOperator::HandlePlayCamera(int32_t, int32_t) {}
bool MulticamOperator::ScrubStart() { return false; }
void MulticamOperator::ScrubStop() {}
void MulticamOperator::ScrubUpdate(bool) {}
void MulticamOperator::ClearWaveformStrip() {}

// The live cut hands the player a fresh list through this. Until the
// playback work brings its own, it builds the list plainly: the clip in
// force at `start`, then every later cut, then the closing (0, null).
void MulticamOperator::BuildOutputList(int32_t start) {
  currentOutputList ^= 1;
  auto& list = outputLists[currentOutputList];
  list.clear();
  auto clipOf = [&](int32_t camera) { return camera >= 0 && camera < kCameraSlots ? cameras[camera].record : 0; };
  auto it = cutList.lower_bound(start);
  if (it != cutList.begin()) --it;
  if (it != cutList.end()) {
    list.push_back({start, clipOf(it->second)});
    for (++it; it != cutList.end(); ++it) list.push_back({it->first, clipOf(it->second)});
  }
  list.push_back({0, 0});
}

bool MulticamOperator::BuildStoryboard() { return false; }
bool MulticamOperator::ProjectSettingsDialog() { return false; }
void MulticamOperator::InfoDialog() {}
void MulticamOperator::ChooseCameraColour() {}
void MulticamOperator::RenameCameraClip() {}
void MulticamOperator::DrawProjectTitle() {}

}  // namespace ostrel3
