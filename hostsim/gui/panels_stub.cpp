// Placeholder until panels and elements are written; keeps the tree building.
#include "hostsim/gui/panels.h"

namespace hostsim {

Panels::Panels(Host& host) : host_(host), state_(nullptr) {}
Panels::~Panels() = default;
std::optional<PanelPlace> Panels::place(VG_PANEL) const { return std::nullopt; }
std::vector<std::string> Panels::liveHandles() const { return {}; }

}  // namespace hostsim
