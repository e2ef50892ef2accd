#pragma once
// The operator the targets that need one share: made once per process on
// the fuzz host, and brought back to a fresh project before every input.
#include "ostrel3/shell/operator.h"

namespace ostrel3_fuzz {

/// The process's operator, reset to an empty project with the picker's
/// choices cleared and no undo history.
ostrel3::MulticamOperator& FreshOperator();

/// Clears what the transition picker read from earlier inputs.
void ResetTransitionChoices();

/// The invariants every loaded or imported model keeps: a non-empty cut list
/// in strictly ascending frames with known cameras, counts in range, and a
/// position and visible window inside the timeline.
void RequireConsistentModel(const ostrel3::MulticamOperator& op);

}  // namespace ostrel3_fuzz
