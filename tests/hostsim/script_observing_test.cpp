// Session-script lines for the GUI look, the colour boost, recording ends
// and the dumps: what they set, and the lines that must stop a script.
#include <gtest/gtest.h>

#include "hostsim/media/sources.h"
#include "hostsim/user/script.h"

namespace {

using hostsim::parseScript;
using hostsim::ScriptCommand;
using hostsim::ScriptError;

TEST(ScriptObservingTest, LookAndColourBoostLinesSetTheHost) {
  const hostsim::HostConfig defaults;
  EXPECT_EQ(defaults.guiLook, 1);
  EXPECT_FALSE(defaults.colourBoost);
  auto s = parseScript("host gui-look 2\nhost colour-boost on\n");
  EXPECT_EQ(s.config.guiLook, 2);
  EXPECT_TRUE(s.config.colourBoost);
  s = parseScript("host colour-boost on\nhost colour-boost off\nhost gui-look 1\n");
  EXPECT_FALSE(s.config.colourBoost) << "the last line wins";
  EXPECT_EQ(s.config.guiLook, 1);
}

TEST(ScriptObservingTest, ClipRecordingEndIsOptionalAndKeptAsGiven) {
  auto s = parseScript(
      "clip 1 \"a\" 100 recorded 1700000000 until 1700000100\n"
      "clip 2 \"b\" 100 until 1700000000 recorded 1699999000 clap 5\n"
      "clip 3 \"c\" 100 recorded 1700000000\n"
      "clip 4 \"d\" 100 recorded 1700000000 until 1700000000\n");
  ASSERT_EQ(s.config.clips.size(), 4u);
  EXPECT_EQ(s.config.clips[0].recordedUntil, 1700000100);
  EXPECT_EQ(s.config.clips[1].recordedAt, 1699999000) << "options in any order";
  EXPECT_EQ(s.config.clips[1].recordedUntil, 1700000000);
  EXPECT_EQ(s.config.clips[2].recordedUntil, 0) << "no end given: derived from the length";
  EXPECT_EQ(s.config.clips[3].recordedUntil, 1700000000) << "an end at the start second is a short recording";
  // Without a start the end is checked against the start derived from the uid.
  const int64_t derived = hostsim::derivedRecordingStart(7);
  EXPECT_EQ(parseScript("clip 7 \"e\" 10 until " + std::to_string(derived) + "\n").config.clips[0].recordedUntil, derived);
}

TEST(ScriptObservingTest, DumpLinesNameTheirFile) {
  auto s = parseScript("dump gui gui.json\ndump clips clips.json\ndump trace dumps/trace.txt\ndump log log.json\n");
  ASSERT_EQ(s.commands.size(), 4u);
  const ScriptCommand::Kind kinds[] = {ScriptCommand::DumpGui, ScriptCommand::DumpClips, ScriptCommand::DumpTrace,
                                       ScriptCommand::DumpLog};
  const char* files[] = {"gui.json", "clips.json", "dumps/trace.txt", "log.json"};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(s.commands[i].kind, kinds[i]) << i;
    EXPECT_EQ(s.commands[i].text, files[i]) << i;
    EXPECT_EQ(s.commands[i].line, static_cast<int>(i + 1));
  }
}

struct BadLine {
  const char* script;
  int line;
  const char* message;  ///< a part of the error text
};

class ScriptObservingErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptObservingErrors, StopTheScriptWithTheLineNumber) {
  const BadLine& bad = GetParam();
  try {
    parseScript(bad.script);
    FAIL() << "accepted: " << bad.script;
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.line(), bad.line) << bad.script;
    EXPECT_NE(std::string(e.what()).find(bad.message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptObservingErrors,
    ::testing::Values(
        BadLine{"close\nhost gui-look 3\n", 2, "between 1 and 2"},
        BadLine{"host gui-look 0\n", 1, "between 1 and 2"},
        BadLine{"host gui-look new\n", 1, "expected a GUI look"},
        BadLine{"host gui-look\n", 1, "expected a GUI look"},
        BadLine{"host gui-look 2 3\n", 1, "unexpected \"3\""},
        BadLine{"host colour-boost yes\n", 1, "expected colour-boost on or off"},
        BadLine{"host colour-boost\n", 1, "expected"},
        BadLine{"host colour-boost on off\n", 1, "unexpected \"off\""},
        BadLine{"clip 1 \"a\" 10 recorded 1700000000 until 1699999999\n", 1, "before its start"},
        BadLine{"clip 1 \"a\" 10 until 1000\n", 1, "before its start"},
        BadLine{"clip 1 \"a\" 10 until\n", 1, "expected a recording end"},
        BadLine{"clip 1 \"a\" 10 until soon\n", 1, "expected a recording end"},
        BadLine{"clip 1 \"a\" 10 until 0\n", 1, "must lie between"},
        // Seconds so large that adding the clip's length would overflow.
        BadLine{"clip 1 \"a\" 10 recorded 9223372036854775807\n", 1, "must lie between"},
        BadLine{"clip 1 \"a\" 10 until 9223372036854775807\n", 1, "must lie between"},
        BadLine{"dump\n", 1, "expected dump log, gui, clips, trace or storyboard"},
        BadLine{"dump screen s.json\n", 1, "expected dump log, gui, clips, trace or storyboard"},
        BadLine{"dump gui\n", 1, "expected more"},
        BadLine{"dump clips a.json b.json\n", 1, "unexpected \"b.json\""},
        BadLine{"dump trace ../trace.txt\n", 1, "inside the output folder"},
        BadLine{"dump gui /tmp/gui.json\n", 1, "inside the output folder"}));

}  // namespace
