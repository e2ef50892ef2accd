#pragma once
// The transition picker's state lives for the whole run: the main object
// prepares it when it is built and the picker releases it first at teardown.
#include "host/list.h"

namespace ostrel3 {

struct TransitionPickerState {
  RES_STRINGS strings = 0;
  RES_IMAGES images = 0;
  MSG_Q_ID queue = 0;
  HOST_LIST list{};
  int32_t transitionsEnabled = 0;
};

/// The one picker state of the loaded module.
TransitionPickerState& transitionPicker();

/// Clears the state, opens the picker's own string and image sets and queue,
/// and initialises its list. Results are not checked: a missing resource
/// only disables the picker.
void PrepareTransitionPicker();

/// Releases everything PrepareTransitionPicker acquired and the list.
void ReleaseTransitionPicker();

}  // namespace ostrel3
