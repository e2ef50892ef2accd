// Host functions that create and change elements: thin shims onto Panels.
#include "host/host.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/panels.h"

using hostsim::ElementKind;
using hostsim::ElementSpec;
using hostsim::ElementState;
using hostsim::Host;
using hostsim::hostCall;
using hostsim::out;

namespace {

ElementSpec specOf(ElementKind kind, int16_t x, int16_t y, int16_t width, int16_t height) {
  ElementSpec s;
  s.kind = kind;
  s.rect = VG_RECT{x, y, width, height};
  return s;
}

VG_ELEMENT add(Host& h, VG_PANEL panel, const ElementSpec& wanted) { return h.panels().addElement(panel, wanted); }

int32_t state(const char* name, VG_PANEL panel, VG_ELEMENT element, ElementState s) {
  return hostCall(name, int32_t(-1), [&](Host& h) { return h.panels().setState(panel, element, s); }, panel, element);
}

}  // namespace

extern "C" {

VG_ELEMENT vgAddTextButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* text,
                           uint32_t flags, uint32_t value) {
  return hostCall(
      "vgAddTextButton", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::TextButton, x, y, width, height);
        s.caption = text;
        s.flags = flags;
        s.value = static_cast<int32_t>(value);
        return add(h, panel, s);
      },
      panel, x, y, width, height, text, flags, value);
}

VG_ELEMENT vgAddCheckBox(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label,
                         uint32_t flags, int32_t checked, VG_GADEXT* ext) {
  return hostCall(
      "vgAddCheckBox", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::CheckBox, x, y, width, height);
        s.label = label;
        s.flags = flags;
        s.value = checked;
        return add(h, panel, s);
      },
      panel, x, y, width, height, label, flags, checked, ext);
}

VG_ELEMENT vgAddClickGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, uint32_t value,
                            uint32_t flags) {
  return hostCall(
      "vgAddClickGadget", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::ClickGadget, x, y, width, height);
        s.flags = flags;
        s.value = static_cast<int32_t>(value);
        return add(h, panel, s);
      },
      panel, x, y, width, height, value, flags);
}

VG_ELEMENT vgAddImageButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, VG_IMAGE* image,
                            VG_IMAGE* altImage, const XCHAR* label, uint32_t flags, uint32_t value) {
  return hostCall(
      "vgAddImageButton", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::ImageButton, x, y, width, height);
        s.image = image;
        s.altImage = altImage;
        s.label = label;
        s.flags = flags;
        s.value = static_cast<int32_t>(value);
        return add(h, panel, s);
      },
      panel, x, y, width, height, image, altImage, label, flags, value);
}

VG_ELEMENT vgAddPaletteButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, int32_t reserved,
                              uint32_t colour, uint32_t value1, uint32_t value2) {
  return hostCall(
      "vgAddPaletteButton", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::PaletteButton, x, y, width, height);
        s.colour = colour;
        s.flags = value1;
        return add(h, panel, s);
      },
      panel, x, y, width, height, reserved, colour, value1, value2);
}

VG_ELEMENT vgAddSlider(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label,
                       int16_t labelWidth, int32_t minimum, int32_t maximum, int32_t value, uint32_t flags,
                       VG_SLIDER_TEXT_FN textFn) {
  return hostCall(
      "vgAddSlider", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::Slider, x, y, width, height);
        s.label = label;
        s.labelWidth = labelWidth;
        s.minimum = minimum;
        s.maximum = maximum;
        s.value = value;
        s.flags = flags;
        s.textFn = textFn;
        return add(h, panel, s);
      },
      panel, x, y, width, height, label, labelWidth, minimum, maximum, value, flags, textFn);
}

VG_ELEMENT vgAddStringGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label,
                             int16_t labelWidth, const XCHAR* text, int32_t maxChars, uint32_t flags) {
  return hostCall(
      "vgAddStringGadget", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::StringGadget, x, y, width, height);
        s.label = label;
        s.labelWidth = labelWidth;
        s.text = text;
        s.maxChars = maxChars;
        s.flags = flags;
        return add(h, panel, s);
      },
      panel, x, y, width, height, label, labelWidth, text, maxChars, flags);
}

VG_ELEMENT vgAddTextGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label,
                           int16_t labelWidth, const XCHAR* text, uint32_t flags) {
  return hostCall(
      "vgAddTextGadget", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::TextGadget, x, y, width, height);
        s.label = label;
        s.labelWidth = labelWidth;
        s.text = text;
        s.flags = flags;
        return add(h, panel, s);
      },
      panel, x, y, width, height, label, labelWidth, text, flags);
}

VG_ELEMENT vgAddTimeGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label,
                           int16_t labelWidth, int32_t fields, uint32_t flags) {
  return hostCall(
      "vgAddTimeGadget", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::TimeGadget, x, y, width, height);
        s.label = label;
        s.labelWidth = labelWidth;
        s.value = fields;
        s.flags = flags;
        return add(h, panel, s);
      },
      panel, x, y, width, height, label, labelWidth, fields, flags);
}

VG_ELEMENT vgAddPopup(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, HOST_LIST* entries,
                      int32_t selected, const XCHAR* label, uint32_t flags, int32_t reserved) {
  return hostCall(
      "vgAddPopup", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::Popup, x, y, width, height);
        s.entries = entries;
        s.value = selected;
        s.label = label;
        s.flags = flags;
        return add(h, panel, s);
      },
      panel, x, y, width, height, entries, selected, label, flags, reserved);
}

VG_ELEMENT vgAddListview(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, HOST_LIST* entries,
                         int32_t selected, uint32_t flags, int32_t reserved) {
  return hostCall(
      "vgAddListview", VG_ELEMENT(0),
      [&](Host& h) {
        ElementSpec s = specOf(ElementKind::Listview, x, y, width, height);
        s.entries = entries;
        s.value = selected;
        s.flags = flags;
        return add(h, panel, s);
      },
      panel, x, y, width, height, entries, selected, flags, reserved);
}

int32_t vgChangeElement(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t value, int32_t redraw) {
  return hostCall(
      "vgChangeElement", int32_t(-1), [&](Host& h) { return h.panels().changeElement(panel, element, tag, value); },
      panel, element, tag, value, redraw);
}

int32_t vgGetElementInfo(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t* value) {
  return hostCall(
      "vgGetElementInfo", int32_t(-1), [&](Host& h) { return h.panels().elementInfo(panel, element, tag, value); },
      panel, element, tag, out(value));
}

int32_t vgActivateElement(VG_PANEL panel, VG_ELEMENT element) {
  return state("vgActivateElement", panel, element, ElementState::Activate);
}

int32_t vgInactivateElement(VG_PANEL panel, VG_ELEMENT element) {
  return state("vgInactivateElement", panel, element, ElementState::Inactivate);
}

int32_t vgEnableElement(VG_PANEL panel, VG_ELEMENT element) {
  return state("vgEnableElement", panel, element, ElementState::Enable);
}

int32_t vgDisableElement(VG_PANEL panel, VG_ELEMENT element) {
  return state("vgDisableElement", panel, element, ElementState::Disable);
}

int32_t vgBeepElement(VG_PANEL panel, VG_ELEMENT element) {
  return state("vgBeepElement", panel, element, ElementState::Beep);
}

int32_t vgUnBeepElement(VG_PANEL panel, VG_ELEMENT element) {
  return state("vgUnBeepElement", panel, element, ElementState::UnBeep);
}

}
