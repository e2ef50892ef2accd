#pragma once
// The built-in demo: session scripts on synthetic footage.
#include <string>
#include <vector>

namespace hostsim::program {

struct DemoSession {
  std::string name;    ///< its folder in the output
  std::string script;  ///< the session script
};

/// The demo's sessions, in the order they run.
std::vector<DemoSession> demoSessions();

}  // namespace hostsim::program
