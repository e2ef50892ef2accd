#include "hostsim/gui/gui.h"

namespace hostsim {

Gui::Gui(Host& host) : host_(host) {}
std::vector<std::string> Gui::liveHandles() const { return {}; }

}  // namespace hostsim
