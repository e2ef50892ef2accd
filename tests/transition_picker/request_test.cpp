// The selection request driven by the scripted user: what confirming and
// cancelling keep, and what the buttons do to the list and its rows.
#include "request_fixture.h"

namespace {

using hostsim::Host;
using picker_test::PickerOperatorsTest;
using picker_test::PickerRequestTest;

TEST_F(PickerRequestTest, ConfirmingAndCancellingDecideWhetherTransitionsAreOn) {
  struct Row {
    const char* how;
    bool withEntries;
    int32_t enabledBefore, enabledAfter;
  };
  const Row rows[] = {
      {"OK", false, 1, 0},      {"OK", true, 0, 1},         {"Cancel", false, 1, 0},
      {"Cancel", true, 0, 0},   {"Cancel", true, 1, 1},     {"close", false, 1, 0},
      {"close", true, 1, 1},
  };
  for (const Row& r : rows) {
    ostrel3::ClearTransitions();
    if (r.withEntries) addEntry("wipe");
    picker().transitionsEnabled = r.enabledBefore;
    if (std::string(r.how) == "close") closeScreen();
    else click(r.how);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(picker().transitionsEnabled, r.enabledAfter) << r.how << " entries " << r.withEntries;
    EXPECT_EQ(picker().pickerOpen, 0);
    EXPECT_TRUE(host().panels().openRequests().empty()) << "the request is gone";
  }
}

TEST_F(PickerRequestTest, TheThreeChoicesAreKeptOnlyWhenConfirmed) {
  for (const char* how : {"Cancel", "OK"}) {
    choose("Length", "2 s");
    choose("Order", "Shuffled");
    choose("Change", "Every 5 cuts");
    click(how);
    EXPECT_EQ(run(), 0);
    const bool kept = std::string(how) == "OK";
    EXPECT_EQ(picker().transitionTime, kept ? 3 : 0) << how;
    EXPECT_EQ(picker().transitionOrder, kept ? 1 : 0) << how;
    EXPECT_EQ(picker().transitionChange, kept ? 3 : 0) << how;
  }
}

TEST_F(PickerRequestTest, TheListShowsTheTransitionsTheSeparatorAndTheJingle) {
  addEntry("wipe");
  addEntry("missing_one");
  picker().jingleFile = "gong.wav";
  picker().jingleImage = u"Gong";
  std::vector<std::string> seen;
  host().user().addAction("look", [&](Host&) {
    seen = rows();
    return true;
  });
  click("OK");
  EXPECT_EQ(run(), 0);
  // An operator the host does not know shows its own name.
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[1], "missing_one/0");
  EXPECT_EQ(seen[2], "/2");
  EXPECT_EQ(seen[3], "Gong/1");
}

TEST_F(PickerRequestTest, DeleteRemovesTheSelectedTransitionOrTheJingleAndNothingElse) {
  struct Row {
    int32_t row;
    std::vector<std::string> entriesAfter, rowsAfter;
    bool jingleAfter;
    int beeps;
  };
  const Row cases[] = {
      {1, {"transition/wipe", "transition/push"}, {"wipe/0", "push/0", "/2", "Gong/1"}, true, 0},
      {0, {"transition/dissolve", "transition/push"}, {"dissolve/0", "push/0", "/2", "Gong/1"}, true, 0},
      {4, {"transition/wipe", "transition/dissolve", "transition/push"}, {"wipe/0", "dissolve/0", "push/0", "/2"},
       false, 0},
      // The separator is no transition: refused with a beep.
      {3, {"transition/wipe", "transition/dissolve", "transition/push"},
       {"wipe/0", "dissolve/0", "push/0", "/2", "Gong/1"}, true, 1},
  };
  for (const Row& r : cases) {
    ostrel3::ClearTransitions();
    for (const char* name : {"wipe", "dissolve", "push"}) addEntry(name);
    picker().jingleFile = "gong.wav";
    picker().jingleImage = u"Gong";
    const int beepsBefore = host().display().beeps();
    std::vector<std::string> seen;
    selectRow(r.row);
    click("Delete");
    host().user().addAction("look", [&](Host&) {
      seen = rows();
      return true;
    });
    click("OK");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(entries(), r.entriesAfter) << "row " << r.row;
    EXPECT_EQ(seen, r.rowsAfter) << "row " << r.row;
    EXPECT_EQ(ostrel3::HasJingle(picker()), r.jingleAfter) << "row " << r.row;
    EXPECT_EQ(host().display().beeps() - beepsBefore, r.beeps) << "row " << r.row;
  }
}

TEST_F(PickerRequestTest, SettingsAndDeleteWithoutASelectedTransitionOnlyBeep) {
  addEntry("wipe");
  click("Settings");
  click("Delete");
  click("OK");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(host().display().beeps(), 2);
  EXPECT_EQ(logCount(3), 2u) << "each refusal is logged";
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/wipe"}));
}

TEST_F(PickerRequestTest, ARequestThatCannotBeOpenedChangesNothing) {
  addEntry("wipe");
  picker().transitionsEnabled = 1;
  host().calls().failNth("vreqCreateRequest", 1);
  EXPECT_EQ(run(), -1);
  EXPECT_EQ(picker().transitionsEnabled, 1);
  EXPECT_EQ(picker().pickerOpen, 0);
  EXPECT_EQ(logCount(4), 1u);
}

}  // namespace

namespace {

// A picture for a person to look at.
using PickerPictureTest = PickerOperatorsTest;

TEST_F(PickerPictureTest, TheSelectionRequestWithTwoTransitionsAndAJingle) {
  addEntry("wipe");
  addEntry("dissolve");
  picker().jingleFile = "jingles/gong.wav";
  picker().jingleImage = u"Gong";
  picker().transitionTime = 3;
  selectRow(1);
  picture("transition-picker");
  click("OK");
  EXPECT_EQ(run(), 0);
  keepPictures();
}

}  // namespace
