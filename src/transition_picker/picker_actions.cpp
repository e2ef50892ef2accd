// The list view's rows always mirror the list: transition rows first and in
// list order, then the separator, then the jingle row. Settings and Delete
// find an entry by its row, so every change keeps the two in step.
#include "picker_actions.h"

#include <string>
#include <vector>

#include "host/main.h"
#include "host/tx.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/refresh_pause.h"
#include "picker_rows.h"
#include "picker_windows.h"
#include "transition_picker/picker_state.h"
#include "transition_picker/transition_tables.h"

namespace ostrel3 {

namespace {

constexpr int32_t kRefusedTextStart = 660;
constexpr int32_t kRefusedTextEnd = 662;
constexpr int32_t kJingleRequestKind = 1;
constexpr int32_t kNameCapacity = 999;

std::string transitionPath(const std::string& name) { return std::string(kTransitionDirectory) + name; }

// Tells the user why an add-on operator was left out.
void reportRefused(const std::string& name) {
  const std::u16string text = PickerString(kRefusedTextStart) +
                              OperatorDisplayName(transitionPath(name).c_str()) + PickerString(kRefusedTextEnd);
  VREQ_TEXT request{};
  request.text = text.c_str();
  request.flags = 1;
  if (vreqTextRequest(&request) != 0) OS3_LOG(kLogFailed);
}

// The operator requester's choice, copied: the host's array lasts only until its next call.
std::vector<std::string> askOperators() {
  const TransitionPickerState& s = transitionPicker();
  const char* const* names = nullptr;
  const int32_t count =
      mainSelectOperatorRequesterMulti(&names, 0, s.lastPath.empty() ? nullptr : s.lastPath.c_str(), 0);
  if (count < 0) OS3_LOG(kLogFailed);
  std::vector<std::string> chosen;
  for (int32_t i = 0; names && i < count && names[i]; ++i) chosen.emplace_back(names[i]);
  return chosen;
}

// The host's jingle requester, freed on every way out.
class JingleRequest {
 public:
  JingleRequest() : request_(txAllocRequest(kJingleRequestKind)) {
    if (!request_) OS3_LOG(kLogFailed);
  }
  ~JingleRequest() {
    if (request_) txFreeRequest(request_);
  }
  JingleRequest(const JingleRequest&) = delete;
  JingleRequest& operator=(const JingleRequest&) = delete;

  /// Shows the requester; true when the user chose a jingle with both names.
  bool ask(std::string& file, std::u16string& image) const {
    if (!request_) return false;
    if (txRequest(request_, 0) != 0) {
      OS3_LOG(kLogFailed);
      return false;
    }
    if (txGetStatus(request_) != 1) return false;  // the user cancelled
    char fileName[kNameCapacity + 1] = {};
    XCHAR imageName[kNameCapacity + 1] = {};
    if (txGetFileName(request_, fileName, kNameCapacity) != 0 ||
        txGetImageName(request_, imageName, kNameCapacity) != 0) {
      OS3_LOG(kLogFailed);
      return false;
    }
    file = fileName;
    image = imageName;
    if (file.empty() || image.empty()) {
      OS3_LOG(kLogFailed);
      return false;
    }
    return true;
  }

 private:
  TX_REQUEST request_;
};

}  // namespace

void FillRows(const PickerView& view) {
  for (HOST_NODE* node = lstFirst(&transitionPicker().list); node; node = lstNext(node))
    view.rows->link(MakeTransitionRow(*view.rows, reinterpret_cast<TransitionEntry*>(node)->path));
  view.rows->link(MakeSeparatorRow(*view.rows));
  if (HasJingle(transitionPicker())) view.rows->link(MakeJingleRow(*view.rows));
}

void AddTransitions(const PickerView& view) {
  const PickerList list(view.root, view.list);
  const int32_t selected = list.selectedRow();
  const int32_t entries = EntryCount();
  const bool onTransition = selected >= 0 && selected < entries && list.selectedType() == kTransitionRow;
  // Without a transition row selected the new ones go to the end of the
  // list, after the last transition row: list and rows stay in one order.
  TransitionEntry* after = onTransition ? EntryAt(selected + 1) : nullptr;
  int32_t row = onTransition ? selected : entries - 1;
  const std::vector<std::string> names = askOperators();
  if (!onTransition && row >= 0 && !names.empty()) list.select(row);
  for (const std::string& name : names) {
    if (IsRefusedAddOn(name)) {
      reportRefused(name);
      continue;
    }
    transitionPicker().lastPath = name;
    TransitionEntry* entry = NewEntry(transitionPath(name));
    InsertEntryAfter(after, entry);
    after = entry;
    VG_LIST_ENTRY& newRow = MakeTransitionRow(*view.rows, entry->path);
    if (row < 0) list.addAtTop(newRow);
    else list.addAfterSelection(newRow);
    list.select(++row);
  }
}

void EditSelectedSettings(const PickerView& view) {
  if (transitionPicker().settingsOpen) {
    RefuseAction();
    return;
  }
  TransitionEntry* entry = EntryAt(PickerList(view.root, view.list).selectedRow() + 1);
  if (!entry) {
    RefuseAction();
    return;
  }
  OpenSettingsWindow(*entry);
}

void ChooseJingle(const PickerView& view) {
  std::string file;
  std::u16string image;
  if (!JingleRequest().ask(file, image)) return;
  TransitionPickerState& s = transitionPicker();
  s.jingleFile = std::move(file);
  s.jingleImage = std::move(image);
  const PickerList list(view.root, view.list);
  const RefreshPause pause;
  list.select(list.rowCount() - 1);
  if (list.selectedType() == kJingleRow) list.removeSelected();
  list.select(list.rowCount() - 1);
  list.addAfterSelection(MakeJingleRow(*view.rows));
  list.select(list.rowCount() - 1);
}

void DeleteSelected(const PickerView& view) {
  TransitionPickerState& s = transitionPicker();
  const PickerList list(view.root, view.list);
  const int32_t selected = list.selectedRow();
  const int32_t type = list.selectedType();
  if (selected >= 0 && type == kJingleRow) {
    list.removeSelected();
    s.jingleFile.clear();
    s.jingleImage.clear();
    return;
  }
  TransitionEntry* entry = type == kTransitionRow ? EntryAt(selected + 1) : nullptr;
  // The entry whose settings window is open stays until that window closes.
  if (!entry || entry == s.settingsEntry) {
    RefuseAction();
    return;
  }
  list.removeSelected();
  DeleteEntry(entry);
}

}  // namespace ostrel3
