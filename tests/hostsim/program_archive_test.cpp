// A project saved to the archives in one host project and loaded in another
// whose format runs at 30 frames a second: the sync point comes back
// converted and the clips are found again by their names.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool runScript(const fs::path& script, const fs::path& out) {
  const std::string command = std::string("'") + OSTREL3_HOST_PROGRAM + "' '" + script.string() + "' --out '" +
                              out.string() + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(ProgramArchive, AnArchivedProjectComesIntoAThirtyFrameProjectConverted) {
  const fs::path dir = fs::temp_directory_path() / ("ostrel3-archive-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "save.txt")
      << "clip 1001 \"Stage left\" 500\nclip 1002 \"Stage right\" 500\n"
         "file programs/ostrel3/project_01_00.info\n"
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n  <name>Gig</name>\n  <scenes>\n"
         "    <scene uid=\"1001\" in=\"0\" cam=\"0\" audio=\"1\"/>\n"
         "    <scene uid=\"1002\" in=\"60\" cam=\"1\" synced=\"1\" in0=\"100\"/>\n  </scenes>\n"
         "  <num_gui_scenes>4</num_gui_scenes>\n  <act_tc>0</act_tc>\n  <act_cam>0</act_cam>\n</ostrel3>\nend\n"
         "click \"Settings\"\nclick \"Archives\"\nanswer archives 5\nanswer file \"gig.info\"\n"
         "click \"OK\"\nclick \"Leave\"\n";
  ASSERT_TRUE(runScript(dir / "save.txt", dir / "saved"));
  const fs::path archive = dir / "saved/home/programs/ostrel3/archives/gig.info";
  ASSERT_TRUE(fs::exists(archive));
  EXPECT_NE(readAll(archive).find("<name>Gig</name>"), std::string::npos);

  fs::copy_file(archive, dir / "gig.info");
  std::ofstream(dir / "load.txt") << "host project 2\nhost format ntsc\n"
                                     "clip 2001 \"Stage left\" 600\nclip 2002 \"Stage right\" 600\n"
                                     "file programs/ostrel3/archives/gig.info from gig.info\n"
                                     "click \"Settings\"\nclick \"Archives\"\nanswer archives 4\n"
                                     "answer file \"gig.info\"\nanswer text 1\nclick \"Leave\"\n";
  ASSERT_TRUE(runScript(dir / "load.txt", dir / "loaded"));
  const std::string project = readAll(dir / "loaded/home/programs/ostrel3/project_02_00.info");
  EXPECT_NE(project.find("uid=\"2002\""), std::string::npos) << project;
  EXPECT_NE(project.find("in0=\"120\""), std::string::npos) << "100 frames at 25 are 120 at 30\n" << project;
  std::error_code ec;
  fs::remove_all(dir, ec);
}

}  // namespace
