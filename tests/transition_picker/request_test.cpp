// The selection request driven by the scripted user: what confirming and
// cancelling keep, and what the buttons do to the list and its rows.
#include <cstdlib>
#include <filesystem>

#include "hostsim/core/calls.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/screen.h"
#include "hostsim/gui/user_input.h"
#include "ostrel3/project/utf8.h"
#include "picker_fixture.h"
#include "transition_picker/transition_picker.h"

namespace {

namespace fs = std::filesystem;
using hostsim::ClickOptions;
using hostsim::Host;
using picker_test::PickerTest;

class PickerRequestTest : public PickerTest {
 protected:
  void click(const std::string& caption, ClickOptions options = {}) {
    host().user().addAction("click " + caption,
                            [=](Host& h) { return h.panels().input().clickCaption(caption, options); });
  }
  void choose(const std::string& popup, const std::string& entry) { click(popup, ClickOptions().withEntry(entry)); }
  void selectRow(int32_t row) {
    host().user().addAction("select row", [=](Host& h) {
      return h.panels().input().clickShortcut('l', ClickOptions().withValue(row));
    });
  }
  void closeScreen() {
    host().user().addAction("close", [](Host& h) { return h.panels().input().closeScreen(); });
  }
  /// The list view's rows as "text/type".
  std::vector<std::string> rows() {
    std::vector<std::string> out;
    for (const auto& e : host().panels().elements())
      if (e.kind == hostsim::ElementKind::Listview)
        for (const auto& r : e.rows) out.push_back(ostrel3::ToUtf8(r.text) + "/" + std::to_string(r.type));
    return out;
  }
  int32_t run() { return ostrel3::RunTransitionPicker(); }
};

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

// Leaves a picture next to the test's home, and in OSTREL3_KEEP_SCREENSHOTS when set.
class PickerPictureTest : public PickerRequestTest {
 protected:
  void picture(const std::string& name) {
    const fs::path shot = home() / (name + ".png");
    host().user().addAction("picture", [shot](Host& h) { return h.display().screen().savePng(1, shot); });
    shots_.push_back(shot);
  }
  void keepPictures() {
    for (const fs::path& shot : shots_) {
      ASSERT_TRUE(fs::exists(shot)) << shot;
      if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
        fs::copy_file(shot, fs::path(keep) / shot.filename(), fs::copy_options::overwrite_existing);
    }
  }
  std::vector<fs::path> shots_;
};

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
