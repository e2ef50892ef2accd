#include "hostsim/program/demo.h"

namespace hostsim::program {

std::string demoProjects() { return {}; }

}  // namespace hostsim::program
