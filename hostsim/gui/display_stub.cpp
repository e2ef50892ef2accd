// Placeholder until the display is written; keeps the tree building.
#include "hostsim/gui/display.h"

namespace hostsim {

struct Display::State {};
Display::Display(Host& host) : host_(host) {}
Display::~Display() = default;
std::vector<std::string> Display::liveHandles() const { return {}; }

}  // namespace hostsim
