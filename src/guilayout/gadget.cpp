#include "guilayout/gadget.h"

#include "host/vg.h"
#include "ostrel3/shell/log.h"

vgsGadget::vgsGadget(VG_ELEMENT* handleOut, uint32_t id, uint32_t flags)
    : flags_(flags), handleOut_(handleOut), id_(id) {}

void vgsGadget::initSizes(int16_t minWidth, int16_t prefWidth) {
  const int16_t line = lineHeight();
  geo_.minWidth = minWidth;
  geo_.minHeight = line;
  setPreferredSize(prefWidth, line);
  geo_.width = geo_.prefWidth;
  geo_.height = geo_.prefHeight;
  setGaps(vgConvertWidth(2), vgConvertWidth(4));
}

void vgsGadget::setTypeTagNumbers(int32_t first, int32_t second) {
  typeTags_[0].tag = first;
  typeTags_[1].tag = second;
}

uint32_t vgsGadget::styleForHeight(uint32_t flags, int16_t height) {
  return height == 18 ? flags : flags & ~kVgsStyleHeight18;
}

bool vgsGadget::fits() const { return geo_.width >= cellWidth() && geo_.height >= lineHeight(); }

bool vgsGadget::create(VG_PANEL panel) {
  if (!fits()) return true;  // too small to be usable: silently left out
  const VG_ELEMENT element = addElement(panel);
  // Stored even when refused, so that a handle left from an earlier panel
  // cannot be mistaken for this one.
  if (handleOut_) *handleOut_ = element;
  if (!element) {
    OS3_LOG(ostrel3::kLogFailed);
    return false;
  }
  applyTags(elementPanel(panel), element);
  return true;
}

void vgsGadget::applyTags(VG_PANEL panel, VG_ELEMENT element) const {
  auto change = [&](int32_t tag, intptr_t value) {
    if (vgChangeElement(panel, element, tag, value, 0) == -1) OS3_LOG(ostrel3::kLogFailed);
  };
  if (id_) change(kVgsTagId, id_);
  if (pair_[0] && pair_[1]) {
    change(kVgsTagPairFirst, pair_[0]);
    change(kVgsTagPairSecond, pair_[1]);
  }
  if ((flags_ & kVgsStyleFlagged) && flagged_) change(kVgsTagFlagged, flagged_);
  for (const TagValue& t : typeTags_)
    if (t.tag && t.value) change(t.tag, t.value);
}
