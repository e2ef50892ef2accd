#pragma once
// The host's log: kept in memory for tests, written out by the host program.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace hostsim {

struct LogLine {
  int32_t level = 0;
  int32_t line = 0;
  std::string file;
  uint32_t category = 0;
  std::string text;
  bool fromHost = false;  ///< written by the stand-in host itself, not by a caller
};

class HostLog {
 public:
  void add(LogLine line);
  /// A line of the stand-in host about itself (refused calls, script problems).
  void host(int32_t level, std::string text);
  std::vector<LogLine> lines() const;
  /// Lines with the given level written by callers (not by the host itself).
  std::vector<LogLine> callerLines(int32_t level) const;
  size_t size() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<LogLine> lines_;
};

}  // namespace hostsim
