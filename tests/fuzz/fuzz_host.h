#pragma once
// What every fuzz target of the operator shares: one stand-in host per
// process, with its own home directory (removed at exit) and a few clips in
// its bin, and a check that stops the run loudly when an invariant fails.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "hostsim/core/host.h"

namespace ostrel3_fuzz {

/// The process's host, made on first use; its log is emptied on every call
/// so that a long run does not pile up the lines of earlier inputs.
hostsim::Host& FuzzHost();

/// The host's home directory.
const std::filesystem::path& FuzzHome();

/// Writes bytes to a file under the home (one name per purpose, reused).
std::string WriteHomeFile(const char* name, std::string_view bytes);

/// Drops the answers an input left unasked.
void DropPendingAnswers();

/// Aborts with the message when the condition is false: libFuzzer keeps the
/// input that broke the invariant.
void Require(bool condition, const char* what);

}  // namespace ostrel3_fuzz
