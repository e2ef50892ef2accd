// Script lines of the operator directory and the answers of its requesters.
#include <gtest/gtest.h>

#include "hostsim/media/operators.h"
#include "hostsim/user/script.h"

namespace {

using hostsim::AnswerKind;
using hostsim::parseScript;
using hostsim::ScriptError;

TEST(ScriptOperators, OperatorLinesFillTheDirectory) {
  const auto s = parseScript(
      "operator transition/wipe \"Wipe \\\"soft\\\"\" flags 0x4 prefs 4 settings \"Softness\" \"Border\" defaults 2004a0FF\n"
      "operator transition/iris \"Iris\"\n"
      "operator effect/blur \"Blur\" defaults 0a prefs 1\n");
  ASSERT_EQ(s.config.operators.size(), 3u);
  const auto& wipe = s.config.operators[0];
  EXPECT_EQ(wipe.path, "transition/wipe");
  EXPECT_EQ(wipe.name, "Wipe \"soft\"");
  EXPECT_EQ(wipe.flags, 4u);
  EXPECT_EQ(wipe.prefsSize, 4);
  EXPECT_EQ(wipe.settingNames, (std::vector<std::string>{"Softness", "Border"}));
  EXPECT_EQ(wipe.defaults, (std::vector<uint8_t>{0x20, 0x04, 0xA0, 0xFF}));
  EXPECT_EQ(s.config.operators[1].prefsSize, 0);
  EXPECT_EQ(s.config.operators[2].defaults, (std::vector<uint8_t>{0x0A})) << "options in any order";
}

TEST(ScriptOperators, AScriptsOwnOperatorsReplaceTheSetupsAndNoneEmptiesIt) {
  hostsim::HostConfig setup;
  setup.operators = hostsim::defaultTransitions();
  EXPECT_EQ(parseScript("close\n", setup).config.operators.size(), setup.operators.size());
  const auto own = parseScript("operator transition/star \"Star\"\noperator transition/zoom \"Zoom\"\n", setup);
  ASSERT_EQ(own.config.operators.size(), 2u);
  EXPECT_EQ(own.config.operators[0].path, "transition/star");
  EXPECT_TRUE(parseScript("operator none\n", setup).config.operators.empty());
}

TEST(ScriptOperators, MalformedOperatorLinesSayWhatIsWrong) {
  const std::pair<const char*, const char*> cases[] = {
      {"operator wipe \"Wipe\"", "expected an operator path like transition/wipe"},
      {"operator transition/../x \"X\"", "expected an operator path"},
      {"operator \"transition/wipe\" \"Wipe\"", "expected an operator path"},
      {"operator transition/wipe Wipe", "expected the operator's name in quotes"},
      {"operator transition/wipe \"\"", "the operator's name must not be empty"},
      {"operator transition/wipe \"Wipe\" prefs 5000", "a settings size in bytes must lie between 0 and 4096"},
      {"operator transition/wipe \"Wipe\" prefs 1 settings \"A\" \"B\"", "2 setting names for 1 bytes of settings"},
      {"operator transition/wipe \"Wipe\" prefs 1 settings", "expected the settings' names in quotes"},
      {"operator transition/wipe \"Wipe\" prefs 2 defaults 0a", "1 default bytes for 2 bytes of settings"},
      {"operator transition/wipe \"Wipe\" prefs 1 defaults 0g", "expected the default settings as hexadecimal bytes"},
      {"operator transition/wipe \"Wipe\" speed 3", "expected flags, prefs, settings or defaults"},
      {"operator transition/wipe \"W\"\noperator transition/wipe \"W\"", "operator transition/wipe is set up twice"},
      {"operator none extra", "unexpected \"extra\""},
  };
  for (const auto& [text, message] : cases) {
    try {
      parseScript(text);
      ADD_FAILURE() << text << ": accepted";
    } catch (const ScriptError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << text << ": " << e.what();
    }
  }
}

TEST(ScriptOperators, RequesterAnswersCarryTheirNamesAndNothingCancels) {
  const auto s = parseScript(
      "answer operators \"wipe\" \"dissolve\"\n"
      "answer operators\n"
      "answer jingle \"jingles/intro.wav\" \"Intro\"\n"
      "answer jingle\n");
  ASSERT_EQ(s.commands.size(), 4u);
  EXPECT_EQ(s.commands[0].answer->kind, AnswerKind::Operators);
  EXPECT_EQ(s.commands[0].answer->texts, (std::vector<std::string>{"wipe", "dissolve"}));
  EXPECT_TRUE(s.commands[1].answer->texts.empty());
  EXPECT_EQ(s.commands[2].answer->kind, AnswerKind::Jingle);
  EXPECT_EQ(s.commands[2].answer->texts, (std::vector<std::string>{"jingles/intro.wav", "Intro"}));
  EXPECT_TRUE(s.commands[3].answer->texts.empty());
  EXPECT_EQ(parseScript("dump operators ops/ops.json\n").commands[0].kind, hostsim::ScriptCommand::DumpOperators);

  for (const char* bad : {"answer operators wipe", "answer operators \"wipe\" 3", "answer operators \"\"",
                          "answer jingle \"only-a-file.wav\"", "answer jingle \"a\" \"b\" \"c\"", "answer jingle a b",
                          "dump operators ../ops.json"})
    EXPECT_THROW(parseScript(bad), ScriptError) << bad;
}

}  // namespace
