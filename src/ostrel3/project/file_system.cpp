// POSIX implementations of the file services. Everything that replaces a
// file goes through a complete, flushed copy first: a crash or a full disk
// in the middle leaves either the old file or the new one, never a mix.
#include "ostrel3/project/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ostrel3 {

namespace {

constexpr std::string_view kOperatorDirectory = "/programs/ostrel3/";
constexpr int kMaxKeptCopies = 1000;

bool put(PathBuffer& buffer, size_t at, std::string_view text) {
  if (at + text.size() >= buffer.size()) {
    buffer[0] = '\0';
    return false;
  }
  std::memcpy(buffer.data() + at, text.data(), text.size());
  buffer[at + text.size()] = '\0';
  return true;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool readAll(int fd, std::string& out) {
  char block[8192];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(block, static_cast<size_t>(n));
  }
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself survive a power cut; a folder that cannot be
// opened only loses that extra safety.
void syncFolder(const std::string& path) {
  const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The new file keeps the permissions of the one it replaces.
void copyMode(int fd, const std::string& path) {
  struct stat st {};
  const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
  ::fchmod(fd, mode);
}

// Creates a file that must not exist yet. 0 when written, else the error number.
int writeNewFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return errno;
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) return 0;
  const int error = errno ? errno : EIO;
  ::unlink(path.c_str());
  return error;
}

}  // namespace

bool FormatOperatorDirectory(PathBuffer& buffer, std::string_view home) {
  if (home.empty()) {
    buffer[0] = '\0';
    return false;
  }
  return put(buffer, 0, home) && put(buffer, home.size(), kOperatorDirectory);
}

bool AppendFileName(PathBuffer& buffer, std::string_view name) {
  return put(buffer, std::strlen(buffer.data()), name);
}

std::string ProjectFileName(int32_t hostProject, int32_t slot) {
  char name[64];
  std::snprintf(name, sizeof name, "project_%02ld_%02d.info", static_cast<long>(hostProject), static_cast<int>(slot));
  return name;
}

std::string SettingsFileName(int32_t hostProject) {
  char name[64];
  std::snprintf(name, sizeof name, "settings_%02ld.info", static_cast<long>(hostProject));
  return name;
}

bool MakeDirectories(const char* path) {
  std::string partial;
  const std::string full = path;
  for (size_t i = 1; i <= full.size(); ++i) {
    if (i < full.size() && full[i] != '/') continue;
    partial = full.substr(0, i);
    if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  struct stat st {};
  return ::stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  copyMode(fd, path);
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  syncFolder(path);
  return true;
}

std::optional<std::string> KeepCopyAside(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  const bool read = readAll(fd, bytes);
  ::close(fd);
  if (!read) return std::nullopt;
  for (int n = 1; n <= kMaxKeptCopies; ++n) {
    std::string candidate = path + ".unreadable";
    if (n > 1) candidate.append(".").append(std::to_string(n));
    const int error = writeNewFile(candidate, bytes);
    if (error == 0) {
      syncFolder(candidate);
      return candidate;
    }
    if (error != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace ostrel3
