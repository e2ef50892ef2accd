#pragma once
/// Host GUI elements (gadgets). Calling thread only.
/// Every vgAdd... call creates one element at x, y (relative to the panel)
/// of width x height and returns its handle, 0 on failure. A panel's
/// elements post HOST_MSG_ELEMENT messages to the queue of their request.
#include "host/host_types.h"

struct VG_IMAGE;
struct VG_GADEXT;
struct HOST_LIST;

/// Element attribute tags of vgChangeElement and vgGetElementInfo.
enum : int32_t {
  VG_TAG_COLOUR = 5,        ///< palette button colour
  VG_TAG_LIST_SELECTED = 12,///< list view: selected row (0-based)
  VG_TAG_ROW_TYPE = 16,     ///< list view: type of the selected row (never its value)
  VG_TAG_LIST_SELECT = 17,  ///< list view: select a row
  VG_TAG_LIST_REMOVE = 19,  ///< list view: remove the selected row
  VG_TAG_LIST_COUNT = 20,   ///< list view: number of rows
  VG_TAG_LIST_REFRESH = 21, ///< list view: redraw from its entries
  VG_TAG_LIST_ADD_TOP = 23, ///< list view: add an entry at the top
  VG_TAG_LIST_ADD_AFTER = 24,///< list view: add an entry after the selection
  VG_TAG_POPUP_SELECT = 27, ///< popup: selected entry
  VG_TAG_POPUP_VALUE = 35,  ///< popup or list view: value of the selected entry
  VG_TAG_SLIDER_MAX = 39,   ///< slider: maximum
  VG_TAG_SLIDER_VALUE = 40, ///< slider: value
  VG_TAG_TEXT = 42,         ///< string or text gadget: its text
  VG_TAG_TEXT_ALT = 43,     ///< text gadget: text, alternative form
  VG_TAG_TIME = 44,         ///< time gadget or clip slider: value in fields
  VG_TAG_CAPTION = 51,      ///< button: caption text
  VG_TAG_ID = 57,           ///< shortcut code (low 16 bits the key, high bits flags)
  VG_TAG_CHECKED = 60,      ///< check box: state
  VG_TAG_PANEL_MODE_A = 64, ///< panel: pointer-move mode on
  VG_TAG_PANEL_MODE_B = 65, ///< panel: virtual pointer on
};

extern "C" {

VG_ELEMENT vgAddTextButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                           const XCHAR* text, uint32_t flags, uint32_t value);
/// A check box; `label` may be null. ext: a zeroed gadget extension record.
VG_ELEMENT vgAddCheckBox(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                         const XCHAR* label, uint32_t flags, int32_t checked, VG_GADEXT* ext);
/// An invisible click area; value default 0x10000.
VG_ELEMENT vgAddClickGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                            uint32_t value, uint32_t flags);
/// An image button; `altImage` (may be null) is shown in the selected state;
/// `label` (may be null) is drawn left of the button within the width.
VG_ELEMENT vgAddImageButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                            VG_IMAGE* image, VG_IMAGE* altImage, const XCHAR* label, uint32_t flags,
                            uint32_t value);
/// A colour field that opens the host palette.
VG_ELEMENT vgAddPaletteButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                              int32_t reserved, uint32_t colour, uint32_t value1, uint32_t value2);
/// A slider right of a label area labelWidth pixels wide; textFn (may be null)
/// formats its value.
VG_ELEMENT vgAddSlider(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                       const XCHAR* label, int16_t labelWidth, int32_t minimum, int32_t maximum,
                       int32_t value, uint32_t flags, VG_SLIDER_TEXT_FN textFn);
/// A one-line text entry right of its label.
VG_ELEMENT vgAddStringGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                             const XCHAR* label, int16_t labelWidth, const XCHAR* text,
                             int32_t maxChars, uint32_t flags);
/// A read-only text right of its label.
VG_ELEMENT vgAddTextGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                           const XCHAR* label, int16_t labelWidth, const XCHAR* text, uint32_t flags);
/// A read-only time display (value in fields) right of its label.
VG_ELEMENT vgAddTimeGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                           const XCHAR* label, int16_t labelWidth, int32_t fields, uint32_t flags);
/// A popup choosing one of the entries of a list of VG_LIST_ENTRY nodes.
VG_ELEMENT vgAddPopup(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                      HOST_LIST* entries, int32_t selected, const XCHAR* label, uint32_t flags,
                      int32_t reserved);
/// A scrolling list of VG_LIST_ENTRY nodes.
VG_ELEMENT vgAddListview(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height,
                         HOST_LIST* entries, int32_t selected, uint32_t flags, int32_t reserved);

/// Changes an attribute of an element; value is a number or, for text tags,
/// the address of a wide text (copied by the host). redraw: draw at once. 0 or -1.
int32_t vgChangeElement(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t value, int32_t redraw);
/// Reads an attribute of an element into *value. 0 or -1.
int32_t vgGetElementInfo(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t* value);

/// Element states. Each 0 or -1.
int32_t vgActivateElement(VG_PANEL panel, VG_ELEMENT element);
int32_t vgInactivateElement(VG_PANEL panel, VG_ELEMENT element);
int32_t vgEnableElement(VG_PANEL panel, VG_ELEMENT element);
int32_t vgDisableElement(VG_PANEL panel, VG_ELEMENT element);
/// An element in the beep state beeps instead of acting until vgUnBeepElement.
int32_t vgBeepElement(VG_PANEL panel, VG_ELEMENT element);
int32_t vgUnBeepElement(VG_PANEL panel, VG_ELEMENT element);

}
