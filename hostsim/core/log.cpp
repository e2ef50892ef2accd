#include "hostsim/core/log.h"

namespace hostsim {

void HostLog::add(LogLine line) {
  std::lock_guard lock(mutex_);
  lines_.push_back(std::move(line));
}

void HostLog::host(int32_t level, std::string text) {
  LogLine l;
  l.level = level;
  l.file = "hostsim";
  l.text = std::move(text);
  l.fromHost = true;
  add(std::move(l));
}

std::vector<LogLine> HostLog::lines() const {
  std::lock_guard lock(mutex_);
  return lines_;
}

std::vector<LogLine> HostLog::callerLines(int32_t level) const {
  std::lock_guard lock(mutex_);
  std::vector<LogLine> out;
  for (const auto& l : lines_)
    if (!l.fromHost && l.level == level) out.push_back(l);
  return out;
}

size_t HostLog::size() const {
  std::lock_guard lock(mutex_);
  return lines_.size();
}

void HostLog::clear() {
  std::lock_guard lock(mutex_);
  lines_.clear();
}

}  // namespace hostsim
