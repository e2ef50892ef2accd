// The stand-in host program: loads the operator module and plays a session
// script (or the built-in demo) against it.
#include <iostream>
#include <string>

#include "hostsim/program/session.h"

namespace {

int usage(std::ostream& os, int code) {
  os << "usage: ostrel3-host (SCRIPT | --demo) [--out DIR] [--module FILE]\n"
        "  SCRIPT        a session script (see docs/session-script.md)\n"
        "  --demo        the built-in demo on synthetic footage\n"
        "  --out DIR     where the log, screenshots and dumps go (default demo-out)\n"
        "  --module FILE the operator module to load (default: the one built beside this program)\n";
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  hostsim::program::Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--demo") {
      options.demo = true;
    } else if ((arg == "--out" || arg == "--module") && i + 1 < argc) {
      (arg == "--out" ? options.out : options.module) = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      return usage(std::cout, 0);
    } else if (!arg.empty() && arg[0] != '-' && options.script.empty()) {
      options.script = arg;
    } else {
      return usage(std::cerr, 2);
    }
  }
  if (options.demo == !options.script.empty()) return usage(std::cerr, 2);
  return hostsim::program::runSession(options);
}
