// The host program on a script with a storyboard: its dump and its picture
// land in the output folder, also once the operator has ended.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class StoryboardProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("ostrel3-storyboard-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  int run(const std::string& script) {
    std::ofstream(dir_ / "session.txt") << script;
    const std::string command = std::string("'") + OSTREL3_HOST_PROGRAM + "' '" + (dir_ / "session.txt").string() +
                                "' --out '" + (dir_ / "out").string() + "' >/dev/null 2>'" +
                                (dir_ / "stderr.txt").string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string read(const fs::path& file) const {
    std::stringstream text;
    text << std::ifstream(dir_ / file, std::ios::binary).rdbuf();
    return text.str();
  }

  fs::path dir_;
};

const char* const kSetup =
    "clip 701 \"Stage\" 500\n"
    "clip 702 \"Hall\" 500\n"
    "storyboard scene 701 in 0 out 299\n"
    "storyboard insert 702 at 100 in 200 out 249\n"
    "storyboard active 1\n";

TEST_F(StoryboardProgram, TheDumpAndThePictureShowTheStoryboardAlsoAfterTheOperatorsEnd) {
  // A host too old for the operator: it never runs, and every line is left.
  ASSERT_EQ(run(std::string("host version 900\n") + kSetup +
                "click \"Apply\"\n"
                "host undo\n"
                "dump storyboard dumps/storyboard.json\n"
                "screenshot storyboard edit\n"),
            0)
      << read("stderr.txt");
  const nlohmann::json d = nlohmann::json::parse(read("out/dumps/storyboard.json"));
  ASSERT_EQ(d["scenes"].size(), 2u);
  EXPECT_EQ(d["scenes"][0]["length"], 150);
  EXPECT_EQ(d["scenes"][0]["inserts"][0]["clip"]["name"], "Hall");
  EXPECT_EQ(d["active_scene"], 1);
  EXPECT_EQ(read("out/screens/edit.png").substr(1, 3), "PNG");
  const std::string log = read("out/host.log");
  EXPECT_NE(log.find("the operator has ended; not done: line 7: click \"Apply\""), std::string::npos) << log;
  EXPECT_NE(log.find("host undo: nothing to undo"), std::string::npos) << log;
  EXPECT_EQ(nlohmann::json::parse(read("out/run.json"))["user_steps_left"], 4) << "what the operator left";
}

}  // namespace
