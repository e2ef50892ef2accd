// A session script leaves while the project cannot be saved (a folder where
// the slot file belongs): the question names the file and the cause, and
// the script's answer decides whether the operator stays for the next line.
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

std::string slurp(const fs::path& p) {
  std::ifstream in(p);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(ProgramLeaveUnsaved, StayKeepsTheOperatorForTheNextLinesAndLeaveAnywayEndsIt) {
  struct Case {
    const char* answers;  // after each close
    size_t questions;
    int stepsLeft;
  };
  const Case cases[] = {{"close\nanswer text 1\nclose\nanswer text 2\n", 2, 0},
                        {"close\nanswer text 0\nclose\nanswer text 2\n", 2, 0},
                        {"close\nanswer text 2\nclose\n", 1, 1}};
  const fs::path dir = fs::temp_directory_path() / ("ostrel3-leave-" + std::to_string(::getpid()));
  for (const Case& c : cases) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "session.txt") << "clip 1001 \"Stage left\" 500\n"
                                          "file programs/ostrel3/project_01_00.info/blocker\nend\n"
                                       << c.answers;
    const std::string command = std::string("'") + OSTREL3_HOST_PROGRAM + "' '" + (dir / "session.txt").string() +
                                "' --out '" + (dir / "out").string() + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.answers;
    const nlohmann::json run = nlohmann::json::parse(slurp(dir / "out" / "run.json"));
    EXPECT_EQ(run["run_result"], 0) << c.answers;
    EXPECT_EQ(run["user_steps_left"], c.stepsLeft) << c.answers;
    const std::string question = "text request \"Leave\": The project could not be saved: " +
                                 (dir / "out" / "home" / "programs" / "ostrel3" / "project_01_00.info").string() +
                                 ": Is a directory";
    EXPECT_EQ(occurrences(slurp(dir / "out" / "host.log"), question), c.questions) << c.answers;
    EXPECT_TRUE(fs::exists(dir / "out" / "home" / "programs" / "ostrel3" / "project_01_00.info" / "blocker"));
  }
  std::error_code ec;
  fs::remove_all(dir, ec);
}

}  // namespace
