// Placeholder until the kernel is written; keeps the tree building.
#include "hostsim/kernel/kernel.h"

namespace hostsim {

Kernel::Kernel(Host& host) : host_(host), state_(nullptr) {}
Kernel::~Kernel() { shutdown(); }
void Kernel::shutdown() {}
std::vector<std::string> Kernel::liveHandles() const { return {}; }

}  // namespace hostsim
