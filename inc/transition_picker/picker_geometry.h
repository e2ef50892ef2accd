#pragma once
// The sizes of the transition selection request and of an operator's
// settings window, from the host's metrics. No host call is needed.
#include <cstdint>

namespace ostrel3 {

/// The host's metrics the selection request is sized from.
struct PickerMetrics {
  int16_t visibleWidth = 0;   ///< of the default monitor's visible area
  int16_t visibleHeight = 0;
  int16_t listRowHeight = 0;  ///< one row of a list view
  int16_t frameInset = 0;     ///< 6 units + 2: space inside a box
  int16_t partGap = 0;        ///< 20 units: between the left and the right part
};

struct PickerGeometry {
  int16_t width = 0, height = 0;  ///< the request
  int16_t leftWidth = 0;          ///< the buttons and popups
  int16_t rightX = 0, rightWidth = 0;  ///< the list's box
  int16_t listX = 0, listY = 0, listWidth = 0, listHeight = 0;
  int16_t listRows = 0;           ///< odd, at least 1
};

/// Three quarters of the visible width; a list of the largest odd number of
/// rows whose box stays within seven tenths of the visible height (less the
/// frame), at least one row; the right half for the list.
PickerGeometry ComputePickerGeometry(const PickerMetrics& m);

/// The metrics an operator's settings window is sized from.
struct SettingsMetrics {
  int16_t cellWidth = 0;   ///< a gadget of 32 units
  int16_t width2 = 0, width4 = 0, width6 = 0;  ///< 2, 4 and 6 units
  int16_t addHeight = 0, fontHeight = 0;
};

struct SettingsGeometry {
  int16_t width = 0, height = 0;  ///< the window
  int16_t guiX = 0, guiY = 0, guiWidth = 0, guiHeight = 0;  ///< the operator's controls
};

/// Ten cells wide and five text lines high, with the frame's insets.
SettingsGeometry ComputeSettingsGeometry(const SettingsMetrics& m);

}  // namespace ostrel3
