#pragma once
// What a run leaves in its output folder, as JSON and text.
#include <filesystem>

namespace hostsim {
class Host;
}

namespace hostsim::program {

/// The host's log as JSON (one object a line).
bool dumpLog(const Host& host, const std::filesystem::path& file);
/// The host's log as text, one line each.
bool writeLogText(const Host& host, const std::filesystem::path& file);

}  // namespace hostsim::program
