#pragma once
// What the stand-in GUI knows about an element or a request, as tests and
// the session-script interpreter see it: plain copies, safe to keep.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/host_types.h"

namespace hostsim {

/// The kinds of element the GUI library creates.
enum class ElementKind {
  TextButton,
  CheckBox,
  ClickGadget,
  ImageButton,
  PaletteButton,
  Slider,
  StringGadget,
  TextGadget,
  TimeGadget,
  Popup,
  Listview,
  VirtualSlider,
};

/// Name of a kind for logs ("text button", "check box" ...).
const char* elementKindName(ElementKind kind);

/// The host's own elements of a request frame.
enum class HostRole { None, Confirm, Cancel };

/// One row of a popup or list view.
struct ListRowView {
  std::u16string text;
  std::u16string text2;
  int32_t value = 0;
  int32_t type = 0;
  uint32_t flags = 0;
};

/// A copy of one element's state.
struct ElementView {
  VG_ELEMENT handle = 0;
  ElementKind kind = ElementKind::TextButton;
  HostRole role = HostRole::None;
  VG_PANEL panel = 0;
  VG_PANEL root = 0;       ///< root panel of the element's panel tree
  int32_t monitor = 1;
  VG_RECT rect{};          ///< relative to its panel
  VG_RECT screenRect{};    ///< on the monitor's screen
  std::u16string caption;  ///< button caption
  std::u16string label;    ///< label left of the element
  std::u16string text;     ///< text of string, text and time gadgets as shown
  int32_t value = 0;       ///< check state, slider value, selected row, fields, colour ...
  int32_t minimum = 0;
  int32_t maximum = 0;
  bool active = false;     ///< lit or pressed
  bool enabled = true;
  bool beeping = false;
  uint32_t shortcut = 0;   ///< tag 57
  std::map<int32_t, intptr_t> tags;  ///< every tag set with vgChangeElement
  std::vector<ListRowView> rows;     ///< popup entries or list rows
};

/// A copy of one open request.
struct RequestView {
  VG_PANEL root = 0;
  MSG_Q_ID queue = 0;
  uint32_t flags = 0;
  std::u16string title;
  VG_ELEMENT confirm = 0;
  VG_ELEMENT cancel = 0;
  int32_t monitor = 1;
  VG_RECT panelRect{};  ///< the root panel on the screen
  VG_RECT frameRect{};  ///< everything the request covers
  uint32_t parserId = 0;  ///< input context of the root panel (0: none set)
};

/// A copy of a root panel that no request owns.
struct RootPanelView {
  VG_PANEL handle = 0;
  int32_t monitor = 1;
  VG_RECT rect{};         ///< on the screen
  uint32_t parserId = 0;  ///< input context (0: none set)
  uint64_t order = 0;     ///< later panels are in front
};

}  // namespace hostsim
