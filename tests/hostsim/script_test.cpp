// Session scripts: setup lines, user actions and clear errors for bad lines.
#include <gtest/gtest.h>

#include "hostsim/user/script.h"

namespace {

using hostsim::parseScript;
using hostsim::ScriptCommand;
using hostsim::ScriptError;

int errorLine(const std::string& text) {
  try {
    parseScript(text);
  } catch (const ScriptError& e) {
    return e.line();
  }
  return 0;
}

std::string errorText(const std::string& text) {
  try {
    parseScript(text);
  } catch (const ScriptError& e) {
    return e.what();
  }
  return "";
}

TEST(ScriptTest, HostLinesSetUpTheHost) {
  auto s = parseScript(
      "# a comment\n"
      "host version 930\n"
      "host project 3\n"
      "host format ntsc\n"
      "host monitors 3\n"
      "host monitor 2 720x576 visible 8,8,711,567 aspect 4:3\n"
      "host default-monitor 2\n"
      "host render-version 42.41\n"
      "clip 1001 \"Stage \\\"left\\\"\" 750 clap 100 recorded 1700000000\n"
      "clip 1002 \"Kamera \xC3\xBC\" 500\n");
  EXPECT_EQ(s.config.version, 930);
  EXPECT_EQ(s.config.projectNumber, 3);
  EXPECT_EQ(s.config.format, hostsim::VideoFormat::Ntsc2997);
  ASSERT_EQ(s.config.monitors.size(), 3u);
  EXPECT_EQ(s.config.monitors[1].width, 720);
  EXPECT_EQ(s.config.monitors[1].visibleX1, 711);
  EXPECT_EQ(s.config.monitors[1].aspectX, 4);
  EXPECT_EQ(s.config.defaultMonitor, 2);
  EXPECT_EQ(s.config.renderMinor, 41);
  ASSERT_EQ(s.config.clips.size(), 2u);
  EXPECT_EQ(s.config.clips[0].name, "Stage \"left\"");
  EXPECT_EQ(s.config.clips[0].clapFrame, 100);
  EXPECT_EQ(s.config.clips[0].recordedAt, 1700000000);
  EXPECT_EQ(s.config.clips[1].clapFrame, -1);
  EXPECT_TRUE(s.commands.empty());
  EXPECT_EQ(parseScript("host format hd1080\n").config.format, hostsim::VideoFormat::Hd1080i25);
}

TEST(ScriptTest, ActionsKeepTheirOrderAndArguments) {
  auto s = parseScript(
      "click \"Choose clip\"\n"
      "answer scene 1001\n"
      "click #0x73\n"
      "click @120,340 sub 20\n"
      "key 0x68 qualifier 0x800\n"
      "command 0x10010 step -5\n"
      "pointer move 300\n"
      "pointer confirm\n"
      "answer key \"New name\"\n"
      "answer palette 0xB68080FF\n"
      "wait 30\n"
      "screenshot panel monitor 2\n"
      "dump log log.json\n"
      "foreign-screen on\n"
      "close\n");
  ASSERT_EQ(s.commands.size(), 15u);
  EXPECT_EQ(s.commands[0].kind, ScriptCommand::ClickCaption);
  EXPECT_EQ(s.commands[0].text, "Choose clip");
  EXPECT_EQ(s.commands[1].answer->number, 1001);
  EXPECT_EQ(s.commands[2].kind, ScriptCommand::ClickShortcut);
  EXPECT_EQ(s.commands[2].a, 0x73);
  EXPECT_EQ(s.commands[3].a, 120);
  EXPECT_EQ(s.commands[3].b, 340);
  EXPECT_EQ(s.commands[3].subEvent, 20);
  EXPECT_EQ(s.commands[4].b, 0x800);
  EXPECT_EQ(s.commands[5].b, -5);
  EXPECT_EQ(s.commands[6].a, 300);
  EXPECT_EQ(s.commands[8].answer->text, "New name");
  EXPECT_EQ(s.commands[9].answer->number, 0xB68080FFll);
  EXPECT_EQ(s.commands[11].b, 2);
  EXPECT_EQ(s.commands[13].a, 1);
  EXPECT_EQ(s.commands[14].kind, ScriptCommand::Close);
  EXPECT_EQ(s.commands[14].line, 15);
}

TEST(ScriptTest, FilesAreTakenVerbatimUpToEnd) {
  auto s = parseScript(
      "file programs/ostrel3/settings_01.info\n"
      "<?xml version=\"1.0\"?>\n"
      "  <ostrel3><prj_num>5</prj_num></ostrel3>\n"
      "end\n"
      "file programs/ostrel3/project_01_05.info from saved.info\n"
      "close\n");
  ASSERT_EQ(s.files.size(), 2u);
  EXPECT_EQ(s.files[0].content, "<?xml version=\"1.0\"?>\n  <ostrel3><prj_num>5</prj_num></ostrel3>\n");
  EXPECT_EQ(s.files[1].copyFrom, "saved.info");
  EXPECT_EQ(s.commands.size(), 1u);
}

TEST(ScriptTest, MalformedLinesNameTheirLineAndTheProblem) {
  EXPECT_EQ(errorLine("close\n\nclick Apply\n"), 3);
  EXPECT_EQ(errorLine("host format secam\n"), 1);
  EXPECT_EQ(errorLine("host format hd1080 50\n"), 1);
  EXPECT_EQ(errorLine("wait\n"), 1);
  EXPECT_EQ(errorLine("clip 1 \"a\" 10\nclip 1 \"b\" 10\n"), 2);
  EXPECT_EQ(errorLine("clip 1 \"a\" 10 clap 10\n"), 1);
  EXPECT_EQ(errorLine("click \"unclosed\n"), 1);
  EXPECT_EQ(errorLine("file ../outside\nend\n"), 1);
  EXPECT_EQ(errorLine("file programs/x\nno end\n"), 1);
  EXPECT_EQ(errorLine("key 0x20 extra\n"), 1);
  EXPECT_EQ(errorLine("host monitors 9\n"), 1);
  EXPECT_EQ(errorText("frobnicate\n"), "unknown command \"frobnicate\"");
  EXPECT_EQ(errorText("wait soon\n"), "expected a number of ticks, found \"soon\"");
}

// The check for a uid used twice once compared each clip with all before
// it; a long list must still be taken whole and a repeat found wherever the
// first use stands, also among the clips the host was set up with.
TEST(ScriptTest, ClipLinesSayHowEachMicrophoneHeardItsScene) {
  auto s = parseScript(
      "clip 1 \"a\" 90000 scene 2 silent 10 20 drift -150.5 gain 0.5 starts -612.25 noise 0 silent 30 30\n"
      "clip 2 \"b\" 100 clap 5 recorded 1700000000\n");
  const hostsim::ClipSound& a = s.config.clips[0].sound;
  EXPECT_EQ(a.scene, 2);
  EXPECT_EQ(a.startSeconds, -612.25);
  EXPECT_EQ(a.gain, 0.5);
  EXPECT_EQ(a.noise, 0.0);
  EXPECT_EQ(a.driftPpm, -150.5);
  ASSERT_EQ(a.silent.size(), 2u);
  EXPECT_EQ(a.silent[0].first, 10);
  EXPECT_EQ(a.silent[1].last, 30);
  const hostsim::ClipSound& b = s.config.clips[1].sound;
  EXPECT_FALSE(b.startSeconds) << "the clap places it";
  EXPECT_EQ(b.scene, 1);
  EXPECT_EQ(b.gain, 1.0);
  EXPECT_GT(b.noise, 0.0);
  EXPECT_EQ(b.driftPpm, 0.0);
}

TEST(ScriptTest, ClipSoundKeywordsOutOfBoundsOrInConflictAreRefused) {
  struct Case {
    const char* words;
    const char* error;
  } cases[] = {
      {"starts 100000.5", "a scene time in seconds must lie between -100000 and 100000"},
      {"starts 1,5", "expected a scene time in seconds, found \"1,5\""},
      {"starts nan", "expected a scene time in seconds, found \"nan\""},
      {"gain -0.1", "a gain must lie between 0 and 8"},
      {"noise 5", "a noise level must lie between 0 and 4"},
      {"drift 1000.01", "a clock drift in parts per million must lie between -1000 and 1000"},
      {"drift", "expected a clock drift in parts per million"},
      {"scene 0", "a scene number must lie between 1 and 99"},
      {"silent 50 40", "the last silent frame must lie between 50 and 99"},
      {"silent 90 100", "the last silent frame must lie between 90 and 99"},
      {"silent 10", "expected the last silent frame"},
      {"clap 10 starts 3", "clap and starts both say where the clip lies on its scene: give one of them"},
      {"silent 0 20 clap 20", "the clap frame 20 lies in a silent stretch, where the clap is not heard"},
      {"loud 3", "expected clap, recorded, until, starts, gain, noise, drift, silent or scene, found \"loud\""},
  };
  for (const Case& c : cases) EXPECT_EQ(errorText(std::string("clip 1 \"a\" 100 ") + c.words + "\n"), c.error) << c.words;
}

TEST(ScriptTest, ManyClipsAreTakenAndARepeatedUidIsFoundWhereverItStands) {
  constexpr uint32_t kClips = 100000;
  std::string many;
  for (uint32_t uid = kClips; uid >= 1; --uid) many += "clip " + std::to_string(uid) + " \"c\" 10\n";
  const auto s = parseScript(many);
  ASSERT_EQ(s.config.clips.size(), size_t(kClips));
  EXPECT_EQ(s.config.clips.front().uid, kClips);
  EXPECT_EQ(s.config.clips.back().uid, 1u);

  hostsim::HostConfig base;
  base.clips.push_back({});
  base.clips.back().uid = 77;
  struct Case {
    std::string text;
    hostsim::HostConfig base;
    int line;
  };
  const Case cases[] = {
      {many + "clip " + std::to_string(kClips) + " \"again\" 10\n", {}, int(kClips) + 1},
      {many + "clip 1 \"again\" 10\n", {}, int(kClips) + 1},
      {"clip 77 \"from the setup\" 10\n", base, 1},
  };
  for (const Case& c : cases) {
    try {
      parseScript(c.text, c.base);
      ADD_FAILURE() << "no error for line " << c.line;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.line(), c.line);
      EXPECT_NE(std::string(e.what()).find("is used twice"), std::string::npos) << e.what();
    }
  }
}

}  // namespace

