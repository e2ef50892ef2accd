#pragma once
// Turns a script's commands into the steps of the stand-in host's user.
#include <filesystem>

#include "hostsim/user/script.h"

namespace hostsim {
class Host;
}

namespace hostsim::program {

/// Queues every command of the script as a user step. Screenshots and dumps
/// go to `out`.
void queueSteps(Host& host, const Script& script, const std::filesystem::path& out);

/// Once the operator has ended: does the steps left that need no operator
/// (dumps, screenshots, host undo), in order; the others are logged as not done.
void runStepsAfterEnd(Host& host);

}  // namespace hostsim::program
