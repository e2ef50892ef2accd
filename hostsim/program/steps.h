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

}  // namespace hostsim::program
