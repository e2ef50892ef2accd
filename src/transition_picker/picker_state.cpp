#include "transition_picker/picker_state.h"

#include <cstring>
#include <vector>

#include "host/msgq.h"
#include "host/res.h"
#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "picker_windows.h"

namespace ostrel3 {

TransitionPickerState& transitionPicker() {
  static TransitionPickerState state;
  return state;
}

void PrepareTransitionPicker() {
  TransitionPickerState& s = transitionPicker();
  // What an earlier run left (it was never released) is given back, not lost.
  if (s.strings || s.images || s.queue || s.list.head) ReleaseTransitionPicker();
  s = TransitionPickerState{};
  s.strings = resLoadStrings("ostrel3");
  if (!s.strings) OS3_LOG(kLogFailed);
  s.images = resLoadImages("ostrel3");
  if (!s.images) OS3_LOG(kLogFailed);
  s.queue = msgQCreate(100, 44, 0);
  if (!s.queue) OS3_LOG(kLogFailed);
  lstInit(&s.list);
}

void ClearTransitions() {
  // An open settings window edits one of the entries: it closes before they go.
  CloseSettingsWindow(false);
  HOST_LIST& list = transitionPicker().list;
  std::vector<TransitionEntry*> entries;
  for (HOST_NODE* node = lstFirst(&list); node; node = lstNext(node))
    entries.push_back(reinterpret_cast<TransitionEntry*>(node));
  // Emptied as a whole before the nodes go, so the list never holds a freed node.
  lstInit(&list);
  for (TransitionEntry* entry : entries) FreeEntry(entry);
}

void ReleaseTransitionPicker() {
  TransitionPickerState& s = transitionPicker();
  // A settings window still open refers to an entry: it goes first.
  CloseOpenPickerWindows();
  ClearTransitions();
  if (s.queue) msgQDelete(s.queue);
  if (s.images) resFreeImages(s.images);
  if (s.strings) resFreeStrings(s.strings);
  s = TransitionPickerState{};
}

bool HasJingle(const TransitionPickerState& state) { return !state.jingleFile.empty() && !state.jingleImage.empty(); }

TransitionEntry* NewEntry(const std::string& path) {
  auto* entry = new TransitionEntry{};
  entry->path = new char[path.size() + 1];
  std::memcpy(entry->path, path.c_str(), path.size() + 1);
  return entry;
}

void FreeEntry(TransitionEntry* entry) {
  if (!entry) return;
  delete[] entry->path;
  delete[] entry->prefs;
  delete entry;
}

void SetEntryPrefs(TransitionEntry& entry, const uint8_t* bytes, int32_t size) {
  delete[] entry.prefs;
  entry.prefs = nullptr;
  entry.prefsSize = 0;
  if (size <= 0 || !bytes) return;
  entry.prefs = new uint8_t[static_cast<size_t>(size)];
  std::memcpy(entry.prefs, bytes, static_cast<size_t>(size));
  entry.prefsSize = size;
}

int32_t EntryCount() {
  const int32_t count = lstCount(&transitionPicker().list);
  return count < 0 ? 0 : count;
}

TransitionEntry* EntryAt(int32_t position) {
  if (position < 1) return nullptr;
  return reinterpret_cast<TransitionEntry*>(lstNth(&transitionPicker().list, position));
}

void InsertEntryAfter(TransitionEntry* after, TransitionEntry* entry) {
  HOST_LIST& list = transitionPicker().list;
  if (after) lstInsert(&list, &after->node, &entry->node);
  else lstAdd(&list, &entry->node);
}

void DeleteEntry(TransitionEntry* entry) {
  if (!entry) return;
  lstDelete(&transitionPicker().list, &entry->node);
  FreeEntry(entry);
}

}  // namespace ostrel3
