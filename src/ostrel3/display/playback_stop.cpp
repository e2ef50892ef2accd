// Pausing, resuming and stopping multi-camera playback. Every stop brings
// the position back to where the playback started (or to the last live cut).
#include "host/vg.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::PlayPauseToggle() {
  if (playing) {
    setPlayFlags(false, false);
    const int32_t reached = player.pause();
    if (reached == -1) OS3_LOG(kLogFailed);
    resumePos = reached < 0 || reached > TimelineLastFrame() ? 0 : reached;
    // The player goes; the panel keeps its marks and scrubbing stays off
    // until the playback is resumed or stopped.
    player.end();
    playerGone();
    return;
  }
  if (!playStarting && resumePos > 0) return PlayStart(-1, -1);
  vgInactivateElement(panelRequest.panel, elementSlots[kPauseButton]);
  vgPointerBeep();
}

void MulticamOperator::PlayStop(bool fromPlayer) {
  // Nothing started, or stopped already (an end of play that was on its way
  // when the user stopped). The panel still gets the editing keys: a panel
  // just opened has no input context yet; a moved cut keeps its own.
  if (!playbackUnderway) {
    if (!moveMode) switchPlaybackScreen(false);
    return;
  }
  if (!playStarting && !playing) return endPausedPlayback(fromPlayer);
  playbackUnderway = false;
  switchPlaybackScreen(false);
  unmarkPlaybackElements();
  position = playStartPos;
  setPlayFlags(false, false);
  resumePos = playStartPos;
  const BusyPointer busy;
  vgInactivateElement(panelRequest.panel, elementSlots[kPauseButton]);
  player.end();
  playerGone();
  RedrawTimeline(false);
  UpdateCursor(true);
  resumeScrubbing();
}

// A paused playback's player is gone: an end of play it sent before the
// pause changes nothing; the user's stop ends the pause.
void MulticamOperator::endPausedPlayback(bool fromPlayer) {
  if (fromPlayer) return;
  playbackUnderway = false;
  switchPlaybackScreen(false);
  unmarkPlaybackElements();
  vgInactivateElement(panelRequest.panel, elementSlots[kPauseButton]);
  resumePos = playStartPos;
  position = playStartPos;
  UpdateCursor(true);
  resumeScrubbing();
}

void MulticamOperator::resumeScrubbing() {
  if (!scrubHeldForPlayback) return;
  scrubHeldForPlayback = false;
  ScrubStart();
  ScrubUpdate(false);
}

}  // namespace ostrel3
