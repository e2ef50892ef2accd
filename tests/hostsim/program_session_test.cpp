// The host program run on small session scripts, as the team's checks run
// it: the dumps land in the output folder and the trace is recorded.
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

class ProgramSession : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("ostrel3-session-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  /// Runs the program on a script; returns its exit code.
  int run(const std::string& script) {
    std::ofstream(dir_ / "session.txt") << script;
    const std::string command = std::string("'") + OSTREL3_HOST_PROGRAM + "' '" + (dir_ / "session.txt").string() +
                                "' --out '" + (dir_ / "out").string() + "' >'" + (dir_ / "stdout.txt").string() +
                                "' 2>'" + (dir_ / "stderr.txt").string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string read(const fs::path& file) const {
    std::ifstream in(dir_ / file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  nlohmann::json json(const fs::path& file) const { return nlohmann::json::parse(read(file)); }

  fs::path dir_;
};

TEST_F(ProgramSession, DumpsOfARunLandInTheOutputFolder) {
  ASSERT_EQ(run("host gui-look 2\n"
                "host colour-boost on\n"
                "clip 1001 \"Stage\" 500 recorded 1700000000 until 1700000030\n"
                "dump gui gui.json\n"
                "dump clips dumps/clips.json\n"
                "dump trace trace.txt\n"),
            0)
      << read("stderr.txt");
  EXPECT_EQ(json("out/run.json")["left_behind"], nlohmann::json::array()) << "a normal session releases everything";
  // The operator's main panel is open, with its elements.
  const nlohmann::json gui = json("out/gui.json");
  ASSERT_FALSE(gui["requests"].empty());
  EXPECT_EQ(gui["requests"][0]["kind"], "full screen");
  EXPECT_GT(gui["requests"][0]["elements"].size(), 2u) << "more than the host's own OK and cancel";

  const nlohmann::json clips = json("out/dumps/clips.json");
  ASSERT_EQ(clips["bin"].size(), 1u);
  EXPECT_EQ(clips["bin"][0]["recording_end"]["seconds"], 1700000030);

  // Tracing is on in scripts: the panel's request and the receive that ran
  // the dumps are in the trace.
  const std::string trace = read("out/trace.txt");
  for (const char* call : {"vreqCreateRequest(", "vgMsgQReceive2("})
    EXPECT_NE(trace.find(call), std::string::npos) << call;
}

TEST_F(ProgramSession, PlayerLinesWithoutAPlaybackAreRefusedAndTheDumpSaysIdle) {
  ASSERT_EQ(run("clip 1001 \"Stage\" 500\n"
                "command 0x10010 step 1 times 3\n"
                "player end\n"
                "player event 2 100\n"
                "dump playback playback.json\n"),
            0)
      << read("stderr.txt");
  const nlohmann::json playback = json("out/playback.json");
  EXPECT_EQ(playback["state"], "idle");
  EXPECT_TRUE(playback["playbacks"].empty());
  const std::string log = read("out/host.log");
  for (const char* line : {"player end: refused: no player runs", "player event: refused: no player runs",
                           "could not do line 3: player end"})
    EXPECT_NE(log.find(line), std::string::npos) << line;
}

TEST_F(ProgramSession, TheOperatorDirectoryIsTheDefaultsUnlessTheScriptNamesItsOwn) {
  ASSERT_EQ(run("dump operators ops.json\n"), 0) << read("stderr.txt");
  const nlohmann::json defaults = json("out/ops.json");
  ASSERT_GE(defaults["directory"].size(), 4u);
  bool refusedAddOn = false;
  for (const auto& o : defaults["directory"])
    refusedAddOn = refusedAddOn || o["path"].get<std::string>().find("addon_") != std::string::npos;
  EXPECT_TRUE(refusedAddOn) << "one add-on the picker refuses is offered";

  ASSERT_EQ(run("operator transition/star \"Star\" flags 4 prefs 2 settings \"Points\" defaults 0510\n"
                "dump operators ops.json\n"),
            0)
      << read("stderr.txt");
  const nlohmann::json own = json("out/ops.json");
  ASSERT_EQ(own["directory"].size(), 1u);
  EXPECT_EQ(own["directory"][0]["settings"], (nlohmann::json{"Points", "Setting 2"}));
  EXPECT_EQ(own["directory"][0]["defaults"], "0510");
  EXPECT_TRUE(own["loaded"].empty());
}

// A refused host call ends the run with the operator's log line naming the
// source that met it, and nothing acquired is left behind.
TEST_F(ProgramSession, ARefusedCallIsLoggedAndLeavesNothingBehind) {
  struct Case {
    const char* lines;
    int runResult;
    const char* logLine;
  };
  const Case cases[] = {
      // the operator's second queue: the main object cannot be built
      {"host fail msgQCreate 2\n", -1, "level 4  run.cpp:"},
      // the player refuses to start: the session goes on and leaves
      {"host fail mainPlayInit\nclick \"Choose clip\"\nanswer scene 1001\nclick #0x8000E01C\nwait 10\n"
       "click \"Leave\"\n",
       0, "level 4  player_session.cpp:"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(run(std::string("clip 1001 \"Stage\" 500\n") + c.lines), 0) << c.lines << read("stderr.txt");
    const nlohmann::json report = json("out/run.json");
    EXPECT_EQ(report["run_result"], c.runResult) << c.lines;
    EXPECT_EQ(report["left_behind"], nlohmann::json::array()) << c.lines;
    EXPECT_NE(read("out/host.log").find(c.logLine), std::string::npos) << c.lines << read("out/host.log");
  }
}

TEST_F(ProgramSession, ABadLineStopsTheScriptBeforeAnythingRuns) {
  EXPECT_EQ(run("host gui-look 2\nclip 1 \"a\" 10 recorded 1700000000 until 1600000000\ndump gui gui.json\n"), 2);
  EXPECT_NE(read("stderr.txt").find("session.txt:2: the recording end"), std::string::npos) << read("stderr.txt");
  EXPECT_FALSE(fs::exists(dir_ / "out" / "gui.json"));
}

TEST_F(ProgramSession, MediaAreFoldersOfTheHomeThatAScriptCanFill) {
  ASSERT_EQ(run("host medium \"USB\" needs-mount\n"
                "host medium \"Card\"\n"
                "file media/USB/show.info\n"
                "<ostrel3/>\n"
                "end\n"),
            0)
      << read("stderr.txt");
  EXPECT_EQ(read("out/home/media/USB/show.info"), "<ostrel3/>\n");
  EXPECT_TRUE(fs::is_directory(dir_ / "out/home/media/Card"));
  EXPECT_EQ(run("host medium \"USB\"\nhost medium \"../up\"\n"), 2);
  EXPECT_NE(read("stderr.txt").find("session.txt:2:"), std::string::npos) << read("stderr.txt");
}

}  // namespace
