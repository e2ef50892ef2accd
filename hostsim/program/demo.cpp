#include "hostsim/program/demo.h"

#include <sstream>

namespace hostsim::program {

namespace {

struct DemoClip {
  int uid;
  const char* name;
  int length;
  int clap;
};

// Six cameras filmed one concert; each was started at another moment, so
// the clap that opened the show lies at another frame in every recording.
constexpr DemoClip kClips[] = {{1001, "Stage left", 1500, 100},   {1002, "Stage right", 1450, 60},
                               {1003, "Audience", 1400, 140},     {1004, "Drums close-up", 1480, 85},
                               {1005, "Balcony", 1420, 120},      {1006, "Backstage", 1460, 95}};
constexpr int kClapOnTimeline = 60;

std::string setup() {
  std::ostringstream s;
  s << "host version 1000\nhost project 1\nhost format pal\nhost monitors 1\n"
       "host monitor 1 1920x1080 aspect 16:9\n";
  for (const auto& c : kClips)
    s << "clip " << c.uid << " \"" << c.name << "\" " << c.length << " clap " << c.clap << "\n";
  return s.str();
}

// A project of the first `cameras` clips, trimmed so that their claps meet.
std::string projectFile(int cameras) {
  std::ostringstream s;
  s << "file programs/ostrel3/project_01_00.info\n"
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n  <name>Concert, "
    << cameras << " cameras</name>\n  <scenes>\n";
  for (int i = 0; i < cameras; ++i) {
    const DemoClip& c = kClips[i];
    s << "    <scene uid=\"" << c.uid << "\" in=\"" << c.clap - kClapOnTimeline << "\" cam=\"" << i
      << "\" audio=\"" << (i == 0 ? 1 : 0) << "\" synced=\"1\" in0=\"" << c.clap - kClapOnTimeline << "\"/>\n";
  }
  s << "  </scenes>\n  <num_gui_scenes>" << cameras << "</num_gui_scenes>\n  <act_tc>0</act_tc>\n"
    << "  <act_cam>0</act_cam>\n</ostrel3>\nend\n";
  return s.str();
}

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

}  // namespace

std::vector<DemoSession> demoSessions() {
  return {{"two-cameras", session(2)}, {"four-cameras", session(4)}, {"six-cameras", session(6)}};
}

}  // namespace hostsim::program
