#pragma once
// Value elements right of a label: slider, text entry, text and time displays.
#include "guilayout/gadget.h"
#include "host/vg.h"

class vgsSlider : public vgsGadget {
 public:
  /// A slider from minimum to maximum right of a label area labelWidth
  /// pixels wide; textFn (may be null) formats its value.
  vgsSlider(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, int16_t labelWidth, int32_t minimum,
            int32_t maximum, int32_t value, uint32_t flags = 0, VG_SLIDER_TEXT_FN textFn = nullptr);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  vgsText label_;
  int16_t labelWidth_;
  int32_t minimum_, maximum_, value_;
  VG_SLIDER_TEXT_FN textFn_;
};

class vgsStringGadget : public vgsGadget {
 public:
  /// Value of tag 119 unless told otherwise.
  static constexpr intptr_t kDefaultTypeTag = 107;

  /// A one-line text entry holding text (up to maxChars characters) right of
  /// its label (may be null).
  vgsStringGadget(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, const XCHAR* text, int32_t maxChars,
                  uint32_t flags = 0);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  vgsText label_, text_;
  int16_t labelWidth_;
  int32_t maxChars_;
};

class vgsTextGadget : public vgsGadget {
 public:
  /// A read-only text right of its label (may be null).
  vgsTextGadget(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, const XCHAR* text, uint32_t flags = 0);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  vgsText label_, text_;
  int16_t labelWidth_;
};

class vgsTimeGadget : public vgsGadget {
 public:
  /// A read-only time display of a value in fields right of its label (may be null).
  vgsTimeGadget(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, int32_t fields, uint32_t flags = 0);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  vgsText label_;
  int16_t labelWidth_;
  int32_t fields_;
};
