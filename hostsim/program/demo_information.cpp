#include "hostsim/program/demo.h"

namespace hostsim::program {

std::string demoInformation() { return {}; }

}  // namespace hostsim::program
