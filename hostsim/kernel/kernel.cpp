#include "hostsim/kernel/kernel.h"

namespace hostsim {

Kernel::Kernel(Host& host) : host_(host) {}
Kernel::~Kernel() { shutdown(); }
void Kernel::shutdown() {}
std::vector<std::string> Kernel::liveHandles() const { return {}; }

}  // namespace hostsim
