#pragma once
// The picker's two windows on its one queue: the selection request and the
// settings window of one transition's operator. GUI thread only.
#include <string>

#include "host/host_types.h"
#include "transition_picker/picker_state.h"

namespace ostrel3 {

/// The box drawn behind each window's controls.
inline constexpr int32_t kBoxStyle = 4;
inline constexpr int32_t kBoxFill = 5;

/// A text of the picker's string set, owned by the set (null when the set
/// is missing), and a copy of it (empty when missing).
const XCHAR* PickerText(int32_t id);
std::u16string PickerString(int32_t id);

/// A user action the picker cannot carry out: a beep and a log line, and
/// nothing changes.
void RefuseAction();

/// Opens the settings window for entry with its operator loaded and its
/// stored settings applied. Refused with a beep while one is open; a
/// failure is logged and leaves nothing loaded or open.
void OpenSettingsWindow(TransitionEntry& entry);

/// Closes the settings window; with keepChanges the entry takes the
/// operator's settings when the user changed one.
void CloseSettingsWindow(bool keepChanges);

/// Hands a message of the settings window's controls to the operator.
void ForwardToSettingsWindow(const HOST_MESSAGE& message);

/// Closes whatever window of the picker is still open, keeping no changes.
void CloseOpenPickerWindows();

}  // namespace ostrel3
