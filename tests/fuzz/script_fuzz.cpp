// The session-script parser: any text either parses or is refused with a
// ScriptError naming one of its lines, and what it parses keeps every path
// inside the home and output folders. Parsing alone touches no file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "hostsim/user/script.h"

namespace {

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

bool staysInside(const std::string& path) {
  return !path.empty() && path[0] != '/' && path.find("..") == std::string::npos;
}

bool isDump(hostsim::ScriptCommand::Kind kind) {
  using K = hostsim::ScriptCommand;
  for (const K::Kind dump : {K::DumpLog, K::DumpGui, K::DumpClips, K::DumpTrace, K::DumpPlayback, K::DumpStoryboard,
                             K::DumpOperators, K::DumpScrub, K::DumpTasks})
    if (kind == dump) return true;
  return false;
}

void checkScript(const hostsim::Script& s, int lines) {
  for (const hostsim::ScriptFile& f : s.files) {
    require(staysInside(f.path), "a file the script places stays inside the home");
    require(f.line >= 1 && f.line <= lines, "a file names its line");
  }
  int previous = 0;
  for (const hostsim::ScriptCommand& c : s.commands) {
    require(c.line > previous && c.line <= lines, "commands come in the order of their lines");
    previous = c.line;
    if (isDump(c.kind)) require(staysInside(c.text), "a dump stays inside the output folder");
  }
  std::set<uint32_t> uids;
  for (const hostsim::ClipConfig& clip : s.config.clips) require(uids.insert(clip.uid).second, "clip uids are unique");
  require(!s.config.monitors.empty() && s.config.monitors.size() <= 4, "one to four monitors");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  try {
    checkScript(hostsim::parseScript(text), lines);
  } catch (const hostsim::ScriptError& e) {
    require(e.line() >= 0 && e.line() <= lines, "a refusal names a line of the script (or 0: the whole)");
  }
  return 0;
}
