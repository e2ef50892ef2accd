#pragma once
// The host GUI: monitors, framebuffers, panels, elements and requests.
#include <string>
#include <vector>

namespace hostsim {

class Host;

class Gui {
 public:
  explicit Gui(Host& host);
  std::vector<std::string> liveHandles() const;

 private:
  Host& host_;
};

}  // namespace hostsim
