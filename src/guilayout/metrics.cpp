// The host's metrics in the toolkit's units: cells, gaps and text lines.
#include "arith.h"
#include "guilayout/component.h"
#include "host/vg.h"

int16_t vgsComponent::cellWidth() { return vgConvertGadgetWidth(32); }

int16_t vgsComponent::lineHeight() {
  return guilayout::to16(vgGetFontHeightMonitor(vgGetDefaultMonitor()) + vgGetAddHeight() + 4);
}

int16_t vgsComponent::cellGap() { return vgConvertWidth(2); }

int16_t vgsComponent::gridWidth(int32_t width) {
  // No width needs no cells; counting "-1 gaps" would give a negative width.
  const int32_t cell = cellWidth();
  if (width <= 0 || cell <= 0) return 0;
  const int32_t cells = (width + cell - 1) / cell;
  return guilayout::to16(cells * cell + (cells - 1) * cellGap());
}

int16_t vgsComponent::textWidth(const XCHAR* text) { return text ? vgTextLength(text) : int16_t{0}; }

int16_t vgsComponent::labelWidth(const XCHAR* text) { return gridWidth(textWidth(text)); }
