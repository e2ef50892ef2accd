// The file requester hands back whatever path the user typed or picked.
// Before the operator saves over it, deletes it or reads it, the path is
// resolved on disk and must still lie inside the folder that was offered:
// "..", an absolute path elsewhere or a link out of the folder would
// otherwise let a save or a delete reach any file of the machine.
#include "ostrel3/project/confined_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <algorithm>
#include <memory>
#include <string_view>

namespace ostrel3 {

namespace {

std::optional<std::string> resolved(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  if (!real) return std::nullopt;
  return std::string(real.get());
}

bool hasParentStep(std::string_view path) {
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find('/', start), path.size());
    if (path.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

bool inside(const std::string& path, const std::string& folder) {
  if (folder == "/") return path.size() > 1 && path[0] == '/';
  return path.size() > folder.size() + 1 && path.compare(0, folder.size(), folder) == 0 &&
         path[folder.size()] == '/';
}

bool isLink(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

}  // namespace

std::optional<std::string> ConfinedPath(const std::string& directory, const char* chosen) {
  if (!chosen || !*chosen) return std::nullopt;
  const std::string_view name(chosen);
  if (hasParentStep(name) || name.back() == '/') return std::nullopt;
  const std::string candidate = name.front() == '/' ? std::string(name) : directory + "/" + std::string(name);
  const std::optional<std::string> folder = resolved(directory);
  if (!folder) return std::nullopt;
  const size_t slash = candidate.find_last_of('/');
  const std::string leaf = candidate.substr(slash + 1);
  if (leaf.empty() || leaf == ".") return std::nullopt;
  const std::optional<std::string> parent = resolved(slash == 0 ? "/" : candidate.substr(0, slash));
  if (!parent) return std::nullopt;
  const std::string path = (*parent == "/" ? "" : *parent) + "/" + leaf;
  if (!inside(path, *folder)) return std::nullopt;
  if (isLink(path)) {
    const std::optional<std::string> target = resolved(path);
    if (!target || !inside(*target, *folder)) return std::nullopt;
  }
  return path;
}

bool RemoveFileOnly(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return ::unlink(path.c_str()) == 0;
}

}  // namespace ostrel3
