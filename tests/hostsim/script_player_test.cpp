// Session-script lines for playback: jog bursts, the player's events and the
// playback dump, and the lines that must stop a script.
#include <gtest/gtest.h>

#include "hostsim/user/script.h"
#include "script_bad_line.h"

namespace {

using hostsim::parseScript;
using hostsim::ScriptCommand;
using ostrel3_test::BadLine;
using ostrel3_test::expectRefused;

TEST(ScriptPlayerTest, BurstsEventsAndTheDumpKeepTheirArguments) {
  const auto s = parseScript(
      "command 0x10010 step 2 times 5\n"
      "command 0x10010 times 3 step -1\n"
      "command 0x10011\n"
      "player end\n"
      "player event 2 400\n"
      "dump playback dumps/playback.json\n");
  ASSERT_EQ(s.commands.size(), 6u);
  EXPECT_EQ(s.commands[0].kind, ScriptCommand::Command);
  EXPECT_EQ(s.commands[0].b, 2);
  EXPECT_EQ(s.commands[0].times, 5);
  EXPECT_EQ(s.commands[1].b, -1) << "options in any order";
  EXPECT_EQ(s.commands[1].times, 3);
  EXPECT_EQ(s.commands[2].times, 1) << "one message unless told";
  EXPECT_EQ(s.commands[3].kind, ScriptCommand::PlayerEnd);
  EXPECT_EQ(s.commands[4].kind, ScriptCommand::PlayerEvent);
  EXPECT_EQ(s.commands[4].a, 2) << "the camera as the user counts it";
  EXPECT_EQ(s.commands[4].b, 400);
  EXPECT_EQ(s.commands[5].kind, ScriptCommand::DumpPlayback);
  EXPECT_EQ(s.commands[5].text, "dumps/playback.json");
}

class ScriptPlayerErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptPlayerErrors, StopTheScriptWithTheLineNumber) {
  expectRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptPlayerErrors,
    ::testing::Values(BadLine{"close\ncommand 0x10010 times 0\n", 2, "between 1 and 100"},
                      BadLine{"command 0x10010 twice 2\n", 1, "expected step or times, found \"twice\""},
                      BadLine{"player\n", 1, "expected player end or player event CAMERA FIELD"},
                      BadLine{"player start\n", 1, "expected player end or player event CAMERA FIELD"},
                      BadLine{"player event 5 10\n", 1, "between 1 and 4"},
                      BadLine{"player event 1\n", 1, "expected a field position"},
                      BadLine{"player event 1 1073741824\n", 1, "between 0 and 1073741823"},
                      BadLine{"dump playback\n", 1, "expected more"},
                      BadLine{"dump playback ../p.json\n", 1, "inside the output folder"}));

}  // namespace
