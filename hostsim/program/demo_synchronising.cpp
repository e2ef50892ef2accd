#include <sstream>
#include <utility>

#include "hostsim/program/demo.h"

namespace hostsim::program {

namespace {

// The first `cameras` cameras of the concert, their clips chosen but never
// brought into step: every camera starts at its own first frame.
std::string outOfStep(int cameras) {
  std::ostringstream s;
  s << "file programs/ostrel3/project_01_00.info\n"
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n  <name>Concert, out of step</name>\n"
       "  <scenes>\n";
  for (int i = 0; i < cameras; ++i)
    s << "    <scene uid=\"" << 1001 + i << "\" in=\"0\" cam=\"" << i << "\" audio=\"" << (i == 0) << "\"/>\n";
  s << "  </scenes>\n  <num_gui_scenes>" << cameras << "</num_gui_scenes>\n  <act_tc>0</act_tc>\n"
    << "  <act_cam>0</act_cam>\n</ostrel3>\nend\n";
  return s.str();
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
    << demoSetup() << outOfStep(4) << "screenshot 01-out-of-step\n"
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

// The user lets the dialog find all six cameras of the concert by their
// sound, looks at each verdict and confirms each pair.
std::string demoSynchronisingBySound() {
  std::ostringstream s;
  s << "# Six cameras out of step; the dialog finds each one by its sound, the user confirms.\n"
    << demoSetup() << outOfStep(6) << "click \"Synchronise\"\nclick \"All cameras\"\n"
    << "screenshot 01-stage-right-found\njog confirm\n";
  const std::pair<const char*, const char*> others[] = {
      {"Audience", "audience"}, {"Drums close-up", "drums"}, {"Balcony", "balcony"}, {"Backstage", "backstage"}};
  int shot = 2;
  for (const auto& [camera, file] : others) {
    s << "click @460,70 entry \"" << camera << "\"\nscreenshot 0" << shot++ << "-" << file << "\n"
      << "click \"Position\" 2\njog confirm\n";
  }
  s << "click \"Close\"\n"
       "click @960,780 value 60   # the position slider, to the clap\n"
       "screenshot 06-in-step-at-the-clap\n"
       "dump gui gui.json\n"
       "click \"Leave\"\n";
  return s.str();
}

}  // namespace hostsim::program
