#pragma once
// Elements over a host list of VG_LIST_ENTRY nodes: popups and list views.
// The caller owns the list and keeps it alive as long as the element.
#include "guilayout/gadget.h"
#include "host/list.h"

class vgsPopup : public vgsGadget {
 public:
  /// Flags of the entry that stands in for an empty list.
  static constexpr uint32_t kPlaceholderFlags = 513;

  /// A popup choosing one of entries, right of a label area labelWidth
  /// pixels wide. An empty list is shown as one blank entry, selected.
  vgsPopup(VG_ELEMENT* handleOut, uint32_t id, HOST_LIST* entries, int32_t selected, const XCHAR* label,
           int16_t labelWidth, uint32_t flags = 0);

  /// The list the popup shows (the blank stand-in for an empty one).
  HOST_LIST* entries() const { return entries_; }

 protected:
  VG_ELEMENT addElement(VG_PANEL panel) override;

 private:
  HOST_LIST* entries_;
  int32_t selected_;
  vgsText label_;
  int16_t labelWidth_;
};

class vgsListview : public vgsGadget {
 public:
  /// A list of entries showing about `rows` rows (0: one text line high).
  /// With ownPanel the list sits in a panel of its own.
  vgsListview(VG_ELEMENT* handleOut, uint32_t id, HOST_LIST* entries, int32_t selected, int16_t rows,
              uint32_t flags = 0, bool ownPanel = false);

  /// Height of one row: font height and twice 4 units on high-definition
  /// outputs, twice 2 units otherwise.
  static int16_t rowHeight();
  /// A height cut to an odd number of whole rows (plus 4); 0 when not one row fits.
  static int16_t wholeRowsHeight(int16_t height, int16_t rowHeight);

  /// The list's own panel, when it asked for one and create made it.
  VG_PANEL ownPanel() const { return ownPanelHandle_; }

 protected:
  bool fits() const override;
  VG_ELEMENT addElement(VG_PANEL panel) override;
  VG_PANEL elementPanel(VG_PANEL panel) const override;

 private:
  HOST_LIST* entries_;
  int32_t selected_;
  bool wantsOwnPanel_;
  VG_PANEL ownPanelHandle_ = 0;
};

/// Preferred width of the widest entry: its text (and second text) in
/// cells, plus one cell.
int16_t vgsWidestEntry(const HOST_LIST* entries);
