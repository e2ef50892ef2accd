// A click in the timeline puts the cursor on the frame under the pointer,
// or on a cut close to it; a second click on a cut starts moving it.
#include "host/vg.h"
#include "ostrel3/editing/cut_geometry.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

TimelineView MulticamOperator::timelineView() const { return {zoomIn, zoomOut, timelineArea.rect.width}; }

void MulticamOperator::HandleTimelineClick(int16_t x) {
  const VG_ELEMENT slider = elementSlots[kPositionSlider];
  if (!slider) return;
  const int32_t old = position;
  const auto frame = ClickedFrame(cutList, timelineView(), x, LastFrame());
  if (!frame) return;  // no frame to put the cursor on
  position = *frame;
  if (vgChangeElement(panelRequest.panel, slider, VG_TAG_SLIDER_VALUE, position, 1) != 0) OS3_LOG(kLogFailed);
  UpdateCursor(false);
  // The first cut bounds no move, so a second click on it only keeps the cursor there.
  const bool onLaterCut = cutList.count(position) != 0 && cutList.begin()->first != position;
  if (position == old && position != 0 && onLaterCut) StartMoveCut();
}

}  // namespace ostrel3