namespace {

TEST(ScriptTest, MediaAndFileAnswersAndTheirMistakes) {
  auto s = parseScript(
      "host medium \"USB\"\n"
      "host medium \"Card\" needs-mount\n"
      "host medium \"Old\" mount-fails unusable\n"
      "answer media \"Card\"\n"
      "answer media cancel\n"
      "answer file \"show.info\"\n"
      "answer file cancel\n"
      "host fail vreqFileRequest 2\n"
      "host fail mainSelectMediaInit\n");
  ASSERT_EQ(s.config.failures.size(), 2u);
  EXPECT_EQ(s.config.failures[0].nth, 2);
  EXPECT_EQ(s.config.failures[1].nth, 0);
  ASSERT_EQ(s.config.media.size(), 3u);
  EXPECT_FALSE(s.config.media[0].needsMount);
  EXPECT_TRUE(s.config.media[1].needsMount);
  EXPECT_TRUE(s.config.media[2].needsMount && s.config.media[2].mountFails && s.config.media[2].unusable);
  ASSERT_EQ(s.commands.size(), 4u);
  EXPECT_EQ(s.commands[0].answer->kind, hostsim::AnswerKind::Media);
  EXPECT_EQ(s.commands[0].answer->text, "Card");
  EXPECT_EQ(s.commands[1].answer->text, "");
  EXPECT_EQ(s.commands[2].answer->text, "show.info");
  EXPECT_EQ(s.commands[3].answer->text, "");
  const char* mistakes[] = {
      "host medium \"USB\"\nhost medium \"USB\"\n", "host medium \"../x\"\n", "host medium \"a/b\"\n",
      "host medium \"USB\" fast\n",                  "answer media \"\"\n",     "answer file \"\"\n",
      "answer media USB\n", "host fail\n", "host fail vreqFileRequest 0\n",
  };
  for (const char* text : mistakes) EXPECT_GT(errorLine(text), 0) << text;
}

}  // namespace
