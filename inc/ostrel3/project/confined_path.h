#pragma once
// Keeping the files the user picks in the host's file requester inside the
// folder that was offered, so that saving or deleting never reaches a file
// elsewhere. Needs no host.
#include <optional>
#include <string>

namespace ostrel3 {

/// The file `chosen` names, resolved, when it lies inside `directory` (a
/// relative name counts from there). Nullopt for a name with "..", a path
/// elsewhere, a link that leads out, a missing folder, or a name that ends
/// in a folder separator.
std::optional<std::string> ConfinedPath(const std::string& directory, const char* chosen);

/// Removes the file at `path`, never a folder. True when it was removed.
bool RemoveFileOnly(const std::string& path);

}  // namespace ostrel3
