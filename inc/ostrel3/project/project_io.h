#pragma once
// The operator's files on disk: where they live, reading them, and replacing
// them without ever losing the last good one. No host calls; the caller
// supplies the host project number. Problems are logged where they are found.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ostrel3/project/file_system.h"
#include "ostrel3/project/project_document.h"

namespace ostrel3 {

class TransitionsHook;

/// Project slots the operator offers in one host project.
inline constexpr int32_t kProjectSlots = 10;

/// Outcome of reading an XML file.
enum class FileLoad { kNoFile, kUnreadable, kParsed };

/// Name and emptiness of a stored project, for choosing a slot.
struct ProjectSummary {
  std::string name;   ///< UTF-8, as stored
  bool empty = true;  ///< no file, an unreadable one, or one without cameras and cuts
};

/// VTHOME + "/programs/ostrel3/" + fileName in the buffer, the directory
/// created. Null (logged, buffer emptied) when VTHOME is missing or empty or
/// the path does not fit.
const char* BuildOperatorPath(PathBuffer& buffer, std::string_view fileName);

/// Loads the XML file at `path` (opened "rb"); a parse error is logged.
FileLoad LoadXmlFile(const char* path, tinyxml2::XMLDocument& document);

/// The project as text: its elements, then the transitions through the hook.
/// Empty (logged) when the document could not be printed.
std::string ProjectText(const ProjectDocument& project, TransitionsHook& transitions);

/// Replaces the file at `path` with `text`. A file there that cannot be read
/// as a project is first kept aside (logged); when that fails nothing is
/// written. False (logged) on failure, the old file untouched; then `error`,
/// when given, holds the system's error number (0 when none is known).
bool WriteProjectFile(const std::string& path, std::string_view text, int* error = nullptr);

/// Deletes the project file at `path`, keeping an unreadable one aside first.
/// True when no file remains there; otherwise `error` as for WriteProjectFile.
bool RemoveProjectFile(const std::string& path, int* error = nullptr);

/// What the project file at `path` holds, for choosing a slot.
ProjectSummary ReadProjectSummaryFile(const char* path);

/// The project slot a settings file names; nullopt (logged unless there is
/// no file) when it names none that can be used.
std::optional<int32_t> ReadSettingsFile(const char* path);

/// Writes a settings file naming `slot`. False (logged) on failure.
bool WriteSettingsFile(const std::string& path, int32_t slot);

}  // namespace ostrel3
