#pragma once
// The few operating-system services the operator's files need: its
// directory, saving without ever leaving a broken file, and keeping a file
// aside before it is replaced. Needs no host.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel3 {

/// Size of the one buffer every path of the operator is built in.
inline constexpr size_t kPathBufferSize = 512;
using PathBuffer = std::array<char, kPathBufferSize>;

/// Puts home + "/programs/ostrel3/" into the buffer. False, and the buffer
/// emptied, when home is empty or the result does not fit.
bool FormatOperatorDirectory(PathBuffer& buffer, std::string_view home);

/// Appends a file name to the buffer. False, and the buffer emptied, when the
/// result does not fit: nobody ever sees a shortened path.
bool AppendFileName(PathBuffer& buffer, std::string_view name);

/// "project_%02ld_%02d.info" of a host project and a project slot.
std::string ProjectFileName(int32_t hostProject, int32_t slot);
/// "settings_%02ld.info" of a host project.
std::string SettingsFileName(int32_t hostProject);

/// Creates a directory and its missing parents; true when it exists afterwards.
bool MakeDirectories(const char* path);

/// Replaces the file at `path` by `bytes` so that it is never seen half
/// written: a temporary file in the same folder, flushed to disk, renamed
/// over the old one. On failure the old file is untouched, the temporary
/// file removed, and the result false.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

/// Copies the file at `path` to `path` + ".unreadable" (then ".unreadable.2",
/// ".unreadable.3" ...), never replacing an earlier copy. Returns the copy's
/// path, nullopt when no copy could be made.
std::optional<std::string> KeepCopyAside(const std::string& path);

}  // namespace ostrel3
