#pragma once
// What the information dialog shows of a project, composed before its
// layout is built.
#include "ostrel3/dialogs/info_layout.h"

namespace ostrel3 {

class MulticamOperator;

/// The dialog's texts for the operator's project and cameras 1 to 6.
InfoTexts ComposeInfoTexts(const MulticamOperator& op);

}  // namespace ostrel3
