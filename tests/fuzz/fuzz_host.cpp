#include "fuzz_host.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "hostsim/core/user.h"

namespace ostrel3_fuzz {

namespace {

std::filesystem::path& home() {
  static std::filesystem::path path;
  return path;
}

void removeHome() {
  std::error_code ec;
  if (!home().empty()) std::filesystem::remove_all(home(), ec);
}

hostsim::HostConfig config() {
  hostsim::HostConfig c;
  c.home = home();
  const char* resources = std::getenv("OSTREL3_RESOURCE_DIR");
  c.resourceDir = resources ? resources : OSTREL3_FUZZ_RESOURCE_DIR;
  // Lookups by uid and by name find these; other uids find nothing.
  c.clips = {{1, "Stage", 1500}, {2, "Hall", 1500}, {3, "Short", 400}, {801, "Stage", 1500}};
  // Nothing keeps the trace or the playback lists of millions of inputs.
  c.trace = false;
  c.recordPlayback = false;
  return c;
}

}  // namespace

hostsim::Host& FuzzHost() {
  // Made once and never destroyed: inputs run until the process exits, and
  // no static destructor may race the host's own threads at exit.
  static hostsim::Host* host = [] {
    home() = std::filesystem::temp_directory_path() / ("ostrel3-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(home());
    ::setenv("VTHOME", home().c_str(), 1);
    std::atexit(removeHome);
    return new hostsim::Host(config());
  }();
  host->log().clear();
  return *host;
}

const std::filesystem::path& FuzzHome() {
  FuzzHost();
  return home();
}

std::string WriteHomeFile(const char* name, std::string_view bytes) {
  const std::filesystem::path path = FuzzHome() / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

void DropPendingAnswers() {
  hostsim::User& user = FuzzHost().user();
  while (!user.empty()) user.dropNext();
}

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace ostrel3_fuzz
