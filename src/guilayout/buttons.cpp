#include "guilayout/buttons.h"

#include "arith.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"
#include "gadext_holder.h"

vgsTextButton::vgsTextButton(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* text, uint32_t flags, uint32_t value)
    : vgsGadget(handleOut, id, flags), text_(text), value_(value) {
  setTypeTagNumbers(kVgsTagButton);
  initSizes(cellWidth(), guilayout::evenDown(gridWidth(textWidth(text_.get()) + 15)));
}

VG_ELEMENT vgsTextButton::addElement(VG_PANEL panel) {
  return vgAddTextButton(panel, geo_.x, geo_.y, geo_.width, geo_.height, text_.get(), flags_, value_);
}

vgsCheckBox::vgsCheckBox(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, int32_t checked, uint32_t flags)
    : vgsGadget(handleOut, id, flags), label_(label), checked_(checked) {
  setTypeTagNumbers(kVgsTagCheckBox);
  // The host puts the box into the last cell of the width, the label before it.
  const int16_t width = guilayout::to16(cellWidth() + (label_.empty() ? 0 : labelWidth(label_.get())));
  initSizes(width, width);
}

VG_ELEMENT vgsCheckBox::addElement(VG_PANEL panel) {
  guilayout::GadExtHolder ext;
  if (!ext.get()) {
    OS3_LOG(ostrel3::kLogFailed);
    return 0;
  }
  return vgAddCheckBox(panel, geo_.x, geo_.y, geo_.width, geo_.height, label_.get(), flags_, checked_, ext.get());
}

vgsClickGadget::vgsClickGadget(VG_ELEMENT* handleOut, uint32_t id, uint32_t value, uint32_t flags)
    : vgsGadget(handleOut, id, flags), value_(value) {
  initSizes(2, cellWidth());
  geo_.minHeight = 2;
}

VG_ELEMENT vgsClickGadget::addElement(VG_PANEL panel) {
  return vgAddClickGadget(panel, geo_.x, geo_.y, geo_.width, geo_.height, value_, 0);
}
