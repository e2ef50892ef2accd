#pragma once
// The barrier every extern "C" host function runs behind: it records the
// call, applies an injected failure, and turns any exception into the
// function's failure value. No exception leaves a host function.
#include <exception>
#include <string>

#include "hostsim/core/host.h"

namespace hostsim {

void reportShimException(Host& host, const char* name, const char* what);

/// True when the calling thread is a host task that was deleted (or outlived
/// its host): it is on its way out and must not act as if it were alive.
bool callerTaskDeleted() noexcept;
/// True (and the thread's error code HOST_ERR_DELETED) when such a task
/// makes `call`: the call is refused as a failed call, neither traced nor
/// logged. errnoGet still answers, so the task can learn why it failed.
bool refuseDeletedCaller(const char* call) noexcept;

template <typename... Args>
std::string traced(Host& host, const Args&... args) {
  return host.calls().tracing() ? formatArgs(args...) : std::string();
}

/// A call inside the host: the host is not taken down under it.
class HostCallScope {
 public:
  HostCallScope() : host_(Host::enterCall()) {}
  ~HostCallScope() {
    if (host_) Host::leaveCall();
  }
  HostCallScope(const HostCallScope&) = delete;
  HostCallScope& operator=(const HostCallScope&) = delete;
  Host* host() const { return host_; }

 private:
  Host* host_;
};

template <typename R, typename Body, typename... Args>
R hostCall(const char* name, R failure, Body&& body, const Args&... args) noexcept {
  if (refuseDeletedCaller(name)) return failure;
  const HostCallScope scope;
  Host* host = scope.host();
  if (!host) return failure;
  try {
    if (host->calls().enter(name, traced(*host, args...))) return failure;
    return body(*host);
  } catch (const std::exception& e) {
    reportShimException(*host, name, e.what());
  } catch (...) {
    reportShimException(*host, name, "unknown exception");
  }
  return failure;
}

template <typename Body, typename... Args>
void hostCallVoid(const char* name, Body&& body, const Args&... args) noexcept {
  if (refuseDeletedCaller(name)) return;
  const HostCallScope scope;
  Host* host = scope.host();
  if (!host) return;
  try {
    if (host->calls().enter(name, traced(*host, args...))) return;
    body(*host);
  } catch (const std::exception& e) {
    reportShimException(*host, name, e.what());
  } catch (...) {
    reportShimException(*host, name, "unknown exception");
  }
}

}  // namespace hostsim
