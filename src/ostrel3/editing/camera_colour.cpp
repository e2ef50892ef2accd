// The active camera's colour, chosen with the host's palette. The colour
// shows in the palette button, the swatch, the picture's frame and the
// camera's stretches of the timeline; a change is one undo step.
#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

// The palette's mode word, as the host expects it from the editor.
constexpr uint32_t kPaletteMode = 25600;

}  // namespace

void MulticamOperator::ChooseCameraColour() {
  CameraSlot& camera = cameras[activeCamera];
  VREQ_PALETTE request{};
  request.colour = camera.colour;
  request.mode = kPaletteMode;
  if (vreqPaletteRequest(&request) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  // An unchanged colour is no change: no undo step that would do nothing.
  if (request.answer != 1 || request.colour == camera.colour) return;
  PushUndo();
  camera.colour = request.colour;
  MarkActiveCamera(true);
  RedrawTimeline(true);
}

}  // namespace ostrel3
