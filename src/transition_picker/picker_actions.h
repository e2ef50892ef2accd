#pragma once
// What the buttons of the selection request do to the list, its rows and
// the jingle. GUI thread only.
#include "host/host_types.h"
#include "picker_rows.h"

namespace ostrel3 {

/// The open selection request's list view and the rows it reads.
struct PickerView {
  VG_PANEL root = 0;
  VG_ELEMENT list = 0;
  RowList* rows = nullptr;
};

/// Fills the list view: the transitions, the separator, the jingle row.
void FillRows(const PickerView& view);

/// Asks the host for operators and adds each one that can sit at cuts after
/// the selected transition (at the end when no transition row is selected).
void AddTransitions(const PickerView& view);
/// Opens the settings window of the selected transition.
void EditSelectedSettings(const PickerView& view);
/// Asks the host for a jingle and shows it as the last row.
void ChooseJingle(const PickerView& view);
/// Deletes the selected transition or the jingle.
void DeleteSelected(const PickerView& view);

}  // namespace ostrel3
