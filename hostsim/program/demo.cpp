#include "hostsim/program/demo.h"

namespace hostsim::program {

const char* demoScript() {
  return R"(# The built-in demo: four cameras filmed one concert; each recording
# has a clap at a different frame, as when the cameras were started one
# after the other.
host version 1000
host project 1
host format pal
host monitors 1
host monitor 1 1920x1080 aspect 16:9
clip 1001 "Stage left" 1500 clap 100
clip 1002 "Stage right" 1450 clap 60
clip 1003 "Audience" 1400 clap 140
clip 1004 "Drums close-up" 1480 clap 85

screenshot start
dump log log.json
close
)";
}

}  // namespace hostsim::program
