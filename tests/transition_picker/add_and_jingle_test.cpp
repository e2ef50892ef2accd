// Add and Jingle through the host's requesters: where new transitions land
// in the list and among the rows (the two must always agree, since Settings
// and Delete find an entry by its row), which operators are refused, and
// how a jingle replaces the one before.
#include "hostsim/media/jingle_requests.h"
#include "hostsim/media/operator_requester.h"
#include "request_fixture.h"

namespace {

using picker_test::PickerOperatorsTest;

class PickerAddTest : public PickerOperatorsTest {
 protected:
  void withJingle() {
    picker().jingleFile = "jingles/gong.wav";
    picker().jingleImage = u"Gong";
  }
};

TEST_F(PickerAddTest, NewTransitionsFollowTheSelectedOneOrGoToTheEndOfTheList) {
  struct Case {
    const char* what;
    std::vector<const char*> before;
    int32_t selected;
    std::vector<std::string> entriesAfter, rowsAfter;
    int32_t selectedAfter;
  };
  const Case cases[] = {
      {"first transition", {"wipe", "dissolve"}, 0,
       {"transition/wipe", "transition/push", "transition/iris", "transition/dissolve"},
       {"Wipe/0", "Push/0", "Iris/0", "Dissolve/0", "/2", "Gong/1"}, 2},
      {"last transition", {"wipe", "dissolve"}, 1,
       {"transition/wipe", "transition/dissolve", "transition/push", "transition/iris"},
       {"Wipe/0", "Dissolve/0", "Push/0", "Iris/0", "/2", "Gong/1"}, 3},
      {"separator", {"wipe", "dissolve"}, 2,
       {"transition/wipe", "transition/dissolve", "transition/push", "transition/iris"},
       {"Wipe/0", "Dissolve/0", "Push/0", "Iris/0", "/2", "Gong/1"}, 3},
      {"jingle row", {"wipe", "dissolve"}, 3,
       {"transition/wipe", "transition/dissolve", "transition/push", "transition/iris"},
       {"Wipe/0", "Dissolve/0", "Push/0", "Iris/0", "/2", "Gong/1"}, 3},
      {"separator of an empty list", {}, 0, {"transition/push", "transition/iris"},
       {"Push/0", "Iris/0", "/2", "Gong/1"}, 1},
      {"jingle row of an empty list", {}, 1, {"transition/push", "transition/iris"},
       {"Push/0", "Iris/0", "/2", "Gong/1"}, 1},
  };
  for (const Case& c : cases) {
    ostrel3::ClearTransitions();
    for (const char* name : c.before) addEntry(name);
    withJingle();
    std::vector<std::string> seen;
    int32_t selection = -2;
    selectRow(c.selected);
    click("Add");
    answerOperators({"push", "iris"});
    whileOpen([&] {
      seen = rows();
      selection = selectedRow();
    });
    click("OK");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(entries(), c.entriesAfter) << c.what;
    EXPECT_EQ(seen, c.rowsAfter) << c.what;
    EXPECT_EQ(selection, c.selectedAfter) << c.what << ": the last one added is selected";
  }
}

TEST_F(PickerAddTest, AddOnTransitionsAreExplainedAndLeftOut) {
  addEntry("wipe");
  click("Add");
  answerOperators({"addon_cube", "dissolve", "my_addon_page_v2"});
  answerText();
  answerText();
  click("OK");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/wipe", "transition/dissolve"}));
  EXPECT_EQ(hostLogged(6, "The transition \"Cube\" cannot be placed at cuts and was left out."), 1u);
  EXPECT_EQ(hostLogged(6, "The transition \"Page curl\" cannot be placed at cuts and was left out."), 1u);
  EXPECT_EQ(picker().lastPath, "dissolve") << "a refused name is no start point";
  EXPECT_EQ(picker().transitionsEnabled, 1);
}

TEST_F(PickerAddTest, TheRequesterStartsWhereTheLastChoiceWasAndCancellingAddsNothing) {
  click("Add");
  answerOperators({"iris", "push"});
  click("Add");
  answerOperators({});
  click("OK");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/iris", "transition/push"}));
  const auto history = host().media().operatorRequester().history();
  ASSERT_EQ(history.size(), 2u);
  EXPECT_FALSE(history[0].startPath.has_value());
  EXPECT_EQ(history[1].startPath, "push");
}

TEST_F(PickerAddTest, AJingleReplacesTheOneBeforeAndCancellingKeepsIt) {
  struct Case {
    bool before;
    std::vector<std::string> answer;
    std::vector<std::string> rowsAfter;
    std::string file;
  };
  const Case cases[] = {
      {false, {"jingles/intro.wav", "Intro"}, {"Wipe/0", "/2", "Intro/1"}, "jingles/intro.wav"},
      {true, {"jingles/intro.wav", "Intro"}, {"Wipe/0", "/2", "Intro/1"}, "jingles/intro.wav"},
      {true, {}, {"Wipe/0", "/2", "Gong/1"}, "jingles/gong.wav"},
      {false, {}, {"Wipe/0", "/2"}, ""},
  };
  for (const Case& c : cases) {
    ostrel3::ClearTransitions();
    picker().jingleFile.clear();
    picker().jingleImage.clear();
    addEntry("wipe");
    if (c.before) withJingle();
    std::vector<std::string> seen;
    click("Jingle");
    answerJingle(c.answer);
    whileOpen([&] { seen = rows(); });
    click("OK");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(seen, c.rowsAfter) << c.answer.size();
    EXPECT_EQ(picker().jingleFile, c.file);
  }
  for (const auto& r : host().media().jingles().history()) EXPECT_TRUE(r.freed) << "every request is freed";
}

TEST_F(PickerAddTest, ARefusedJingleRequestIsLoggedFreedAndChangesNothing) {
  for (const char* call : {"txRequest", "txGetFileName", "txGetImageName"}) {
    withJingle();
    host().calls().failNth(call, 1);
    const size_t logged = logCount(4);
    click("Jingle");
    // A requester that could not be shown takes no answer.
    if (std::string(call) != "txRequest") answerJingle({"jingles/intro.wav", "Intro"});
    click("OK");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(logCount(4), logged + 1) << call;
    EXPECT_EQ(picker().jingleFile, "jingles/gong.wav") << call;
    EXPECT_EQ(picker().jingleImage, u"Gong") << call;
  }
  for (const auto& r : host().media().jingles().history()) EXPECT_TRUE(r.freed);
}

}  // namespace
