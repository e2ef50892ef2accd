#include <sstream>

#include "hostsim/program/demo.h"

namespace hostsim::program {

// The concert project is renamed in the project dialog, copied to slot 3
// and saved to the archives; the chooser then lists both slots, and the user
// opens the copy.
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
       "click \"Archives\"          # keep the concert in the archives, for any host project\n"
       "answer archives 5\n"
       "answer file \"concert.info\"\n"
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

// Another host project, filmed again in a 30-frame format: the archive of
// the projects session comes in, its frames converted, its clips found again
// by name; the one recording missing here is reported.
std::string demoImporting() {
  return "# Importing the archived concert into a host project with a 30-frame format.\n"
         "host version 1000\nhost project 2\nhost format ntsc\nhost monitors 1\n"
         "host monitor 1 1920x1080 aspect 16:9\n"
         "clip 2001 \"Stage left\" 1800 clap 120\n"
         "clip 2002 \"Stage right\" 1740 clap 72\n"
         "clip 2003 \"Audience\" 1680 clap 168\n"
         "file programs/ostrel3/archives/concert.info from projects/home/programs/ostrel3/archives/concert.info\n"
         "screenshot 01-empty-project\n"
         "click \"Settings\"\n"
         "click \"Archives\"\n"
         "answer archives 4          # load from the archives\n"
         "answer file \"concert.info\"\n"
         "answer text 1              # use the clips found by name\n"
         "answer text 1              # the report names the missing drums: keep the import\n"
         "screenshot 02-imported\n"
         "dump clips clips.json\n"
         "click \"Leave\"\n";
}

}  // namespace hostsim::program
