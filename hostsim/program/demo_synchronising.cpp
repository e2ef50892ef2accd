#include <sstream>

#include "hostsim/program/demo.h"

namespace hostsim::program {

namespace {

// Four cameras of the concert, their clips chosen but never brought into
// step: every camera starts at its own first frame.
std::string outOfStep() {
  return "file programs/ostrel3/project_01_00.info\n"
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n  <name>Concert, out of step</name>\n"
         "  <scenes>\n"
         "    <scene uid=\"1001\" in=\"0\" cam=\"0\" audio=\"1\"/>\n"
         "    <scene uid=\"1002\" in=\"0\" cam=\"1\" audio=\"0\"/>\n"
         "    <scene uid=\"1003\" in=\"0\" cam=\"2\" audio=\"0\"/>\n"
         "    <scene uid=\"1004\" in=\"0\" cam=\"3\" audio=\"0\"/>\n"
         "  </scenes>\n  <num_gui_scenes>4</num_gui_scenes>\n  <act_tc>0</act_tc>\n"
         "  <act_cam>0</act_cam>\n</ostrel3>\nend\n";
}

struct Positioning {
  const char* camera;  ///< its clip's name in the camera popup
  int clap;            ///< the frame of its clap
};

}  // namespace

// The user brings cameras 2 to 4 into step with camera 1: camera 1 goes to
// its clap on the jog, then each other camera in turn, each confirmed; the
// dialog closes and the main panel shows the four claps at one position.
std::string demoSynchronising() {
  std::ostringstream s;
  s << "# Four cameras out of step; the user synchronises them on the clap with the jog.\n"
    << demoSetup() << outOfStep() << "screenshot 01-out-of-step\n"
    << "click \"Synchronise\"\nscreenshot 02-the-dialog\n"
    << "click \"Position\" 1      # camera 1 on the jog ...\njog 100\njog confirm   # ... to its clap\n";
  const Positioning cameras[] = {{"Stage right", 60}, {"Audience", 140}, {"Drums close-up", 85}};
  bool first = true;
  for (const Positioning& p : cameras) {
    if (!first) s << "click @460,70 entry \"" << p.camera << "\"   # the camera to synchronise\n";
    s << "click \"Position\" 2\njog " << p.clap << "\n";
    if (first) s << "screenshot 03-stage-right-on-its-clap\n";
    s << "jog confirm\n";
    first = false;
  }
  s << "screenshot 04-drums-confirmed\n"
       "click \"Close\"\n"
       "click @960,976 value 60   # the position slider, to the clap\n"
       "screenshot 05-in-step-at-the-clap\n"
       "dump gui gui.json\n"
       "click \"Leave\"\n";
  return s.str();
}

}  // namespace hostsim::program
