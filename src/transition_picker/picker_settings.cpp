// The settings window of one transition. The operator stays loaded while the
// window is open; the entry it edits cannot be deleted meanwhile, and every
// way the window closes unloads the operator exactly once.
#include <vector>

#include "host/main.h"
#include "host/op.h"
#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "picker_windows.h"
#include "transition_picker/picker_geometry.h"

namespace ostrel3 {

namespace {

constexpr int32_t kSettingsTitle = 606;

SettingsGeometry settingsGeometry() {
  SettingsMetrics m;
  m.cellWidth = vgConvertGadgetWidth(32);
  m.width2 = vgConvertWidth(2);
  m.width4 = vgConvertWidth(4);
  m.width6 = vgConvertWidth(6);
  m.addHeight = vgGetAddHeight();
  m.fontHeight = vgGetFontHeight();
  return ComputeSettingsGeometry(m);
}

// The operator with the entry's settings; 0 (logged) when it cannot be loaded.
OP_HANDLE loadWithSettings(const TransitionEntry& entry) {
  const OP_HANDLE op = mainLoadOperator(entry.path, 0);
  if (!op) {
    OS3_LOG(kLogFailed);
    return 0;
  }
  // Settings the operator refuses (another version wrote them) leave its defaults.
  if (entry.prefsSize > 0 && entry.prefs && opSetPrefs(op, entry.prefs, static_cast<uint32_t>(entry.prefsSize)) != 0)
    OS3_LOG(kLogFailed);
  return op;
}

void forgetSettingsWindow(TransitionPickerState& s) {
  s.settingsOpen = 0;
  s.settingsOperator = 0;
  s.settingsEntry = nullptr;
  s.settingsGadgets = MAIN_OP_GADGETS{};
  s.settingsChanged = 0;
  s.settingsRequest = VREQ_REQUEST{};
}

void deleteSettingsRequest(TransitionPickerState& s) {
  if (vreqDeleteRequest(&s.settingsRequest) != 0) OS3_LOG(kLogFailed);
}

// The operator's current settings into the entry; a failed read keeps the old ones.
void takeSettings(OP_HANDLE op, TransitionEntry& entry) {
  const uint32_t size = opGetPrefsSize(op);
  if (size == 0 || size > static_cast<uint32_t>(INT32_MAX)) {
    SetEntryPrefs(entry, nullptr, 0);
    return;
  }
  std::vector<uint8_t> block(size);
  if (opGetPrefs(op, block.data(), size) == -1) {
    OS3_LOG(kLogFailed);
    return;
  }
  SetEntryPrefs(entry, block.data(), static_cast<int32_t>(size));
}

}  // namespace

const XCHAR* PickerText(int32_t id) {
  const RES_STRINGS strings = transitionPicker().strings;
  return strings ? resGetString(strings, id) : nullptr;
}

std::u16string PickerString(int32_t id) {
  const XCHAR* text = PickerText(id);
  return text ? text : u"";
}

void RefuseAction() {
  OS3_LOG(kLogRefused);
  vgPointerBeep();
}

void OpenSettingsWindow(TransitionEntry& entry) {
  TransitionPickerState& s = transitionPicker();
  if (s.settingsOpen) {
    RefuseAction();
    return;
  }
  const OP_HANDLE op = loadWithSettings(entry);
  if (!op) return;
  const SettingsGeometry g = settingsGeometry();
  s.settingsRequest = VREQ_REQUEST{};
  s.settingsRequest.width = g.width;
  s.settingsRequest.height = g.height;
  s.settingsRequest.flags = VREQ_FLAGS_WINDOW_OK_CANCEL;
  s.settingsRequest.queue = s.queue;
  s.settingsRequest.title = PickerText(kSettingsTitle);
  if (vreqCreateRequest(&s.settingsRequest) != 0) {
    OS3_LOG(kLogFailed);
    s.settingsRequest = VREQ_REQUEST{};
    mainUnloadOperator(op);
    return;
  }
  s.settingsOpen = 1;
  s.settingsOperator = op;
  s.settingsEntry = &entry;
  s.settingsChanged = 0;
  const VG_PANEL window = s.settingsRequest.panel;
  if (vgDrawBoxNew(window, 0, 0, g.width - 1, g.height - 1, kBoxStyle, kBoxFill, 0, 0) != 0) OS3_LOG(kLogFailed);
  if (mainBuildOpGui(window, g.guiX, g.guiY, g.guiWidth, g.guiHeight, op, &s.settingsGadgets) != 0) {
    // A window without the operator's controls has nothing to offer.
    OS3_LOG(kLogFailed);
    deleteSettingsRequest(s);
    forgetSettingsWindow(s);
    mainUnloadOperator(op);
  }
}

void CloseSettingsWindow(bool keepChanges) {
  TransitionPickerState& s = transitionPicker();
  if (!s.settingsOpen) return;
  const OP_HANDLE op = s.settingsOperator;
  TransitionEntry* entry = s.settingsEntry;
  const bool changed = s.settingsChanged != 0;
  mainRemoveOpGui(&s.settingsGadgets, op);
  deleteSettingsRequest(s);
  forgetSettingsWindow(s);
  if (keepChanges && changed && entry) takeSettings(op, *entry);
  mainUnloadOperator(op);
}

void ForwardToSettingsWindow(const HOST_MESSAGE& message) {
  TransitionPickerState& s = transitionPicker();
  if (!s.settingsOpen) return;
  int16_t x = 0, y = 0;
  if (mainDoOpGui(&message, &s.settingsGadgets, s.settingsOperator, s.settingsRequest.panel, 0, 1, 0, &x, &y) == 0)
    s.settingsChanged = 1;
}

void CloseOpenPickerWindows() {
  TransitionPickerState& s = transitionPicker();
  CloseSettingsWindow(false);
  if (s.pickerOpen) {
    if (vreqDeleteRequest(&s.pickerRequest) != 0) OS3_LOG(kLogFailed);
    s.pickerRequest = VREQ_REQUEST{};
    s.pickerOpen = 0;
  }
}

}  // namespace ostrel3
