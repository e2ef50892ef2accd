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

/// The host's setup lines of every demo session: one 1920 x 1080 monitor and
/// the six concert recordings, each with its clap at another frame.
std::string demoSetup();
/// The project file line of a project of the first `cameras` clips, in step
/// on the clap.
std::string demoProjectFile(int cameras);

/// One session script each, kept in files of their own.
std::string demoSynchronising();
std::string demoSynchronisingBySound();
std::string demoProjects();
/// Reads the archive that the projects session saved: runs after it.
std::string demoImporting();
std::string demoInformation();

}  // namespace hostsim::program
