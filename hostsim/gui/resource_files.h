#pragma once
// The files of a resource set, under the host's resource directory:
//
//   <root>/<set>/strings.txt      one "id<TAB>text" a line, UTF-8; blank lines
//                                 and lines starting with '#' are skipped;
//                                 in texts \n is a line break, \t a tab, \\ a
//                                 backslash
//   <root>/<set>/images/NNN.png   image NNN (decimal id)
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hostsim {

struct StringTable {
  std::map<int32_t, std::u16string> texts;
  /// One line of text per line that could not be used.
  std::vector<std::string> problems;
};

/// Reads the text of a strings file.
StringTable parseStringTable(std::string_view content);

/// Directory of a set; nullopt for a name that is not a plain name (empty,
/// with a path separator, "." or "..") or a set that does not exist.
std::optional<std::filesystem::path> resourceSetDirectory(const std::filesystem::path& root, std::string_view name);

/// Image files of a set by id: every "<decimal id>.png" in its images folder.
std::map<int32_t, std::filesystem::path> resourceImageFiles(const std::filesystem::path& setDirectory);

}  // namespace hostsim
