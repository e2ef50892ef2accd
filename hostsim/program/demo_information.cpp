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
       "click @960,780 value 900\nclick #0x30\n"
       "click \"Info\"\nscreenshot 01-information\nclick \"OK\"\n"
       "click #0x31               # camera 2 becomes the active camera\n"
       "click #0x40000063         # its colour, from the host's palette\n"
       "answer palette 0xA02AD0FF\n"
       "screenshot 02-camera-2-recoloured\n"
       "click @CLIPNAME           # the clip's name field: a new name for the clip\n"
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
