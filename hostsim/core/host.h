#pragma once
// The stand-in host: one object holds every library's state. The extern "C"
// functions of host/ reach it through Host::current(); tests make a fresh
// one per test, the host program one per run.
#include <atomic>
#include <memory>

#include "hostsim/core/calls.h"
#include "hostsim/core/config.h"
#include "hostsim/core/log.h"

namespace hostsim {

class Kernel;
class Display;
class Panels;
class Resources;
class Media;
class User;

class Host {
 public:
  explicit Host(HostConfig config);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  /// The installed host, null when none.
  static Host* current() { return current_.load(std::memory_order_seq_cst); }
  /// Every host function enters through here: the installed host, or null,
  /// and then the call is refused. A host being destroyed refuses new calls
  /// and waits for the calls that entered before to leave (leaveCall).
  static Host* enterCall();
  static void leaveCall();

  const HostConfig& config() const { return config_; }
  CallControl& calls() { return calls_; }
  HostLog& log() { return log_; }
  const HostLog& log() const { return log_; }
  Kernel& kernel() { return *kernel_; }
  Display& display() { return *display_; }
  Panels& panels() { return *panels_; }
  Resources& resources() { return *resources_; }
  Media& media() { return *media_; }
  User& user() { return *user_; }

  /// Handles the operator acquired and has not released, described as text
  /// (empty when everything was released).
  std::vector<std::string> liveHandles() const;

 private:
  /// Stops every thread of the host and waits for the calls inside it.
  void quiesce();

  static std::atomic<Host*> current_;
  static std::atomic<int> activeCalls_;
  static std::atomic<bool> draining_;
  HostConfig config_;
  CallControl calls_;
  HostLog log_;
  std::unique_ptr<User> user_;
  std::unique_ptr<Kernel> kernel_;
  std::unique_ptr<Resources> resources_;
  std::unique_ptr<Display> display_;
  std::unique_ptr<Panels> panels_;
  std::unique_ptr<Media> media_;
};

}  // namespace hostsim
