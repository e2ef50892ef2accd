#include "hostsim/program/demo.h"

namespace hostsim::program {

std::string demoSynchronising() { return {}; }

}  // namespace hostsim::program
