// The settings window of one transition: the operator opens with the
// entry's settings, its changes are kept only when confirmed, it is always
// unloaded again, and while the window is open nothing frees or replaces
// the entry it edits.
#include <tinyxml2.h>

#include "hostsim/media/operator_gui.h"
#include "request_fixture.h"
#include "transition_picker/transitions_store.h"

namespace {

using picker_test::PickerOperatorsTest;

class PickerSettingsTest : public PickerOperatorsTest {
 protected:
  /// The picker's own OK or Cancel, behind the settings window.
  void clickPicker(bool ok) {
    clickElement(ok ? "the picker's OK" : "the picker's Cancel", [ok] {
      const VREQ_REQUEST& r = ostrel3::transitionPicker().pickerRequest;
      return ok ? r.okElement : r.cancelElement;
    });
  }
  /// The values of the settings window's sliders, in order.
  std::vector<int32_t> sliders() {
    std::vector<int32_t> out;
    for (const auto& e : host().panels().elements())
      if (e.kind == hostsim::ElementKind::Slider) out.push_back(e.value);
    return out;
  }
  size_t settingsWindows() { return host().media().operatorGuis().views().size(); }
};

TEST_F(PickerSettingsTest, ChangesAreKeptOnlyWhenTheWindowIsConfirmed) {
  struct Case {
    const char* close;  // "OK", "Cancel" or "close"
    bool move;
    std::string after;
  };
  const Case cases[] = {
      {"OK", true, "transition/wipe:01090304"},
      {"OK", false, "transition/wipe:01020304"},
      {"Cancel", true, "transition/wipe:01020304"},
      {"close", true, "transition/wipe:01020304"},
  };
  for (const Case& c : cases) {
    ostrel3::ClearTransitions();
    addEntry("wipe", {1, 2, 3, 4});
    addEntry("dissolve");
    std::vector<int32_t> shown;
    size_t windowsOpen = 0, loadedOpen = 0, windowsAfter = 9, loadedAfter = 9;
    selectRow(0);
    click("Settings");
    whileOpen([&] {
      shown = sliders();
      windowsOpen = settingsWindows();
      loadedOpen = loadedOperators();
    });
    if (c.move) click("Border", ClickOptions().withValue(9));
    if (std::string(c.close) == "close") closeScreen();
    else click(c.close);
    whileOpen([&] {
      windowsAfter = settingsWindows();
      loadedAfter = loadedOperators();
    });
    click("OK");
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(shown, (std::vector<int32_t>{1, 2, 3, 4})) << "the window opens with the entry's settings";
    EXPECT_EQ(windowsOpen, 1u);
    EXPECT_EQ(loadedOpen, 1u);
    EXPECT_EQ(windowsAfter, 0u) << c.close;
    EXPECT_EQ(loadedAfter, 0u) << c.close << ": the operator is unloaded";
    EXPECT_EQ(entries(), (std::vector<std::string>{c.after, "transition/dissolve"})) << c.close << " " << c.move;
    EXPECT_EQ(picker().settingsOpen, 0);
  }
}

TEST_F(PickerSettingsTest, AnEntryWithoutSettingsTakesTheOperatorsOnceChanged) {
  addEntry("dissolve");
  selectRow(0);
  click("Settings");
  click("Curve", ClickOptions().withValue(200));
  click("OK");
  click("OK");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/dissolve:c800"}));
}

TEST_F(PickerSettingsTest, WhileTheWindowIsOpenItsEntryCannotBeFreedOrReplaced) {
  addEntry("wipe", {1, 2, 3, 4});
  addEntry("dissolve");
  size_t windows = 0;
  selectRow(0);
  click("Settings");
  click("Border", ClickOptions().withValue(9));
  // A second window over the same or another entry is refused ...
  click("Settings");
  selectRow(1);
  click("Settings");
  // ... as is deleting the entry in use; another entry may go.
  selectRow(0);
  click("Delete");
  selectRow(1);
  click("Delete");
  whileOpen([&] { windows = settingsWindows(); });
  click("OK");
  click("OK");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(windows, 1u);
  EXPECT_EQ(host().display().beeps(), 3);
  EXPECT_EQ(logCount(3), 3u);
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/wipe:01090304"}));
  EXPECT_EQ(loadedOperators(), 0u);
}

TEST_F(PickerSettingsTest, ThePickerClosingClosesTheWindowAndKeepsItsChangesOnlyOnOK) {
  for (const bool ok : {false, true}) {
    ostrel3::ClearTransitions();
    addEntry("wipe", {1, 2, 3, 4});
    selectRow(0);
    click("Settings");
    click("Border", ClickOptions().withValue(9));
    clickPicker(ok);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(entries(), (std::vector<std::string>{ok ? "transition/wipe:01090304" : "transition/wipe:01020304"}))
        << ok;
    EXPECT_EQ(settingsWindows(), 0u);
    EXPECT_EQ(loadedOperators(), 0u);
    EXPECT_TRUE(host().panels().openRequests().empty());
    EXPECT_EQ(picker().settingsOpen, 0);
  }
}

TEST_F(PickerSettingsTest, AWindowThatCannotBeMadeLeavesNoOperatorLoaded) {
  struct Case {
    const char* call;
    int nth;
    const char* entry;
  };
  const Case cases[] = {
      {"vreqCreateRequest", 2, "wipe"},  // the first is the picker's own request
      {"mainBuildOpGui", 1, "wipe"},
      {"mainLoadOperator", 1, "wipe"},
      {nullptr, 0, "not_installed"},
  };
  for (const Case& c : cases) {
    ostrel3::ClearTransitions();
    addEntry(c.entry, {1, 2, 3, 4});
    if (c.call) host().calls().failNth(c.call, c.nth);
    const size_t logged = logCount(4);
    size_t windows = 9, loaded = 9;
    selectRow(0);
    click("Settings");
    whileOpen([&] {
      windows = settingsWindows();
      loaded = loadedOperators();
    });
    click("OK");
    EXPECT_EQ(run(), 0);
    const std::string what = c.call ? c.call : c.entry;
    EXPECT_EQ(logCount(4), logged + 1) << what;
    EXPECT_EQ(windows, 0u) << what;
    EXPECT_EQ(loaded, 0u) << what;
    EXPECT_EQ(picker().settingsOpen, 0) << what;
    EXPECT_EQ(ostrel3::EntryAt(1)->prefsSize, 4) << what << ": the entry keeps its settings";
    if (c.call) host().calls().clearFailures(c.call);
  }
}

TEST_F(PickerSettingsTest, ReplacingTheListClosesTheWindowBeforeItsEntryGoes) {
  addEntry("wipe", {1, 2, 3, 4});
  size_t windows = 9, loaded = 9;
  selectRow(0);
  click("Settings");
  click("Border", ClickOptions().withValue(9));
  whileOpen([&] {
    tinyxml2::XMLDocument doc;
    doc.Parse("<p><transitions><ops><op bn=\"transition/iris\"/></ops></transitions></p>");
    ostrel3::LoadTransitions(*doc.RootElement());
    windows = settingsWindows();
    loaded = loadedOperators();
  });
  click("OK");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(windows, 0u);
  EXPECT_EQ(loaded, 0u);
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/iris"}));
}

// A picture for a person to look at: the window of an operator with more
// settings than one column holds, over the selection request.
TEST_F(PickerSettingsTest, PictureOfASettingsWindow) {
  addEntry("wipe");
  addEntry("star", {5, 40, 128, 3, 255, 0, 0, 9});
  selectRow(1);
  click("Settings");
  click("Spin", ClickOptions().withValue(200));
  picture("transition-settings");
  click("OK");
  click("OK");
  EXPECT_EQ(run(), 0);
  keepPictures();
  EXPECT_EQ(entries()[1], "transition/star:05c880" "03ff000009");
}

}  // namespace
