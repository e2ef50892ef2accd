// Commands of the host's input parser: the transport keys, the camera keys
// and the jog. What a key does depends on the input context in front.
#include "host/parser.h"
#include "host/vg.h"
#include "ostrel3/editing/parser_commands.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/shell/scoped_host.h"

namespace ostrel3 {

namespace {

// Low bytes of the operator's input contexts.
constexpr int32_t kEditingScreen = VG_PARSER_MAIN & 0xFF;
constexpr int32_t kPlaybackScreen = VG_PARSER_PLAYBACK & 0xFF;
constexpr int32_t kMoveCutScreen = VG_PARSER_MOVE_CUT & 0xFF;

}  // namespace

int32_t MulticamOperator::currentInputScreen() {
  uint32_t screen = 0, overlay = 0;
  const int32_t low = parserGetCurrentScreen(&screen, &overlay);
  if (low != -1) return low;
  OS3_LOG(kLogFailed);
  // Without the host's answer the operator's own state names the context.
  if (moveMode) return kMoveCutScreen;
  return playStarting || playing ? kPlaybackScreen : kEditingScreen;
}

void MulticamOperator::HandleKeyCommand(const QueueMessage& message) {
  const int32_t screen = currentInputScreen();
  int32_t id = message.identifier;
  // During playback the play key pauses, as the pause key does.
  if (screen == kPlaybackScreen && id == kPlayCommand) id = kPauseCommand;
  const bool moving = screen == kMoveCutScreen;
  const VG_PANEL panel = panelRequest.panel;
  if (id >= kFirstCameraCommand && id <= kLastCameraCommand) {
    const int camera = id - kFirstCameraCommand;
    return SelectCamera(camera, CameraButtonSlot(camera));
  }
  switch (id) {
    case kPlayCommand:
      if (moving) return EndMoveCut(false);
      FlashElement(panel, elementSlots[kPlayButton]);
      // As the play button: from the cursor, wherever the last playback began.
      resumePos = position;
      return PlayStart(-1, -1);
    case kPauseCommand:
      if (playing) {
        FlashElement(panel, elementSlots[kPauseButton]);
        return PlayPauseToggle();
      }
      vgInactivateElement(panel, elementSlots[kPauseButton]);
      return PlayStart(-1, -1);
    case kStopCommand:
      if (moving) return EndMoveCut(true);
      FlashElement(panel, elementSlots[kStopButton]);
      return PlayStop(false);
    case kJogCommand:
      return jog(message.subEvent);
    default:
      OS3_LOG(kLogRefused);
      return;
  }
}

}  // namespace ostrel3
