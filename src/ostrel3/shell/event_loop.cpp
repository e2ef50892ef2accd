// The event loop: waits on the event queue and dispatches every message by
// its class until the user leaves, applies, or a rebuild is asked for.
#include "host/msgq.h"
#include "host/nsl.h"
#include "host/parser.h"
#include "host/task.h"
#include "host/vg.h"
#include "ostrel3/display/overview_gate.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

constexpr uint16_t kSpaceKey = 0x20;
constexpr uint16_t kHoldKey = 0x68;
constexpr uint32_t kHoldQualifier = 0x800;

}  // namespace

void MulticamOperator::RunEventLoop() {
  ScrubStart();
  ScrubUpdate(true);
  keepRunning = true;
  int failedReceives = 0;
  while (keepRunning) {
    catchUpOverview();
    QueueMessage message;
    // A message the jog took and could not put back comes before the queue.
    if (!heldMessages.empty()) {
      message = heldMessages.front();
      heldMessages.pop_front();
      dispatch(message);
      continue;
    }
    if (vgMsgQReceive2(&message, -1, eventQueue.get()) != static_cast<int32_t>(kMessageSize)) {
      OS3_LOG(kLogFailed);
      // A queue that no longer delivers must not keep the operator on screen;
      // it leaves without offering to stay, as no click could reach it.
      if (++failedReceives >= kMaxFailedReceives) saveAndLeave(false);
      continue;
    }
    failedReceives = 0;
    dispatch(message);
  }
  leave();
}

// Two changes within one host tick draw the overview once, for the first.
// Once nothing else waits, the overview is brought up to date a tick later,
// so the screen never stays behind the model while the user looks at it.
void MulticamOperator::catchUpOverview() {
  if (!OverviewBehind() || !heldMessages.empty() || msgQNumMsgs(eventQueue.get()) != 0) return;
  taskDelay(1);
  RedrawTimeline(false);
}

void MulticamOperator::dispatch(const QueueMessage& message) {
  switch (message.msgClass) {
    case kMsgElement:
      return handleElement(message);
    case kMsgKey:
      return handleKey(message);
    case kMsgPointer:
      if (moveMode) MoveCutToPointer(static_cast<int16_t>(message.identifier & 0xFFFF));
      return;
    case kMsgPointerButton:
      if (moveMode && (message.identifier == 1 || message.identifier == 2)) EndMoveCut(message.identifier == 2);
      return;
    case kMsgClose:
    case kMsgCloseWindow:
      return handleClose();
    case kMsgCommand:
      return HandleKeyCommand(message);
    case kMsgPlayPosition:
    case kMsgPlayStopped:
    case kMsgPlayCamera:
    case kMsgPlayStatus:
      return handlePlayback(message);
    default:
      return;  // ticks of the scrub task and anything unknown: taken off the queue
  }
}

void MulticamOperator::handleKey(const QueueMessage& message) {
  const uint16_t key = static_cast<uint16_t>(message.identifier & 0xFFFF);
  const uint32_t qualifier = static_cast<uint32_t>(message.identifier) >> 16;
  uint32_t screen = 0, overlay = 0;
  parserGetCurrentScreen(&screen, &overlay);
  // While a host overlay holds the keys, space and digits are typed text.
  const bool keysFree = overlay == 0;
  if (key == kSpaceKey && keysFree) {
    SelectCamera(0, CameraButtonSlot(0));
  } else if (key >= '1' && key <= '5' && keysFree) {
    const int camera = key - '0';
    SelectCamera(camera, CameraButtonSlot(camera));
  } else if (key == kHoldKey && (qualifier & kHoldQualifier) && playing) {
    playStartPos = position;
    PlayStop(false);
  }
}

void MulticamOperator::handleClose() {
  if (moveMode) return EndMoveCut(true);
  if (stopPlaybackIfRunning()) return;
  saveAndLeave();
}

void MulticamOperator::handlePlayback(const QueueMessage& message) {
  switch (message.msgClass) {
    case kMsgPlayPosition:
      return PlaybackPosition(message.position);
    case kMsgPlayStopped:
      return PlayStop(true);
    case kMsgPlayCamera:
      return HandlePlayCamera(message.identifier, message.value);
    case kMsgPlayStatus:
      if (message.identifier != 8) return;
      // The source line tells which time event the player reported.
      switch (message.value & 0xF0) {
        case 0x10: return OS3_LOG(kLogNotice);
        case 0x20: return OS3_LOG(kLogNotice);
        case 0x30: return OS3_LOG(kLogNotice);
        default: return OS3_LOG(kLogNotice);
      }
    default:
      return;
  }
}

bool MulticamOperator::stopPlaybackIfRunning() {
  if (!playStarting && !playing) return false;
  vgInactivateElement(panelRequest.panel, elementSlots[kPauseButton]);
  PlayStop(false);
  resumePos = 0;
  return true;
}

bool MulticamOperator::IsCameraSelectable(int camera) const {
  if (!playStarting && !playing) return true;
  return camera >= 0 && camera < kCameraSlots && cameras[camera].hasClip();
}

}  // namespace ostrel3
