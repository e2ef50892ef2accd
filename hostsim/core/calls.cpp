#include "hostsim/core/calls.h"

#include <cstdio>

#include "hostsim/core/text.h"

namespace hostsim {

bool CallControl::enter(const char* name, std::string args) {
  std::lock_guard lock(mutex_);
  ++counts_[name];
  if (trace_) entries_.push_back({name, std::move(args)});
  auto it = failures_.find(name);
  if (it == failures_.end()) return false;
  if (it->second.countdown < 0) return true;
  if (--it->second.countdown == 0) {
    failures_.erase(it);
    return true;
  }
  return false;
}

void CallControl::failNth(const std::string& name, int n) {
  std::lock_guard lock(mutex_);
  if (n >= 1) failures_[name].countdown = n;
}

void CallControl::failAlways(const std::string& name) {
  std::lock_guard lock(mutex_);
  failures_[name].countdown = -1;
}

void CallControl::clearFailures(const std::string& name) {
  std::lock_guard lock(mutex_);
  failures_.erase(name);
}

void CallControl::clearAllFailures() {
  std::lock_guard lock(mutex_);
  failures_.clear();
}

int CallControl::count(const std::string& name) const {
  std::lock_guard lock(mutex_);
  auto it = counts_.find(name);
  return it == counts_.end() ? 0 : it->second;
}

std::vector<TraceEntry> CallControl::trace() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

std::vector<std::string> CallControl::traceOf(const std::vector<std::string>& names) const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const auto& e : entries_)
    for (const auto& n : names)
      if (e.name == n) {
        out.push_back(e.text());
        break;
      }
  return out;
}

void CallControl::clearTrace() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

void CallControl::setTracing(bool on) {
  std::lock_guard lock(mutex_);
  trace_ = on;
  traceOn_ = on;
}

namespace {
// Texts are escaped as in a session script, so that every call stays on one
// line of a trace and a quote inside a text cannot end it early.
std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(c));
          out += hex;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace

std::string formatArg(const char* text) { return text ? quoted(text) : "null"; }
std::string formatArg(char* text) { return text ? "buf" : "null"; }
std::string formatArg(const char16_t* text) { return text ? quoted(toUtf8(text)) : "null"; }
std::string formatArg(char16_t* text) { return text ? "buf" : "null"; }
std::string formatArg(std::nullptr_t) { return "null"; }
std::string formatArg(OutArg) { return "out"; }
std::string formatArg(double value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", value);
  return buf;
}

}  // namespace hostsim
