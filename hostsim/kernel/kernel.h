#pragma once
// Queues, tasks, ticks and the global critical section of the stand-in host.
#include <string>
#include <vector>

namespace hostsim {

class Host;

class Kernel {
 public:
  explicit Kernel(Host& host);
  ~Kernel();
  /// Ends every task and waits for their threads.
  void shutdown();
  std::vector<std::string> liveHandles() const;

 private:
  Host& host_;
};

}  // namespace hostsim
