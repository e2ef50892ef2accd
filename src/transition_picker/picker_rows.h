#pragma once
// The rows of the selection request's list view: one per transition, the
// separator, and the jingle row when a jingle is set. Transition rows come
// first and in list order, so a row's position names its entry.
#include <deque>
#include <string>
#include <string_view>

#include "host/list.h"

namespace ostrel3 {

/// Operators that can serve as transitions live under this folder of the
/// operator directory; rows show their names without it.
inline constexpr std::string_view kTransitionDirectory = "transition/";

/// Row types of the list view.
enum PickerRowType : int32_t { kTransitionRow = 0, kJingleRow = 1, kSeparatorRow = 2 };

/// Image of the jingle row in the operator's image set.
inline constexpr int32_t kJingleImageId = 118;

/// List entries the host reads while the request is open: those linked
/// into the list view's list and those handed to it one at a time.
class RowList {
 public:
  RowList();
  RowList(const RowList&) = delete;
  RowList& operator=(const RowList&) = delete;

  /// A row kept alive with the list, not linked into it.
  VG_LIST_ENTRY& make(std::u16string text, uint32_t flags, int32_t type, VG_IMAGE* image = nullptr);
  /// Appends a row made here to the list.
  void link(VG_LIST_ENTRY& row);
  HOST_LIST* list() { return &list_; }

 private:
  HOST_LIST list_{};
  std::deque<VG_LIST_ENTRY> entries_;
  std::deque<std::u16string> texts_;
};

/// The rows of a transition, of the separator and of a jingle.
VG_LIST_ENTRY& MakeTransitionRow(RowList& rows, const char* path);
VG_LIST_ENTRY& MakeSeparatorRow(RowList& rows);
VG_LIST_ENTRY& MakeJingleRow(RowList& rows);

/// What the host calls the operator at path; its own name when the host
/// does not know it (it may be installed later).
std::u16string OperatorDisplayName(const char* path);

/// The list view of an open request, as the picker uses it. A refused call
/// is logged; readings that fail report no row (-1).
class PickerList {
 public:
  PickerList(VG_PANEL root, VG_ELEMENT list) : root_(root), list_(list) {}

  int32_t selectedRow() const;
  /// Type of the selected row; -1 without a selection.
  int32_t selectedType() const;
  int32_t rowCount() const;
  void select(int32_t row) const;
  void removeSelected() const;
  void addAfterSelection(VG_LIST_ENTRY& row) const;
  void addAtTop(VG_LIST_ENTRY& row) const;
  void refresh() const;

 private:
  int32_t read(int32_t tag) const;
  void change(int32_t tag, intptr_t value, int32_t redraw = 1) const;

  VG_PANEL root_;
  VG_ELEMENT list_;
};

}  // namespace ostrel3
