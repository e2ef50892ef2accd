#include <sstream>

#include "hostsim/program/demo.h"

namespace hostsim::program {

// Six cameras with a few cuts: the user reads the project's facts, gives
// camera 2 a colour of its own, renames its clip and takes the colour back
// with one undo.
std::string demoInformation() {
  std::ostringstream s;
  s << "# The information dialog, a camera's colour and its clip's name, on six cameras.\n"
    << demoSetup() << demoProjectFile(6)
    << "# a few cuts: the position slider, then a camera's key\n"
       "click @960,780 value 200\nclick #0x31\n"
       "click @960,780 value 450\nclick #0x33\n"
       "click @960,780 value 700\nclick #0x31\n"
       "click @960,780 value 900\nclick #0x20\n"
       "click \"Info\"\nscreenshot 01-information\nclick \"OK\"\n"
       "click @960,780 value 700  # back to a cut of camera 2 ...\n"
       "click #0x31               # ... so that making it the active camera changes no cut\n"
       "click #0x40000063         # its colour, from the host's palette\n"
       "answer palette 0x70C8C0FF\n"
       "screenshot 02-camera-2-recoloured\n"
       "click @150,105            # the clip name field: a new name for the clip\n"
       "answer key \"Stage right, wide\"\n"
       "screenshot 03-clip-renamed\n"
       "dump clips clips.json     # the camera's copy and the bin's clip carry the new name\n"
       "click \"Info\"\nscreenshot 04-information-after\nclick \"OK\"\n"
       "click #0x4040007A         # one undo takes the colour back\n"
       "screenshot 05-colour-undone\n"
       "click \"Leave\"\n";
  return s.str();
}

}  // namespace hostsim::program
