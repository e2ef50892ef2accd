#pragma once
// The transition picker's state lives for the whole run: the main object
// prepares it when it is built and the picker releases it first at teardown.
// GUI thread only.
#include <string>
#include <type_traits>

#include "host/list.h"
#include "host/main.h"
#include "host/vreq.h"

namespace ostrel3 {

/// One transition of the list: a node of the host's list library.
struct TransitionEntry {
  HOST_NODE node;     ///< must be first: the list library links entries through it
  char* path;         ///< owned: "transition/" and the operator's name
  int32_t prefsSize;  ///< bytes of prefs; 0: the operator's own defaults
  uint8_t* prefs;     ///< owned settings block, null when none
};
static_assert(std::is_standard_layout_v<TransitionEntry>, "an entry is reached from its list node");

struct TransitionPickerState {
  RES_STRINGS strings = 0;
  RES_IMAGES images = 0;
  MSG_Q_ID queue = 0;
  HOST_LIST list{};  ///< TransitionEntry nodes, in the order they are used
  int32_t transitionsEnabled = 0;  ///< 1: transitions are added at the cuts
  int32_t transitionTime = 0;      ///< length choice
  int32_t transitionOrder = 0;     ///< 0 as listed, 1 shuffled
  int32_t transitionChange = 0;    ///< change choice
  std::string jingleFile;          ///< empty: no jingle
  std::u16string jingleImage;      ///< empty: no jingle
  std::string lastPath;            ///< the operator requester's last choice, empty: none yet
  int32_t pickerOpen = 0;
  int32_t settingsOpen = 0;
  VREQ_REQUEST pickerRequest{};
  VREQ_REQUEST settingsRequest{};
  // While the settings window is open: the operator it shows, the entry
  // whose settings it edits, the host's record of its controls, and
  // whether the user changed a setting.
  OP_HANDLE settingsOperator = 0;
  TransitionEntry* settingsEntry = nullptr;
  MAIN_OP_GADGETS settingsGadgets{};
  int32_t settingsChanged = 0;
};

/// The one picker state of the loaded module.
TransitionPickerState& transitionPicker();

/// Clears the state, opens the picker's own string and image sets and queue,
/// and initialises its list. Results are not checked: a missing resource
/// only disables the picker.
void PrepareTransitionPicker();

/// Removes every entry of the list.
void ClearTransitions();

/// Releases the list, the jingle, any request still open and everything
/// PrepareTransitionPicker acquired.
void ReleaseTransitionPicker();

/// True when both names of a jingle are set.
bool HasJingle(const TransitionPickerState& state);

// ---- the list of entries ---------------------------------------------------

/// A new entry for an operator path, without settings; freed with FreeEntry.
TransitionEntry* NewEntry(const std::string& path);
/// Frees an entry that is not (or no longer) in a list.
void FreeEntry(TransitionEntry* entry);
/// Replaces an entry's settings by a copy of size bytes (none for 0).
void SetEntryPrefs(TransitionEntry& entry, const uint8_t* bytes, int32_t size);

int32_t EntryCount();
/// The entry at a 1-based position; null past the end or below 1.
TransitionEntry* EntryAt(int32_t position);
/// Links entry after `after` (null: at the end of the list).
void InsertEntryAfter(TransitionEntry* after, TransitionEntry* entry);
/// Unlinks an entry of the list and frees it.
void DeleteEntry(TransitionEntry* entry);

}  // namespace ostrel3
