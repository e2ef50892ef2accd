// Element messages of the main panel: the element's slot decides the action.
#include "host/nsl.h"
#include "host/vg.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

constexpr int32_t kAskForClip = 20;
constexpr int32_t kDragBegins = 1;
constexpr int32_t kDragEnds = 3;
constexpr int32_t kDragEndsElsewhere = 4;
constexpr int32_t kDragColour = 8;

}  // namespace

void MulticamOperator::handleElement(const QueueMessage& message) {
  const auto element = static_cast<VG_ELEMENT>(message.identifier);
  if (handleFrameElement(element)) return;
  for (int slot = 1; slot < kElementSlots; ++slot) {
    if (elementSlots[slot] == element && element != 0) return handleSlot(slot, message);
  }
}

// The panel frame's own confirm and cancel elements.
bool MulticamOperator::handleFrameElement(VG_ELEMENT element) {
  if (element == 0) return false;
  if (element == panelRequest.okElement) {
    if (!moveMode && !stopPlaybackIfRunning()) apply(false);
    return true;
  }
  if (element == panelRequest.cancelElement) {
    if (moveMode) EndMoveCut(false);
    else if (!stopPlaybackIfRunning()) saveAndLeave();
    return true;
  }
  return false;
}

void MulticamOperator::handleSlot(int slot, const QueueMessage& m) {
  if (slot >= kFirstCameraButton && slot < kPositionSlider && slot <= CameraPictureSlot(5)) {
    const int camera = (slot - kFirstCameraButton) / 2;
    const bool picture = (slot - kFirstCameraButton) % 2 == 1;
    if (!picture) return SelectCamera(camera, -1);
    if (m.subEvent == kAskForClip && !playStarting && !playing) return AssignSceneToActiveCamera();
    return SelectCamera(camera, slot - 1);
  }
  switch (slot) {
    case kChooseClipButton: return AssignSceneToActiveCamera();
    case kRemoveClipButton: return RemoveClipFromActiveCamera();
    case kSynchroniseButton: PlayStop(false); return SynchroniseCameras();
    case kStopButton: return PlayStop(false);
    case kPlayButton: resumePos = position; return PlayStart(-1, -1);
    case kPauseButton:
      if (playing) return PlayPauseToggle();
      vgInactivateElement(panelRequest.panel, elementSlots[kPauseButton]);
      return PlayStart(-1, -1);
    case kPositionSlider:
      if (m.subEvent == kDragBegins) highlightColor = vgGetNewGuiColorYUV(kDragColour);
      else if (m.subEvent == kDragEnds || m.subEvent == kDragEndsElsewhere) highlightColor = kHighlightColour;
      position = m.value;
      return UpdateCursor(false);
    case kTimelineArea: return HandleTimelineClick(static_cast<int16_t>(static_cast<uint32_t>(m.value) >> 16));
    case kZoomAllButton:
      zoomIn = 0;
      zoomOut = LastFrame();
      return RedrawTimeline(false);
    case kZoomOutButton: return ZoomTimeline(-1);
    case kZoomInButton: return ZoomTimeline(+1);
    case kToStartButton:
      if (moveMode) return;
      position = 0;
      return UpdateCursor(true);
    case kPreviousCutButton: return stepToCut(false);
    case kNextCutButton: return stepToCut(true);
    case kMoveCutButton:
      if (position != 0 && cutList.count(position)) StartMoveCut();
      return;
    case kDeleteCutButton: return DeleteCutAtPosition();
    case kUndoButton: return undoOrRedo(true);
    case kRedoButton: return undoOrRedo(false);
    case kSettingsButton:
      PlayStop(false);
      restartRequested = false;
      return afterSettingsDialog(ProjectSettingsDialog());
    case kClipNameField: return RenameCameraClip();
    case kCameraColorButton: return ChooseCameraColour();
    case kCameraAudioCheckBox: cameras[activeCamera].useAudio = m.value & 1; return;
    case kInfoButton: return InfoDialog();
    case kApplyButton:
      if (moveMode) return EndMoveCut(false);
      if (!stopPlaybackIfRunning()) apply(true);
      return;
    case kLeaveButton:
      if (moveMode) return EndMoveCut(false);
      if (!stopPlaybackIfRunning()) saveAndLeave();
      return;
    case kPreviewButton:
      resumePos = position;
      return PlayStart(position - 3 * framesPerSecond, position + 3 * framesPerSecond - 1);
    case kScrubToggle:
      ScrubStop();
      ClearWaveformStrip();
      mainScrub = (m.value & 1) != 0;
      ScrubStart();
      return ScrubUpdate(true);
    default:
      return;  // the clip length display and the empty slots do not act
  }
}

void MulticamOperator::stepToCut(bool forward) {
  playStartPos = 0;
  resumePos = 0;
  if (moveMode) {
    moveDelta += forward ? 1 : -1;
    return PreviewMoveCut();
  }
  if (forward) {
    auto next = cutList.upper_bound(position);
    if (next == cutList.end()) return;
    position = next->first;
  } else {
    auto at = cutList.lower_bound(position);
    if (at == cutList.begin()) return;
    position = std::prev(at)->first;
  }
  UpdateCursor(true);
}

void MulticamOperator::undoOrRedo(bool undo) {
  restartRequested = false;
  if (!(undo ? Undo() : Redo())) return DrawProjectTitle();
  // The restored clips are fresh copies: they run in step only once trimmed.
  ApplySyncTrims();
  if (restartRequested) return rebuild();
  refresh(true);
}

void MulticamOperator::afterSettingsDialog(bool changed) {
  if (!changed) return DrawProjectTitle();
  ApplySyncTrims();
  if (restartRequested) return rebuild();
  // Another project, a reset or an import may have changed every camera and
  // cut: the panel shows the project anew, as after an undo.
  refresh(true);
}

void MulticamOperator::refresh(bool afterHistory) {
  UpdateCameraPanel(activeCamera, true);
  UpdateCameraLabels();
  if (afterHistory) {
    MarkActiveCamera(true);
    RedrawAll();
  }
  UpdateCursor(true);
  DrawProjectTitle();
}

void MulticamOperator::apply(bool saveOnSuccess) {
  const int32_t limit = nslGetMaxIncludeTrimFrames();
  const bool raised = limit < trimLength;
  if (raised) nslSetMaxIncludeTrimFrames(trimLength);
  // No scrub tick or sound may come while the storyboard is written.
  ScrubStop();
  const bool written = BuildStoryboard();
  if (raised) nslSetMaxIncludeTrimFrames(limit);
  if (!written) {
    // The user stays in the editor: scrubbing comes back.
    ScrubStart();
    return ScrubUpdate(true);
  }
  if (saveOnSuccess) saveAndLeave();
  else keepRunning = false;
  if (keepRunning) {
    // The project could not be saved and the user stays: scrubbing comes back.
    ScrubStart();
    ScrubUpdate(true);
  }
}

}  // namespace ostrel3
