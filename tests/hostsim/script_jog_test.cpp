// Script lines for the jog, clicks by place or handle and the tasks dump;
// the lines that must stop a script, before the run or during it.
#include <gtest/gtest.h>

#include "hostsim/user/script.h"
#include "script_bad_line.h"
#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using hostsim::parseScript;
using hostsim::ScriptCommand;

TEST(ScriptJogTest, LinesBecomeTheirCommands) {
  auto s = parseScript(
      "jog -10\njog confirm\njog cancel\n"
      "click \"Position\" 2\nclick \"Position\" value 3\nclick \"Position\" 2 sub 2 value 7\n"
      "click element 0x1A2 value 5 sub 2\ndump tasks tasks/after.json\n");
  ASSERT_EQ(s.commands.size(), 8u);
  EXPECT_EQ(s.commands[0].kind, ScriptCommand::Jog);
  EXPECT_EQ(s.commands[0].a, -10);
  EXPECT_EQ(s.commands[1].kind, ScriptCommand::JogConfirm);
  EXPECT_EQ(s.commands[2].kind, ScriptCommand::JogCancel);
  EXPECT_EQ(s.commands[3].kind, ScriptCommand::ClickCaption);
  EXPECT_EQ(s.commands[3].occurrence, 2);
  EXPECT_EQ(s.commands[4].occurrence, 1) << "no number: the first";
  EXPECT_EQ(s.commands[4].value, 3);
  EXPECT_EQ(s.commands[5].occurrence, 2);
  EXPECT_EQ(s.commands[5].subEvent, 2);
  EXPECT_EQ(s.commands[5].value, 7);
  EXPECT_EQ(s.commands[6].kind, ScriptCommand::ClickElement);
  EXPECT_EQ(s.commands[6].a, 0x1A2);
  EXPECT_EQ(s.commands[6].subEvent, 2);
  EXPECT_EQ(s.commands[7].kind, ScriptCommand::DumpTasks);
  EXPECT_EQ(s.commands[7].text, "tasks/after.json");
}

class ScriptJogErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptJogErrors, StopTheScriptWithTheLineNumber) {
  expectRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptJogErrors,
    ::testing::Values(BadLine{"jog\n", 1, "expected a number of jog steps"},
                      BadLine{"close\njog far\n", 2, "expected a number of jog steps"},
                      BadLine{"jog 2000000\n", 1, "must lie between"},
                      BadLine{"jog confirm now\n", 1, "unexpected \"now\""},
                      BadLine{"click \"Position\" 0\n", 1, "must lie between 1"},
                      BadLine{"click \"Position\" -2\n", 1, "must lie between 1"},
                      BadLine{"click element\n", 1, "expected an element handle"},
                      BadLine{"click element 0\n", 1, "must lie between"},
                      BadLine{"click element OK\n", 1, "expected an element handle"},
                      BadLine{"dump tasks\n", 1, "expected more"},
                      BadLine{"dump tasks ../t.json\n", 1, "inside the output folder"}));

// During the run: a line that aims at one element and misses stops the
// script, and nothing after it is done.
class ScriptStopTest : public GuiTest {};

TEST_F(ScriptStopTest, AMissedAimStopsTheScriptAndDropsTheRest) {
  VREQ_REQUEST req = openRequest(0x1E, 300, 200, u"Info");
  bool laterRan = false;
  hostsim::UserStep miss;
  miss.description = "line 3: click \"Position\" 2";
  miss.action = [](hostsim::Host& h) { return h.panels().input().clickCaption("Position", {}, 2); };
  miss.stopsOnFailure = true;
  host().user().add(std::move(miss));
  host().user().addAction("line 4: click \"OK\"", [&](hostsim::Host&) { return laterRan = true; });
  HOST_MESSAGE m{};
  ASSERT_EQ(vgMsgQReceive2(&m, -1, req.queue), 44);
  EXPECT_EQ(m.msgClass, HOST_MSG_CLOSE) << "with the script stopped the user closes the screen";
  EXPECT_FALSE(laterRan);
  EXPECT_EQ(host().user().stoppedAt(), "line 3: click \"Position\" 2");
  EXPECT_TRUE(hostLogged(4, "not done: line 4"));
  vreqDeleteRequest(&req);
}

}  // namespace
}  // namespace ostrel3_test
