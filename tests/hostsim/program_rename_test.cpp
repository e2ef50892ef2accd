// A session script renames a camera's clip: the dump of the clips shows the
// new name on the camera's copy and on the bin's clip alike.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

TEST(ProgramRename, TheCopyAndTheBinClipTakeTheNewName) {
  const fs::path dir = fs::temp_directory_path() / ("ostrel3-rename-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "session.txt")
      << "clip 1001 \"Stage left\" 500\n"
         "file programs/ostrel3/project_01_00.info\n"
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n  <name>Gig</name>\n  <scenes>\n"
         "    <scene uid=\"1001\" in=\"0\" cam=\"0\" audio=\"1\"/>\n  </scenes>\n"
         "  <num_gui_scenes>4</num_gui_scenes>\n  <act_tc>0</act_tc>\n  <act_cam>0</act_cam>\n</ostrel3>\nend\n"
         "click @150,105\n"  // the clip name field
         "answer key \"Stage left, wide\"\n"
         "dump clips clips.json\n"
         "click \"Info\"\nclick \"OK\"\nclick \"Leave\"\n";
  const std::string command = std::string("'") + OSTREL3_HOST_PROGRAM + "' '" + (dir / "session.txt").string() +
                              "' --out '" + (dir / "out").string() + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::ifstream in(dir / "out" / "clips.json");
  std::stringstream text;
  text << in.rdbuf();
  const nlohmann::json clips = nlohmann::json::parse(text.str());
  ASSERT_EQ(clips["bin"].size(), 1u);
  ASSERT_EQ(clips["copies"].size(), 1u);
  EXPECT_EQ(clips["bin"][0]["name"], "Stage left, wide");
  EXPECT_EQ(clips["copies"][0]["name"], "Stage left, wide");
  EXPECT_EQ(clips["copies"][0]["media_uid"], 1001);
  std::error_code ec;
  fs::remove_all(dir, ec);
}

}  // namespace
