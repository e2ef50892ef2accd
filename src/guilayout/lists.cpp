#include "guilayout/lists.h"

#include "arith.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"

using guilayout::to16;

namespace {

bool isEmpty(const HOST_LIST* list) { return !list || !list->head; }

// The one blank entry shown by a popup whose list is empty. The host keeps
// the list for as long as the popup lives, longer than the component that
// built it, so it lives for the whole process and is never written to.
HOST_LIST* placeholderList() {
  static VG_LIST_ENTRY entry{{nullptr, nullptr}, vgsPopup::kPlaceholderFlags, u"", nullptr, 0, 0, nullptr};
  static HOST_LIST list{&entry.node, &entry.node, 1};
  return &list;
}

}  // namespace

int16_t vgsWidestEntry(const HOST_LIST* entries) {
  int16_t widest = 0;
  for (const HOST_NODE* node = entries ? entries->head : nullptr; node; node = node->next) {
    const auto* entry = reinterpret_cast<const VG_LIST_ENTRY*>(node);
    int32_t width = vgsComponent::gridWidth(vgsComponent::textWidth(entry->text)) + vgsComponent::cellWidth();
    if (entry->text2) width += vgsComponent::gridWidth(vgsComponent::textWidth(entry->text2));
    widest = std::max(widest, to16(width));
  }
  return widest;
}

vgsPopup::vgsPopup(VG_ELEMENT* handleOut, uint32_t id, HOST_LIST* entries, int32_t selected, const XCHAR* label,
                   int16_t labelWidth, uint32_t flags)
    : vgsGadget(handleOut, id, flags),
      entries_(isEmpty(entries) ? placeholderList() : entries),
      selected_(isEmpty(entries) ? 0 : selected),
      label_(label),
      labelWidth_(labelWidth) {
  setTypeTagNumbers(kVgsTagPopup);
  initSizes(to16(cellWidth() + labelWidth_), to16(vgsWidestEntry(entries_) + labelWidth_));
}

VG_ELEMENT vgsPopup::addElement(VG_PANEL panel) {
  return vgAddPopup(panel, to16(geo_.x + labelWidth_), geo_.y, to16(geo_.width - labelWidth_), geo_.height, entries_,
                    selected_, label_.get(), flags_, 0);
}

vgsListview::vgsListview(VG_ELEMENT* handleOut, uint32_t id, HOST_LIST* entries, int32_t selected, int16_t rows,
                         uint32_t flags, bool ownPanel)
    : vgsGadget(handleOut, id, flags), entries_(entries), selected_(selected), wantsOwnPanel_(ownPanel) {
  setTypeTagNumbers(kVgsTagListview);
  const int16_t eightCells = to16(8 * cellWidth() + 7 * cellGap());
  initSizes(cellWidth(), std::max(eightCells, vgsWidestEntry(entries)));
  if (rows > 0) setPreferredSize(geo_.prefWidth, to16(rows * rowHeight() + 4));
  geo_.width = geo_.prefWidth;
  geo_.height = geo_.prefHeight;
}

int16_t vgsListview::rowHeight() {
  const bool highDefinition = vgGetVideoMode() == 1 || vgGetDefaultMonitor() == 1 || vgGetDVIMode() == 1;
  return to16(vgGetFontHeight() + 2 * vgConvertHeight(highDefinition ? 4 : 2));
}

int16_t vgsListview::wholeRowsHeight(int16_t height, int16_t rowHeight) {
  if (rowHeight <= 0) return 0;
  int32_t rows = (height - 4) / rowHeight;
  if (rows % 2 == 0) --rows;
  // Not even one row fits: an element of no or negative height would be absurd.
  if (rows < 1) return 0;
  return to16(rows * rowHeight + 4);
}

bool vgsListview::fits() const { return vgsGadget::fits() && wholeRowsHeight(geo_.height, rowHeight()) > 0; }

VG_ELEMENT vgsListview::addElement(VG_PANEL panel) {
  geo_.height = wholeRowsHeight(geo_.height, rowHeight());
  if (!wantsOwnPanel_) {
    return vgAddListview(panel, geo_.x, geo_.y, geo_.width, geo_.height, entries_, selected_, flags_, 0);
  }
  ownPanelHandle_ = vgCreatePanel(panel, geo_.x, geo_.y, geo_.width, geo_.height, 512, 0, 0);
  if (!ownPanelHandle_) {
    OS3_LOG(ostrel3::kLogFailed);
    return 0;
  }
  return vgAddListview(ownPanelHandle_, 0, 0, geo_.width, geo_.height, entries_, selected_, flags_, 0);
}

VG_PANEL vgsListview::elementPanel(VG_PANEL panel) const { return ownPanelHandle_ ? ownPanelHandle_ : panel; }
