#pragma once
// One run of the host program: a session script played against the
// operator module on a fresh stand-in host.
#include <filesystem>

namespace hostsim::program {

struct Options {
  std::filesystem::path script;  ///< empty with demo
  bool demo = false;
  std::filesystem::path out = "demo-out";
  std::filesystem::path module;  ///< empty: the module built beside the program
};

/// Runs the session; returns the program's exit code (0 when the session
/// ran, 2 for a bad script or setup, 3 when the module cannot be loaded).
int runSession(const Options& options);

}  // namespace hostsim::program
