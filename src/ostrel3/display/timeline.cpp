// The timeline overview: the ruler, the cut bar with the position marker and
// the zoom bar, drawn at most once per host tick by every operation that
// changes what it shows.
#include <algorithm>

#include "host/nsl.h"
#include "host/task.h"
#include "host/vg.h"
#include "ostrel3/display/overview_gate.h"
#include "ostrel3/display/timeline_geometry.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/refresh_pause.h"
#include "ostrel3/shell/operator.h"
#include "savecliprect.h"

namespace ostrel3 {

namespace {

constexpr int32_t kSegmentColour = 7;
constexpr int32_t kBorderColour = 8;
constexpr int32_t kClipNameColour = 1002;
constexpr int32_t kPanelBackground = 2;
constexpr uint32_t kClipNameStyle = 0x52;  // centred both ways, in the current colour
constexpr int16_t kColourStripRows = 4;
constexpr int32_t kMarkerAtPosition = 102;
constexpr int32_t kMarkerOnCut = 104;
constexpr int32_t kMarkerMovingCut = 106;
constexpr int16_t kMarkerBelowBar = 2;

int16_t at(int32_t origin, int64_t offset) { return static_cast<int16_t>(origin + offset); }

// Narrower segments show no clip name: two gaps and one wide character.
int16_t narrowestNamedSegment() {
  static constexpr XCHAR kWideCharacter[] = {0xE003, 0};
  return static_cast<int16_t>(2 * vgConvertWidth(4) + vgTextLength(kWideCharacter));
}

OverviewBands bandsOf(const MulticamOperator& op) {
  return BandsOf(op.timelineArea.rect.height, op.textLineHeight, op.timelineGap, op.timelineMargin);
}

}  // namespace

// ---- The drawing family ---------------------------------------------------------

bool MulticamOperator::overviewDue(bool force) {
  if (!TakeOverviewTick(tickGet(), force)) return false;
  return timelineArea.panel != 0;
}

void MulticamOperator::RedrawTimeline(bool force) {
  if (overviewDue(force)) DrawOverview();
}

void MulticamOperator::UpdateTimeline() {
  UpdateTimelineLength();
  RedrawTimeline(false);
}

void MulticamOperator::ZoomTimeline(int direction) {
  const TimelineWindow window =
      ZoomAround({zoomIn, zoomOut}, position, direction, framesPerSecond, projectLength);
  zoomIn = window.first;
  zoomOut = window.last;
  RedrawTimeline(false);
}

// ---- The overview ---------------------------------------------------------------------

void MulticamOperator::DrawOverview() {
  const VG_PANEL panel = timelineArea.panel;
  const VG_RECT& r = timelineArea.rect;
  if (!panel || r.width <= 0 || r.height <= 0) return;
  const int16_t minLabel = narrowestNamedSegment();
  const int32_t monitor = vgGetDefaultMonitor();
  RefreshPause pause(monitor);
  // The rows below the area belong to the zoom bar's indicator.
  ClipRectSaver clip(panel, r.x, r.y, at(r.x, r.width - 1), at(r.y, r.height + 1), monitor);
  DrawTimeRuler();
  drawCutBar(minLabel);
  // The zoom bar's background reaches into the marker's last rows: the
  // marker is drawn over it, so that its foot stays whole.
  drawZoomBar();
  drawPositionMarker();
}

void MulticamOperator::drawCutBar(int16_t minLabel) {
  const VG_PANEL panel = timelineArea.panel;
  const VG_RECT& r = timelineArea.rect;
  const OverviewBands bands = bandsOf(*this);
  if (bands.barHeight <= kColourStripRows) return;
  const int16_t top = at(r.y, bands.barTop), bottom = at(top, bands.barHeight - 1);
  const int32_t span = zoomOut - zoomIn + 1;
  if (span <= 0) {
    // An empty project: no frames to place, only the bar's background.
    if (vgFillBackground(panel, r.x, top, at(r.x, r.width - 1), bottom, kPanelBackground, 0) != 0) OS3_LOG(kLogFailed);
    return;
  }
  CutBarView view;
  view.zoomIn = zoomIn;
  view.span = span;
  view.width = r.width;
  for (int i = 0; i < kCameraSlots; ++i)
    if (cameras[i].hasClip()) view.camerasWithClip |= 1u << i;
  view.moving = moveMode;
  view.movingFrom = moveFrom;
  view.moveDelta = moveDelta;
  const uint32_t body = vgGetNewGuiColorYUV(kSegmentColour);
  const uint32_t border = vgGetNewGuiColorYUV(kBorderColour);
  const uint32_t nameColour = vgGetNewGuiColorYUV(kClipNameColour);
  const int16_t bodyTop = at(top, kColourStripRows);
  for (const CutSegment& s : LayoutCutBar(cutList, view)) {
    const int16_t x0 = at(r.x, s.first), x1 = at(r.x, s.last);
    vgSetColorYUV(cameras[s.camera].colour);
    vgRectFill(panel, x0, top, x1, at(top, kColourStripRows - 1));
    vgSetColorYUV(body);
    vgRectFill(panel, x0, bodyTop, x1, bottom);
    vgSetColorYUV(border);
    if (s.leftBorder) vgRectFill(panel, x0, bodyTop, x0, bottom);
    // The end line is two pixels wide, but never left of the timeline.
    if (s.endBorder) vgRectFill(panel, at(r.x, std::max(s.last - 1, 0)), bodyTop, x1, bottom);
    const int16_t width = static_cast<int16_t>(s.last - s.first + 1);
    if (!s.named || width <= minLabel) continue;
    const XCHAR* name = nslGetAVRecordName(cameras[s.camera].record);
    if (!name) continue;
    vgSetColorYUV(nameColour);
    vgBoxText(panel, name, x0, bodyTop, width, static_cast<int16_t>(bottom - bodyTop + 1), kClipNameStyle);
  }
}

void MulticamOperator::drawPositionMarker() {
  const VG_RECT& r = timelineArea.rect;
  const OverviewBands bands = bandsOf(*this);
  const int32_t span = zoomOut - zoomIn + 1;
  const int32_t frame = moveMode ? moveFrom + moveDelta : position;
  // A position outside the window has no place on the bar.
  if (span <= 0 || frame < zoomIn || frame > zoomOut) return;
  const int32_t id = moveMode ? kMarkerMovingCut : cutList.count(position) ? kMarkerOnCut : kMarkerAtPosition;
  VG_IMAGE* marker = vgGetScaledResImage(images.get(), id, 0, 0, 1);
  if (!marker) {
    OS3_LOG(kLogFailed);
    return;
  }
  const int16_t left = at(r.x, FramePixel(frame - zoomIn, r.width, span) - marker->width / 2);
  const int16_t top = at(r.y, bands.barTop + bands.barHeight - marker->height + kMarkerBelowBar);
  if (vgWriteResImage(timelineArea.panel, marker, left, top) != 0) OS3_LOG(kLogFailed);
}

void MulticamOperator::drawZoomBar() {
  const VG_PANEL panel = timelineArea.panel;
  const VG_RECT& r = timelineArea.rect;
  const int16_t bar = at(r.y, bandsOf(*this).zoomTop);
  if (vgFillBackground(panel, r.x, at(bar, -2), at(r.x, r.width - 1), at(bar, 7), kPanelBackground, 0) != 0)
    OS3_LOG(kLogFailed);
  const auto extent = ZoomBarExtent(r.width, {zoomIn, zoomOut}, projectLength);
  if (!extent) return;
  vgSetColorYUV(highlightColor);
  vgRectFill(panel, at(r.x, extent->first), at(bar, 4), at(r.x, extent->last), at(bar, 5));
}

}  // namespace ostrel3
