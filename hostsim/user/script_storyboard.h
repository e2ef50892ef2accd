#pragma once
// The storyboard lines of a session script: the storyboard the host project
// holds when the operator starts.
#include "hostsim/core/config.h"
#include "hostsim/user/script_line.h"

namespace hostsim::script {

/// "storyboard scene UID [in A] [out B] [type T]", "storyboard insert UID at
/// N [in A] [out B]" and "storyboard active N".
void parseStoryboard(const Line& l, HostConfig& c);
/// Once every line is read (clips may come later than the storyboard lines
/// that use them): builds the storyboard as the host will, so that a line
/// that cannot be applied stops the script with its number.
void checkStoryboard(const HostConfig& c);

}  // namespace hostsim::script
