#pragma once
// Every host call passes through CallControl: it is recorded in the ordered
// trace (name and arguments) and may be made to fail on its n-th call.
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace hostsim {

struct TraceEntry {
  std::string name;
  std::string args;  ///< arguments as text, comma separated
  std::string text() const { return name + "(" + args + ")"; }
};

class CallControl {
 public:
  explicit CallControl(bool trace) : trace_(trace), traceOn_(trace) {}

  /// Called on entry of every host function. Records the call and returns
  /// true when this call is to fail.
  bool enter(const char* name, std::string args);

  /// The n-th call (1-based, counted from now) of `name` fails.
  void failNth(const std::string& name, int n);
  /// Every call of `name` from now on fails.
  void failAlways(const std::string& name);
  /// Calls of `name` work again.
  void clearFailures(const std::string& name);
  void clearAllFailures();

  /// Calls made to `name` so far.
  int count(const std::string& name) const;
  std::vector<TraceEntry> trace() const;
  /// Only the entries whose name is one of `names`.
  std::vector<std::string> traceOf(const std::vector<std::string>& names) const;
  void clearTrace();
  void setTracing(bool on);
  bool tracing() const { return traceOn_.load(std::memory_order_relaxed); }

 private:
  struct Failure {
    int countdown = 0;  ///< fails when it reaches 0; -1: always
  };
  mutable std::mutex mutex_;
  bool trace_;
  std::atomic<bool> traceOn_{true};
  std::vector<TraceEntry> entries_;
  std::map<std::string, int, std::less<>> counts_;
  std::map<std::string, Failure, std::less<>> failures_;
};

// ---- argument formatting for the trace --------------------------------------

/// Wraps an output argument so that the trace does not read it before the
/// call has filled it.
struct OutArg {
  const void* pointer;
};
inline OutArg out(const void* pointer) { return OutArg{pointer}; }
std::string formatArg(OutArg);

std::string formatArg(const char* text);
std::string formatArg(const char16_t* text);
/// Writable texts are output buffers: never read them.
std::string formatArg(char16_t* text);
std::string formatArg(char* text);
std::string formatArg(std::nullptr_t);
std::string formatArg(double value);

template <typename T>
std::string formatArg(const T& value) {
  if constexpr (std::is_pointer_v<T>) {
    return value ? "ptr" : "null";
  } else if constexpr (std::is_enum_v<T>) {
    return std::to_string(static_cast<std::underlying_type_t<T>>(value));
  } else if constexpr (std::is_integral_v<T>) {
    return std::to_string(value);
  } else {
    return "{}";
  }
}

template <typename... Args>
std::string formatArgs(const Args&... args) {
  std::string out;
  ((out += (out.empty() ? "" : ", ") + formatArg(args)), ...);
  return out;
}

}  // namespace hostsim
