#pragma once
// Clips of the scene bin, their synthetic pictures and sound, images and the
// render library.
#include <string>
#include <vector>

namespace hostsim {

class Host;

class Media {
 public:
  explicit Media(Host& host);
  std::vector<std::string> liveHandles() const;

 private:
  Host& host_;
};

}  // namespace hostsim
