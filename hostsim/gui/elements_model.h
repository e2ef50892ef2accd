#pragma once
// The stand-in GUI's records of panels, elements and requests. Internal to
// hostsim/gui: the Panels object owns one GuiModel and guards it.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/list.h"
#include "host/vg.h"
#include "hostsim/gui/elements.h"

namespace hostsim {

/// A private copy of a caller's image, so that redraws never read memory
/// the caller may have released.
struct OwnedImage {
  int16_t width = 0;
  int16_t height = 0;
  std::vector<uint8_t> pixels;  ///< 4 bytes a pixel, width pixels a line

  static OwnedImage copyOf(const VG_IMAGE* image);
  bool empty() const { return pixels.empty(); }
  /// A header over the copy, valid while the copy lives.
  VG_IMAGE view() const;
};

struct ListRow {
  std::u16string text;
  std::u16string text2;
  int32_t value = 0;
  int32_t type = 0;
  uint32_t flags = 0;
  OwnedImage image;

  static ListRow copyOf(const VG_LIST_ENTRY& entry);
};

struct PanelRec {
  VG_PANEL handle = 0;
  VG_PANEL parent = 0;
  int32_t monitor = 1;
  VG_RECT screen{};
  uint32_t flags[3] = {0, 0, 0};
  std::vector<VG_PANEL> children;
  std::vector<VG_ELEMENT> elements;
  uint32_t parserId = 0;  ///< root panels only
  uint64_t order = 0;     ///< creation order: later root panels are in front
  std::map<int32_t, intptr_t> tags;
};

struct ElementRec {
  VG_ELEMENT handle = 0;
  ElementKind kind = ElementKind::TextButton;
  HostRole role = HostRole::None;
  VG_PANEL panel = 0;
  VG_RECT rect{};
  std::u16string caption;
  std::u16string label;
  int16_t labelWidth = 0;
  std::u16string text;
  int32_t value = 0;
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t maxChars = 0;
  int32_t pageSize = 0;
  int32_t jogStart = 0;  ///< jog slider: the value its cancel returns to
  uint32_t flags = 0;
  uint32_t colour = 0;
  VG_SLIDER_TEXT_FN textFn = nullptr;
  OwnedImage image;
  OwnedImage altImage;
  std::vector<ListRow> rows;
  HOST_LIST* sourceList = nullptr;  ///< re-read only when the caller asks for it
  int32_t firstVisible = 0;
  uint32_t shortcut = 0;
  std::map<int32_t, intptr_t> tags;
  bool active = false;
  bool enabled = true;
  bool beeping = false;

  /// Popups and list views keep rows; their value is the selected row (-1: none).
  bool hasRows() const { return kind == ElementKind::Popup || kind == ElementKind::Listview; }
  /// Text buttons with the select flag light one at a time within their
  /// request, like the keys of a camera switcher.
  bool isSelectButton() const { return kind == ElementKind::TextButton && (flags & kSelectButtonFlag) != 0; }

  static constexpr uint32_t kSelectButtonFlag = 0x20000;
  static constexpr uint32_t kStartsLitFlag = 0x1;  ///< a select button created lit
};

struct RequestRec {
  VG_PANEL root = 0;
  MSG_Q_ID queue = 0;
  uint32_t flags = 0;
  std::u16string title;
  int32_t monitor = 1;
  VG_CORNERS covered{};          ///< frame and contents on the screen
  std::vector<uint32_t> saved;   ///< pixels under `covered` before it was drawn
  VG_ELEMENT confirm = 0;
  VG_ELEMENT cancel = 0;
  uint64_t order = 0;
};

/// A handle as "0x1A2" for log lines.
std::string hexText(uint32_t handle);

/// Texts that follow the value: a slider's value text (from its text
/// function) and a time display's time text.
void updateValueText(ElementRec& e, int32_t framesPerSecond);
/// Scrolls a list view so that its selected row is shown.
void keepSelectionVisible(ElementRec& e, int16_t rowHeight);

struct GuiModel {
  std::map<VG_PANEL, PanelRec> panels;
  std::map<VG_ELEMENT, ElementRec> elements;
  std::map<VG_PANEL, RequestRec> requests;  ///< by root panel
  std::map<const VG_GADEXT*, std::unique_ptr<VG_GADEXT>> gadgetExtensions;
  uint32_t nextHandle = 0x100;
  uint64_t nextOrder = 1;

  /// Panels and elements share one handle space, so that a panel handle
  /// given as an element (or the reverse) is always recognised as wrong.
  uint32_t newHandle() { return nextHandle++; }

  PanelRec* panel(VG_PANEL handle);
  const PanelRec* panel(VG_PANEL handle) const;
  ElementRec* element(VG_ELEMENT handle);
  const ElementRec* element(VG_ELEMENT handle) const;
  /// Topmost ancestor of a panel (itself for a root), 0 for an unknown one.
  VG_PANEL rootOf(VG_PANEL handle) const;
  /// True when `ancestor` is `handle` or one of its parents.
  bool isAncestor(VG_PANEL ancestor, VG_PANEL handle) const;
  /// The request whose root panel holds `panel`, null when none does.
  const RequestRec* requestOf(VG_PANEL panel) const;
  /// Element's rectangle on its monitor's screen.
  VG_RECT screenRect(const ElementRec& e) const;
  /// Lights `e`; a select button puts out the other select buttons under the
  /// same root panel. Returns the elements whose state changed.
  std::vector<ElementRec*> light(ElementRec& e);
  /// Open requests, the frontmost first.
  std::vector<const RequestRec*> requestsFrontFirst() const;
};

}  // namespace hostsim
