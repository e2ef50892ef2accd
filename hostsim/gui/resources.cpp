#include "hostsim/gui/resources.h"

namespace hostsim {

Resources::Resources(Host& host) : host_(host) {}
std::vector<std::string> Resources::liveHandles() const { return {}; }

}  // namespace hostsim
