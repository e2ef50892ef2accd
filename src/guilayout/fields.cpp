#include "guilayout/fields.h"

#include "arith.h"

using guilayout::to16;

namespace {
// n cells with the n - 1 gaps between them.
int16_t cells(int n) { return to16(n * vgsComponent::cellWidth() + (n - 1) * vgsComponent::cellGap()); }

// Width of the host's time text, measured on a sample of it.
int16_t timeTextWidth() {
  XCHAR sample[VG_TIME_TEXT_MAX + 1] = {};
  if (vgSliderCallbackFramesTime(0, sample) < 0) return vgsComponent::textWidth(u"00:00:00:00");
  return vgsComponent::textWidth(sample);
}
}  // namespace

vgsSlider::vgsSlider(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, int16_t labelWidth, int32_t minimum,
                     int32_t maximum, int32_t value, uint32_t flags, VG_SLIDER_TEXT_FN textFn)
    : vgsGadget(handleOut, id, flags),
      label_(label),
      labelWidth_(labelWidth),
      minimum_(minimum),
      maximum_(maximum),
      value_(value),
      textFn_(textFn) {
  setTypeTagNumbers(kVgsTagSlider, kVgsTagSliderSecond);
  // 3 cells and one gap at the least; 6 cells with 4 gaps preferred.
  initSizes(to16(labelWidth + 3 * cellWidth() + cellGap()), to16(labelWidth + 6 * cellWidth() + 4 * cellGap()));
}

VG_ELEMENT vgsSlider::addElement(VG_PANEL panel) {
  return vgAddSlider(panel, geo_.x, geo_.y, geo_.width, geo_.height, label_.get(), labelWidth_, minimum_, maximum_,
                     value_, flags_, textFn_);
}

vgsStringGadget::vgsStringGadget(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, const XCHAR* text,
                                 int32_t maxChars, uint32_t flags)
    : vgsGadget(handleOut, id, flags), label_(label), text_(text), labelWidth_(labelWidth(label)), maxChars_(maxChars) {
  setTypeTagNumbers(kVgsTagString);
  setTypeTag(kDefaultTypeTag);
  const int16_t field = text_.empty() ? cells(3) : gridWidth(textWidth(text_.get()) + 31);
  initSizes(to16(cellWidth() + labelWidth_), to16(field + labelWidth_));
}

VG_ELEMENT vgsStringGadget::addElement(VG_PANEL panel) {
  return vgAddStringGadget(panel, geo_.x, geo_.y, geo_.width, geo_.height, label_.get(), labelWidth_, text_.get(),
                           maxChars_, flags_);
}

vgsTextGadget::vgsTextGadget(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, const XCHAR* text,
                             uint32_t flags)
    : vgsGadget(handleOut, id, flags), label_(label), text_(text), labelWidth_(labelWidth(label)) {
  const int16_t field = std::max(cellWidth(), gridWidth(textWidth(text_.get())));
  initSizes(to16(cellWidth() + labelWidth_), to16(field + labelWidth_));
}

VG_ELEMENT vgsTextGadget::addElement(VG_PANEL panel) {
  return vgAddTextGadget(panel, geo_.x, geo_.y, geo_.width, geo_.height, label_.get(), labelWidth_, text_.get(),
                         flags_);
}

vgsTimeGadget::vgsTimeGadget(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, int32_t fields, uint32_t flags)
    : vgsGadget(handleOut, id, flags), label_(label), labelWidth_(labelWidth(label)), fields_(fields) {
  const int16_t field = std::max(cellWidth(), gridWidth(timeTextWidth()));
  initSizes(to16(cellWidth() + labelWidth_), to16(field + labelWidth_));
}

VG_ELEMENT vgsTimeGadget::addElement(VG_PANEL panel) {
  return vgAddTimeGadget(panel, geo_.x, geo_.y, geo_.width, geo_.height, label_.get(), labelWidth_, fields_, flags_);
}
