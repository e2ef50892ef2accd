#include "hostsim/program/demo.h"

#include <sstream>

namespace hostsim::program {

namespace {

struct DemoClip {
  int uid;
  const char* name;
  int length;
  int clap;
  const char* sound;  ///< how its microphone heard the hall
};

// Six cameras filmed one concert; each was started at another moment, so
// the clap that opened the show lies at another frame in every recording.
// Each microphone heard the hall its own way: the audience's and the
// backstage one's from afar under their own hiss, the balcony's from afar
// with a dropout of eight seconds, the drums' close and loud.
constexpr DemoClip kClips[] = {
    {1001, "Stage left", 1500, 100, ""},
    {1002, "Stage right", 1450, 60, " gain 0.8 noise 0.05"},
    {1003, "Audience", 1400, 140, " gain 0.5 noise 0.3"},
    {1004, "Drums close-up", 1480, 85, " gain 1.6"},
    {1005, "Balcony", 1420, 120, " gain 0.4 silent 700 900"},
    {1006, "Backstage", 1460, 95, " gain 0.3 noise 0.2"}};
constexpr int kClapOnTimeline = 60;

}  // namespace

std::string demoSetup() {
  std::ostringstream s;
  s << "host version 1000\nhost project 1\nhost format pal\nhost monitors 1\n"
       "host monitor 1 1920x1080 aspect 16:9\n";
  for (const auto& c : kClips)
    s << "clip " << c.uid << " \"" << c.name << "\" " << c.length << " clap " << c.clap << c.sound << "\n";
  return s.str();
}

// A project of the first `cameras` clips, synchronised on the clap: each
// camera's clap frame is paired with camera 1's, and the panel trims the
// clips so that the claps meet.
std::string demoProjectFile(int cameras) {
  std::ostringstream s;
  s << "file programs/ostrel3/project_01_00.info\n"
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n  <name>Concert, "
    << cameras << " cameras</name>\n  <scenes>\n";
  for (int i = 0; i < cameras; ++i) {
    const DemoClip& c = kClips[i];
    const int ownFrame = i == 0 ? 0 : c.clap, firstCameraFrame = i == 0 ? 0 : kClips[0].clap;
    s << "    <scene uid=\"" << c.uid << "\" in=\"" << ownFrame << "\" cam=\"" << i << "\" audio=\"" << (i == 0 ? 1 : 0)
      << "\" synced=\"1\" in0=\"" << firstCameraFrame << "\"/>\n";
  }
  s << "  </scenes>\n  <num_gui_scenes>" << cameras << "</num_gui_scenes>\n  <act_tc>0</act_tc>\n"
    << "  <act_cam>0</act_cam>\n</ostrel3>\nend\n";
  return s.str();
}

namespace {

std::string setup() { return demoSetup(); }
std::string projectFile(int cameras) { return demoProjectFile(cameras); }

// Where the position slider lies on a 1920 x 1080 screen, by camera count.
int sliderY(int cameras) { return cameras == 2 ? 858 : cameras == 6 ? 780 : 976; }

std::string session(int cameras) {
  std::ostringstream s;
  s << "# The main panel with " << cameras << " cameras, their claps lined up.\n"
    << setup() << projectFile(cameras)
    << "screenshot panel\n"
       "# the position slider, at the frame of the clap\n"
       "click @960,"
    << sliderY(cameras) << " value " << kClapOnTimeline << "\nscreenshot at-the-clap\n"
    << "click #0x" << std::hex << 0x30 + cameras - 1 << std::dec << "   # the last camera's key: camera " << cameras
    << " becomes active\nscreenshot camera-" << cameras << "-active\n"
    << "click \"Leave\"\n";
  return s.str();
}

// An edit begun earlier: cuts between four cameras, but no clips chosen yet.
std::string cutsWithoutClips() {
  return "file programs/ostrel3/project_01_00.info\n"
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n  <name>Concert, choosing clips</name>\n"
         "  <scenes/>\n  <points>\n"
         "    <point tc=\"0\" cam=\"0\"/>\n    <point tc=\"220\" cam=\"1\"/>\n"
         "    <point tc=\"430\" cam=\"2\"/>\n    <point tc=\"610\" cam=\"3\"/>\n"
         "    <point tc=\"800\" cam=\"1\"/>\n    <point tc=\"1010\" cam=\"0\"/>\n"
         "  </points>\n  <num_gui_scenes>4</num_gui_scenes>\n  <act_tc>0</act_tc>\n"
         "  <act_cam>0</act_cam>\n</ostrel3>\nend\n";
}

// The user gives each camera its clip with the host's scene chooser, swaps
// one camera's clip for another, and zooms into the timeline.
std::string choosingClips() {
  std::ostringstream s;
  s << "# Four cameras get their clips from the scene bin; camera 3's is swapped.\n"
    << setup() << cutsWithoutClips() << "screenshot 01-no-clips\n";
  const int picks[] = {1001, 1002, 1003, 1004};
  for (int i = 0; i < 4; ++i) {
    if (i > 0) s << "click \"Camera " << i + 1 << "\"\n";
    s << "click \"Choose clip\"\nanswer scene " << picks[i] << "\n";
  }
  s << "screenshot 02-four-clips\n"
    << "click \"Audience\"          # camera 3, by its clip's name\n"
    << "click #0x8002E002         # remove its clip\n"
    << "screenshot 03-camera-3-removed\n"
    << "click \"Camera 3\"          # the position's camera became active: pick camera 3 again\n"
    << "click \"Choose clip\"\nanswer scene 1005\n"
    << "screenshot 04-camera-3-balcony\n"
    << "click @960," << sliderY(4) << " value 500   # the position slider\n"
    << "click #0x4000002B         # zoom in\nscreenshot 05-zoomed-in\n"
    << "click #0x4000002B\nscreenshot 06-zoomed-in-twice\n"
    << "dump gui gui.json\ndump clips clips.json\n"
    << "click \"Leave\"\n";
  return s.str();
}

// The edit itself: the user listens for the clap with scrubbing on, all four
// cameras play while the user cuts live, then the user stops, zooms in, moves
// one cut with the pointer, deletes another and writes the edit, with a
// dissolve at every cut, into the storyboard.
std::string editingLive() {
  std::ostringstream s;
  s << "# Scrubbing to the clap; four cameras play side by side; the user cuts live, tidies up and applies.\n"
    << setup() << projectFile(4)
    << "# scrubbing is on: moving the position plays camera 1's sound\n"
       "click @960,"
    << sliderY(4) << " value " << kClapOnTimeline - 4
    << "   # just before the clap\n"
       "command 0x10010 step 1 times 1\nwait 10\ncommand 0x10010 step 1 times 1\nwait 10\n"
       "command 0x10010 step 1 times 1\nwait 10\ncommand 0x10010 step 1 times 1   # the clap's frame\n"
       "wait 10\nscreenshot 00-scrubbing-the-clap\ndump scrub scrub.json\n"
       "click #0x77               # scrubbing off for the edit\n"
       "click #0x8000E01C         # play\n"
       "wait 60\nscreenshot 01-playing\n"
       "click \"Stage right\"     # camera 2 while everything plays\nwait 60\nscreenshot 02-live-camera-2\n"
       "click \"Audience\"\nwait 60\nscreenshot 03-live-camera-3\n"
       "click \"Stage left\"\nwait 60\n"
       "click \"Drums close-up\"\nwait 60\nscreenshot 04-live-camera-4\n"
       "click #0x4000E01B         # stop: the cursor goes back to the last cut made\n"
       "screenshot 05-stopped\ndump playback playback.json\n"
       "click #0x4000002B\nclick #0x4000002B\nclick #0x4000002B   # zoom in around it\n"
       "click #0x4000E007         # back to the cut before\n"
       "click #0x4000006D         # move this cut ...\nscreenshot 06-moving-a-cut\n"
       "pointer move 1300         # ... with the pointer\nscreenshot 07-cut-moved\npointer confirm\n"
       "click #0x4000E007\nclick #0x4000E007   # two cuts back\n"
       "click #0x8000E002         # and delete that cut\nscreenshot 08-after-the-edit\n"
       "dump gui gui.json\n"
       "click \"Apply\"            # write the edit into the storyboard\nscreenshot 09-write-the-edit\n"
       "click \"Transitions\"      # a dissolve at every cut\nclick \"Add\"\nanswer operators \"dissolve\"\n"
       "screenshot 10-transitions\nclick \"OK\"\n"
       "click \"Append to the storyboard\"\nscreenshot 11-append-chosen\nclick \"OK\"\n"
       "dump storyboard storyboard.json\nscreenshot storyboard 12-storyboard\n"
       "host undo                 # one undo takes the whole edit back out\n"
       "dump storyboard undone.json\n";
  return s.str();
}

}  // namespace

std::vector<DemoSession> demoSessions() {
  return {{"two-cameras", session(2)},
          {"four-cameras", session(4)},
          {"six-cameras", session(6)},
          {"choosing-clips", choosingClips()},
          {"editing-live", editingLive()},
          {"synchronising", demoSynchronising()},
          {"synchronising-by-sound", demoSynchronisingBySound()},
          {"projects", demoProjects()},
          {"importing", demoImporting()},
          {"information", demoInformation()}};
}

}  // namespace hostsim::program
