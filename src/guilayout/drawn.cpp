#include "guilayout/drawn.h"

#include "arith.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"

using guilayout::evenDown;
using guilayout::to16;

vgsBoxTextLine::vgsBoxTextLine(const XCHAR* text, uint32_t style) : text_(text), style_(style) {
  // Dialogs are opened at their minimum size: a text must not be squeezed
  // below its own width there.
  const int16_t width = gridWidth(textWidth(text_.get()) + 1);
  const int16_t height = to16(vgGetAddHeight() + vgGetFontHeight());
  geo_.minWidth = geo_.prefWidth = geo_.width = width;
  geo_.minHeight = geo_.prefHeight = geo_.height = height;
}

bool vgsBoxTextLine::create(VG_PANEL panel) {
  if (geo_.width <= 0 || geo_.height <= 0) return true;
  uint32_t style = style_;
  if (colour_) {
    style |= kStyleOwnColour;
    vgSetColorYUV(*colour_);
  }
  if (vgBoxText(panel, text_.get() ? text_.get() : u"", geo_.x, geo_.y, geo_.width, geo_.height, style) == -1) {
    OS3_LOG(ostrel3::kLogFailed);
    return false;
  }
  return true;
}

vgsOutputBox::vgsOutputBox(int16_t pictureWidth, int16_t pictureHeight)
    : pictureWidth_(pictureWidth), pictureHeight_(pictureHeight) {
  geo_.minWidth = geo_.minHeight = 10;
  setPreferredSize(to16(pictureWidth + 2 * kFrame), to16(pictureHeight + 2 * kFrame));
  geo_.width = geo_.prefWidth;
  geo_.height = geo_.prefHeight;
}

void vgsOutputBox::setPictureSize(int16_t width, int16_t height) {
  pictureWidth_ = width;
  pictureHeight_ = height;
}

void vgsOutputBox::setBounds(const VG_RECT& rect) {
  vgsComponent::setBounds(rect);
  if (keepAspect_) fitToAspect();
}

void vgsOutputBox::fitToAspect() {
  const int32_t innerWidth = geo_.width - 2 * kFrame;
  const int32_t innerHeight = geo_.height - 2 * kFrame;
  if (pictureWidth_ <= 0 || pictureHeight_ <= 0 || innerWidth <= 0 || innerHeight <= 0) return;
  int32_t width = innerWidth;
  int32_t height = innerHeight;
  // Products in 32 bits: 16-bit sizes multiplied would overflow 16 bits.
  if (innerWidth * pictureHeight_ > innerHeight * pictureWidth_)
    width = innerHeight * pictureWidth_ / pictureHeight_;
  else
    height = innerWidth * pictureHeight_ / pictureWidth_;
  const int16_t boxWidth = to16(evenDown(width) + 2 * kFrame);
  const int16_t boxHeight = to16(evenDown(height) + 2 * kFrame);
  geo_.x = to16(geo_.x + evenDown((geo_.width - boxWidth) / 2));
  geo_.y = to16(geo_.y + evenDown((geo_.height - boxHeight) / 2));
  geo_.width = boxWidth;
  geo_.height = boxHeight;
}

bool vgsOutputBox::create(VG_PANEL panel) {
  panel_ = panel;
  if (vgDrawBoxNew(panel, geo_.x, geo_.y, to16(geo_.x + geo_.width - 1), to16(geo_.y + geo_.height - 1), kBoxStyle, 0,
                   0, 0) == -1) {
    OS3_LOG(ostrel3::kLogFailed);
    return false;
  }
  return true;
}

VG_RECT vgsOutputBox::innerRect() const {
  return {to16(geo_.x + kFrame), to16(geo_.y + kFrame), to16(geo_.width - 2 * kFrame),
          to16(geo_.height - 2 * kFrame)};
}
