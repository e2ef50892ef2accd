#include "guilayout/spacers.h"

#include "arith.h"
#include "host/vg.h"

vgsSpace::vgsSpace(int16_t minWidth, int16_t minHeight, int16_t prefWidth, int16_t prefHeight, int16_t maxWidth,
                   int16_t maxHeight) {
  geo_.minWidth = minWidth;
  geo_.minHeight = minHeight;
  setMaximumSize(maxWidth, maxHeight);
  setPreferredSize(prefWidth, prefHeight);
  geo_.width = geo_.prefWidth;
  geo_.height = geo_.prefHeight;
}

bool vgsSpace::create(VG_PANEL) { return true; }

vgsPanelInterDim::vgsPanelInterDim() {
  geo_.minWidth = vgConvertWidth(10);
  geo_.minHeight = vgConvertHeight(6);
  setPreferredSize(vgConvertWidth(20), vgConvertHeight(10));
  geo_.maxWidth = guilayout::to16(2 * geo_.prefWidth);
  geo_.maxHeight = guilayout::to16(2 * geo_.prefHeight);
  geo_.width = geo_.prefWidth;
  geo_.height = geo_.prefHeight;
}

bool vgsPanelInterDim::create(VG_PANEL) { return true; }
