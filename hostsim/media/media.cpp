#include "hostsim/media/media.h"

namespace hostsim {

Media::Media(Host& host) : host_(host) {}
std::vector<std::string> Media::liveHandles() const { return {}; }

}  // namespace hostsim
