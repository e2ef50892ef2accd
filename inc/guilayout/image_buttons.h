#pragma once
// Buttons showing a picture or a colour, each with an optional label left of it.
#include "guilayout/gadget.h"

struct VG_IMAGE;

class vgsImageButton : public vgsGadget {
 public:
  /// A button showing image imageId of an image set.
  vgsImageButton(VG_ELEMENT* handleOut, uint32_t id, RES_IMAGES images, int32_t imageId, uint32_t flags = 0,
                 const XCHAR* label = nullptr, uint32_t value = 0);
  /// A button showing a host image; altImage (may be null) in its selected state.
  vgsImageButton(VG_ELEMENT* handleOut, uint32_t id, VG_IMAGE* image, VG_IMAGE* altImage = nullptr,
                 uint32_t flags = 0, const XCHAR* label = nullptr, uint32_t value = 0);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  void initImageSizes();

  VG_IMAGE* image_;
  VG_IMAGE* altImage_;
  vgsText label_;
  uint32_t value_;
};

class vgsPaletteButton : public vgsGadget {
 public:
  /// Id value a palette button has unless told otherwise.
  static constexpr uint32_t kDefaultId = 0x40000063;

  /// A colour field (YUV colour) that opens the host palette; flags and
  /// value are the host call's two further values.
  vgsPaletteButton(VG_ELEMENT* handleOut, uint32_t colour, uint32_t id = kDefaultId, uint32_t flags = 0,
                   uint32_t value = 0);

  /// Puts a label left of the button (widens it by the label area).
  void setLabel(const XCHAR* label);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  int16_t labelArea() const;

  uint32_t colour_;
  uint32_t value_;
  vgsText label_;
};
