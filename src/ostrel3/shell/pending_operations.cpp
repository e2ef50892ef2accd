// Operations the event loop already dispatches to but whose work arrives
// later (playback, scrubbing, cut editing, the timeline drawing, the
// storyboard output, the dialogs). They do nothing until then; those that
// report a result report that nothing was done.
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
void MulticamOperator::SetCameraAtPosition(int) {}
void MulticamOperator::HandleKeyCommand(const QueueMessage&) {}
void MulticamOperator::HandleTimelineClick(int16_t) {}
void MulticamOperator::StartMoveCut() {}
void MulticamOperator::EndMoveCut(bool) {}
void MulticamOperator::MoveCutToPointer(int16_t) {}
void MulticamOperator::PreviewMoveCut() {}
bool MulticamOperator::BuildStoryboard() { return false; }
bool MulticamOperator::ProjectSettingsDialog() { return false; }
void MulticamOperator::InfoDialog() {}
void MulticamOperator::ChooseCameraColour() {}
void MulticamOperator::RenameCameraClip() {}
void MulticamOperator::DrawProjectTitle() {}

}  // namespace ostrel3
