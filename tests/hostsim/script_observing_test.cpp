// Session-script lines for the GUI look, the colour boost, recording ends
// and the dumps: what they set, and the lines that must stop a script.
#include <gtest/gtest.h>

#include "hostsim/media/sources.h"
#include "hostsim/user/script.h"
#include "script_bad_line.h"

namespace {

using hostsim::parseScript;
using hostsim::ScriptCommand;
using ostrel3_test::BadLine;
using ostrel3_test::expectRefused;

TEST(ScriptObservingTest, SetupLinesSetTheHostAndDumpLinesNameTheirFiles) {
  auto s = parseScript(
      "host gui-look 2\nhost colour-boost on\n"
      "clip 1 \"a\" 100 until 1700000100 recorded 1700000000\n"
      "clip 2 \"b\" 100 recorded 1700000000\n"
      "dump gui gui.json\ndump clips dumps/clips.json\ndump trace trace.txt\n");
  EXPECT_EQ(s.config.guiLook, 2);
  EXPECT_TRUE(s.config.colourBoost);
  EXPECT_EQ(s.config.clips[0].recordedUntil, 1700000100) << "options in any order";
  EXPECT_EQ(s.config.clips[1].recordedUntil, 0) << "no end: derived from the length";
  ASSERT_EQ(s.commands.size(), 3u);
  EXPECT_EQ(s.commands[0].kind, ScriptCommand::DumpGui);
  EXPECT_EQ(s.commands[1].kind, ScriptCommand::DumpClips);
  EXPECT_EQ(s.commands[1].text, "dumps/clips.json");
  EXPECT_EQ(s.commands[2].kind, ScriptCommand::DumpTrace);
  EXPECT_FALSE(parseScript("host colour-boost on\nhost colour-boost off\n").config.colourBoost);
  // Without a start the end is held against the start derived from the uid;
  // an end in the start's second is a recording shorter than a second.
  const std::string derived = std::to_string(hostsim::derivedRecordingStart(7));
  EXPECT_NO_THROW(parseScript("clip 7 \"e\" 10 until " + derived + "\n"));
}

class ScriptObservingErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptObservingErrors, StopTheScriptWithTheLineNumber) {
  expectRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptObservingErrors,
    ::testing::Values(BadLine{"close\nhost gui-look 3\n", 2, "between 1 and 2"},
                      BadLine{"host gui-look new\n", 1, "expected a GUI look"},
                      BadLine{"host gui-look 2 3\n", 1, "unexpected \"3\""},
                      BadLine{"host colour-boost yes\n", 1, "expected colour-boost on or off"},
                      BadLine{"clip 1 \"a\" 10 recorded 1700000000 until 1699999999\n", 1, "before its start"},
                      BadLine{"clip 1 \"a\" 10 until 1000\n", 1, "before its start"},
                      BadLine{"clip 1 \"a\" 10 until\n", 1, "expected a recording end"},
                      // Seconds so large that adding the clip's length would overflow.
                      BadLine{"clip 1 \"a\" 10 recorded 9223372036854775807\n", 1, "must lie between"},
                      BadLine{"dump screen s.json\n", 1, "expected dump log, gui, clips, trace, playback"},
                      BadLine{"dump gui\n", 1, "expected more"},
                      BadLine{"dump trace ../trace.txt\n", 1, "inside the output folder"},
                      BadLine{"dump gui /tmp/gui.json\n", 1, "inside the output folder"}));

}  // namespace
