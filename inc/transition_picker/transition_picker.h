#pragma once
// The transition picker: the list of transitions the storyboard output puts
// at the cuts, and the request in which the user edits it. GUI thread only.
#include <cstdint>

namespace ostrel3 {

/// Shows the transition selection request and runs it until the user
/// confirms or cancels: 0, or -1 when the request could not be opened.
/// Confirming keeps the three choices and turns the transitions on when the
/// list has entries (off when it has none); cancelling keeps the choices as
/// they were and turns the transitions off only for an empty list. Changes
/// to the list, the settings and the jingle stay either way.
int32_t RunTransitionPicker();

/// Adds the list's transitions between the storyboard scenes that cover
/// frames first..last, then the jingle to each of them. Nothing unless the
/// transitions are on and the list has entries. A scene holder that cannot
/// be copied throws CMC_Error.
void AddCutTransitions(int32_t first, int32_t last, int32_t framesPerSecond);

}  // namespace ostrel3
