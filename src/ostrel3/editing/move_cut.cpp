// The move-cut mode: a cut is dragged between its neighbours by the pointer,
// the jog or the cut buttons, and committed or cancelled at the end. While
// it lasts the timeline takes the pointer and the keys have their own input
// context.
#include "host/vg.h"
#include "ostrel3/editing/cut_geometry.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

constexpr int32_t kNormalPointer = 1;
constexpr int32_t kMovePointer = 2;

void setPointerLook(int32_t look) {
  if (vgSetPointerAttrs(look, 0, 0, 0) != 0) OS3_LOG(kLogFailed);
}

}  // namespace

void MulticamOperator::StartMoveCut() {
  if (moveMode) {
    OS3_LOG(kLogRefused);
    return;
  }
  if (position == 0) {
    OS3_LOG(kLogNotice);
    vgPointerBeep();
    return;
  }
  // The step back is taken as the project stands when the user asks, before
  // a paused playback is ended; a move refused below leaves a step that
  // changes nothing.
  PushUndo();
  // Zeroed first, so that ending a paused playback leaves the cursor here.
  playStartPos = 0;
  resumePos = 0;
  PlayStop(false);
  // Stopping a running playback takes the cursor back to the start just
  // zeroed: frame 0 never starts a move either.
  const auto bounds = position != 0 ? MoveBoundsOf(cutList, position, LastFrame()) : std::nullopt;
  if (!bounds) {
    OS3_LOG(kLogRefused);
    vgPointerBeep();
    return;
  }
  moveMode = true;
  moveFrom = position;
  moveDelta = 0;
  moveLow = bounds->low;
  moveHigh = bounds->high;
  placePointerOnFrame(position);
  switchMovePointer(true);
  setPointerLook(kMovePointer);
  RedrawTimeline(true);
  vgActivateElement(panelRequest.panel, elementSlots[kMoveCutButton]);
  switchInputScreen(VG_PARSER_MOVE_CUT);
}

void MulticamOperator::MoveCutToPointer(int16_t x) {
  if (!moveMode || !timelineArea.panel || timelineArea.rect.width <= 0) return;
  VG_RECT panel{};
  if (vgGetPanelRect(timelineArea.panel, &panel) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  const MoveBounds bounds{moveLow, moveHigh};
  const int32_t left = panel.x + timelineArea.rect.x;
  moveDelta = ClampMoveDelta(PointerMoveDelta(x, left, timelineArea.rect.width, moveFrom, bounds), moveFrom, bounds);
  PreviewMoveCut();
}

void MulticamOperator::PreviewMoveCut() {
  if (!moveMode) return;
  moveDelta = ClampMoveDelta(moveDelta, moveFrom, {moveLow, moveHigh});
  // The cursor shows where the cut would go; the position itself stays on
  // the cut until the move is committed.
  const int32_t kept = position;
  position = moveFrom + moveDelta;
  UpdateCursor(true);
  position = kept;
}

void MulticamOperator::EndMoveCut(bool cancel) {
  if (!moveMode) return;
  switchInputScreen(VG_PARSER_MAIN);
  vgInactivateElement(panelRequest.panel, elementSlots[kMoveCutButton]);
  switchMovePointer(false);
  moveMode = false;
  if (!cancel) commitMove();
  moveFrom = moveLow = moveHigh = 0;
  setPointerLook(kNormalPointer);
  UpdateCursor(true);
  // Placed once the window has followed the cursor, so the pointer lands on it.
  placePointerOnFrame(position);
}

void MulticamOperator::commitMove() {
  const auto cut = cutList.find(moveFrom);
  // The cut may have gone while it was moved (deleted, or undone with the
  // rest of the project): there is nothing left to move.
  if (cut == cutList.end()) {
    OS3_LOG(kLogRefused);
    return;
  }
  const int32_t camera = cut->second;
  const int32_t to = moveFrom + ClampMoveDelta(moveDelta, moveFrom, {moveLow, moveHigh});
  cutList.erase(cut);
  cutList.insert_or_assign(to, camera);
  position = to;
}

// The mouse pointer and the host's virtual pointer, which takes the mouse
// pointer's place while the timeline holds it, on a frame's column at the
// timeline's vertical middle.
void MulticamOperator::placePointerOnFrame(int32_t frame) {
  if (!timelineArea.panel) return;
  VG_RECT panel{};
  if (vgGetPanelRect(timelineArea.panel, &panel) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  const VG_RECT& r = timelineArea.rect;
  const int32_t x = panel.x + r.x + CursorColumn(frame, timelineView());
  const int32_t y = panel.y + r.y + r.height / 2;
  if (vgSetPointerPosition(static_cast<int16_t>(x), static_cast<int16_t>(y)) != 0) OS3_LOG(kLogFailed);
}

// The timeline's pointer-move mode and the virtual pointer, together.
void MulticamOperator::switchMovePointer(bool on) {
  if (!timelineArea.panel) return;
  for (const int32_t tag : {VG_TAG_PANEL_MODE_A, VG_TAG_PANEL_MODE_B})
    if (vgChangeElement(timelineArea.panel, 0, tag, on ? 1 : 0, 0) != 0) OS3_LOG(kLogFailed);
}

void MulticamOperator::switchInputScreen(uint32_t parserId) {
  if (vgSetRootPanelParserID(panelRequest.panel, parserId) == -1) OS3_LOG(kLogFailed);
}

}  // namespace ostrel3
