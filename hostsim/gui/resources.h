#pragma once
// The host's resource sets (numbered strings and images).
#include <string>
#include <vector>

namespace hostsim {

class Host;

class Resources {
 public:
  explicit Resources(Host& host);
  std::vector<std::string> liveHandles() const;

 private:
  Host& host_;
};

}  // namespace hostsim
