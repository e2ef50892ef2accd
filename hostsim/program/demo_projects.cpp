#include <sstream>

#include "hostsim/program/demo.h"

namespace hostsim::program {

// The concert project is renamed in the project dialog and copied to slot 3;
// the chooser then lists both, and the user opens the copy.
std::string demoProjects() {
  std::ostringstream s;
  s << "# The project dialog: a new name, a copy in slot 3, the chooser, and the copy opened.\n"
    << demoSetup() << demoProjectFile(4)
    << "click \"Settings\"          # the project and settings dialog\n"
       "screenshot 01-project-dialog\n"
       "click \"Name\"              # the project's name: a text entry\n"
       "answer key \"Concert, evening show\"\n"
       "screenshot 02-project-renamed\n"
       "click \"Copy to another slot\"\n"
       "answer list 2             # the chooser leaves slot 1 out: its second row is slot 3\n"
       "screenshot 03-copy-target-chooser\n"
       "click \"OK\"\n"
       "answer text 1             # \"The project has been copied.\"\n"
       "click \"Open project\"      # the chooser: every slot, the current one selected ...\n"
       "answer list 3             # ... and slot 3 picked\n"
       "screenshot 04-project-chooser\n"
       "dump gui chooser.json\n"
       "click \"OK\"                # slot 1 is saved, slot 3 opened\n"
       "screenshot 05-project-dialog-on-slot-3\n"
       "click \"OK\"\n"
       "screenshot 06-panel-on-slot-3\n"
       "click \"Leave\"\n";
  return s.str();
}

}  // namespace hostsim::program
