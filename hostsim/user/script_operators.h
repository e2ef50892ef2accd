#pragma once
// Script lines of the operator directory and of its requesters' answers.
#include "hostsim/core/config.h"
#include "hostsim/core/user.h"
#include "hostsim/user/script_line.h"

namespace hostsim::script {

/// operator PATH "NAME" [flags N] [prefs N] [settings "A" "B" ...] [defaults HEX],
/// or operator none (an empty directory).
void parseOperator(const Line& l, HostConfig& c);
/// answer operators "wipe" "dissolve" ...; no names: the user cancels.
Answer parseOperatorsAnswer(const Line& l);
/// answer jingle "FILE" "IMAGE"; nothing after it: the user cancels.
Answer parseJingleAnswer(const Line& l);

}  // namespace hostsim::script
