#include "guilayout/image_buttons.h"

#include "arith.h"
#include "host/res.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"

using guilayout::to16;

namespace {
// Room a label takes left of an image or palette button.
int16_t buttonLabelArea(const vgsText& label) {
  return label.empty() ? int16_t{0} : to16(vgsComponent::labelWidth(label.get()) + 16);
}
}  // namespace

vgsImageButton::vgsImageButton(VG_ELEMENT* handleOut, uint32_t id, RES_IMAGES images, int32_t imageId,
                               uint32_t flags, const XCHAR* label, uint32_t value)
    : vgsGadget(handleOut, id, flags),
      image_(resGetImage(images, imageId)),
      altImage_(nullptr),
      label_(label),
      value_(value) {
  initImageSizes();
}

vgsImageButton::vgsImageButton(VG_ELEMENT* handleOut, uint32_t id, VG_IMAGE* image, VG_IMAGE* altImage,
                               uint32_t flags, const XCHAR* label, uint32_t value)
    : vgsGadget(handleOut, id, flags), image_(image), altImage_(altImage), label_(label), value_(value) {
  initImageSizes();
}

void vgsImageButton::initImageSizes() {
  setTypeTagNumbers(kVgsTagButton);
  const int32_t imageWidth = image_ ? image_->width : 0;
  const int16_t byImage = guilayout::evenDown(vgConvertWidth(6) + imageWidth + 3);
  const int16_t label = buttonLabelArea(label_);
  initSizes(to16(16 + label), to16(std::max(cellWidth(), byImage) + label));
  geo_.minHeight = 16;
}

VG_ELEMENT vgsImageButton::addElement(VG_PANEL panel) {
  if (!image_) {
    // The host draws a button from its picture; without one there is no button.
    OS3_LOG(ostrel3::kLogFailed);
    return 0;
  }
  return vgAddImageButton(panel, geo_.x, geo_.y, geo_.width, geo_.height, image_, altImage_, label_.get(),
                          styleForHeight(flags_, geo_.height), value_);
}

vgsPaletteButton::vgsPaletteButton(VG_ELEMENT* handleOut, uint32_t colour, uint32_t id, uint32_t flags,
                                   uint32_t value)
    : vgsGadget(handleOut, id, flags), colour_(colour), value_(value) {
  setTypeTagNumbers(kVgsTagButton);
  initSizes(16, cellWidth());
  geo_.minHeight = 16;
}

void vgsPaletteButton::setLabel(const XCHAR* label) {
  const int16_t before = labelArea();
  label_ = vgsText(label);
  const int16_t change = to16(labelArea() - before);
  geo_.minWidth = to16(geo_.minWidth + change);
  geo_.prefWidth = to16(geo_.prefWidth + change);
  geo_.width = geo_.prefWidth;
}

int16_t vgsPaletteButton::labelArea() const { return buttonLabelArea(label_); }

VG_ELEMENT vgsPaletteButton::addElement(VG_PANEL panel) {
  // The host's palette button has no label of its own: the label is drawn
  // beside it and the button takes the rest of the width.
  const int16_t label = labelArea();
  if (label > 0 && vgBoxText(panel, label_.get(), geo_.x, geo_.y, label, geo_.height, 0) == -1)
    OS3_LOG(ostrel3::kLogFailed);
  return vgAddPaletteButton(panel, to16(geo_.x + label), geo_.y, to16(geo_.width - label), geo_.height, 0, colour_,
                            styleForHeight(flags_, geo_.height), value_);
}
