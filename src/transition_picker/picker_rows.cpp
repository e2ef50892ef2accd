#include "picker_rows.h"

#include <algorithm>
#include <string_view>

#include "host/main.h"
#include "host/res.h"
#include "host/vg_elements.h"
#include "ostrel3/project/utf8.h"
#include "ostrel3/shell/log.h"
#include "transition_picker/picker_state.h"

namespace ostrel3 {

namespace {

constexpr uint32_t kTransitionRowFlags = 0x101;
constexpr uint32_t kSeparatorRowFlags = 0x40;
constexpr uint32_t kJingleRowFlags = 0x4020101;

}  // namespace

RowList::RowList() { lstInit(&list_); }

VG_LIST_ENTRY& RowList::make(std::u16string text, uint32_t flags, int32_t type, VG_IMAGE* image) {
  const XCHAR* kept = texts_.emplace_back(std::move(text)).c_str();
  return entries_.emplace_back(VG_LIST_ENTRY{{nullptr, nullptr}, flags, kept, nullptr, 0, type, image});
}

void RowList::link(VG_LIST_ENTRY& row) { lstAdd(&list_, &row.node); }

VG_LIST_ENTRY& MakeTransitionRow(RowList& rows, const char* path) {
  return rows.make(OperatorDisplayName(path), kTransitionRowFlags, kTransitionRow);
}

VG_LIST_ENTRY& MakeSeparatorRow(RowList& rows) { return rows.make(u"", kSeparatorRowFlags, kSeparatorRow); }

VG_LIST_ENTRY& MakeJingleRow(RowList& rows) {
  const TransitionPickerState& s = transitionPicker();
  return rows.make(s.jingleImage, kJingleRowFlags, kJingleRow, resGetImage(s.images, kJingleImageId));
}

std::u16string OperatorDisplayName(const char* path) {
  if (const XCHAR* name = mainGetOperatorName(path, 0)) return name;
  std::string_view own(path);
  if (own.starts_with(kTransitionDirectory)) own.remove_prefix(kTransitionDirectory.size());
  return FromUtf8(own);
}

int32_t PickerList::read(int32_t tag) const {
  intptr_t value = -1;
  if (vgGetElementInfo(root_, list_, tag, &value) != 0) return -1;
  return static_cast<int32_t>(value);
}

void PickerList::change(int32_t tag, intptr_t value, int32_t redraw) const {
  if (vgChangeElement(root_, list_, tag, value, redraw) != 0) OS3_LOG(kLogFailed);
}

int32_t PickerList::selectedRow() const { return read(VG_TAG_LIST_SELECTED); }

int32_t PickerList::selectedType() const { return selectedRow() < 0 ? -1 : read(VG_TAG_ROW_TYPE); }

int32_t PickerList::rowCount() const { return std::max(read(VG_TAG_LIST_COUNT), 0); }

void PickerList::select(int32_t row) const { change(VG_TAG_LIST_SELECT, row); }

void PickerList::removeSelected() const { change(VG_TAG_LIST_REMOVE, 0); }

void PickerList::addAfterSelection(VG_LIST_ENTRY& row) const { change(VG_TAG_LIST_ADD_AFTER, reinterpret_cast<intptr_t>(&row)); }

void PickerList::addAtTop(VG_LIST_ENTRY& row) const { change(VG_TAG_LIST_ADD_TOP, reinterpret_cast<intptr_t>(&row)); }

void PickerList::refresh() const { change(VG_TAG_LIST_REFRESH, 0); }

}  // namespace ostrel3
