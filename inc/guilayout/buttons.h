#pragma once
// Text buttons, check boxes and invisible click areas.
#include "guilayout/gadget.h"

class vgsTextButton : public vgsGadget {
 public:
  /// A button captioned text; value is handed to the host with it.
  vgsTextButton(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* text, uint32_t flags = 0, uint32_t value = 0);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  vgsText text_;
  uint32_t value_;
};

class vgsCheckBox : public vgsGadget {
 public:
  /// A check box with an optional label left of the box; checked is its
  /// state (2: ticked and fixed).
  vgsCheckBox(VG_ELEMENT* handleOut, uint32_t id, const XCHAR* label, int32_t checked, uint32_t flags = 0);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  vgsText label_;
  int32_t checked_;
};

class vgsClickGadget : public vgsGadget {
 public:
  /// An invisible area that reports clicks; value is handed to the host.
  explicit vgsClickGadget(VG_ELEMENT* handleOut, uint32_t id = 0, uint32_t value = 0x10000, uint32_t flags = 0);

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  uint32_t value_;
};
