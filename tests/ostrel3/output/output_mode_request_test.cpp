// The output-mode request as the user meets it: one choice or none, OK only
// with a choice, the transitions switch kept at once, the picker reachable.
#include <cstdlib>
#include <filesystem>

#include "hostsim/gui/display.h"
#include "hostsim/gui/screen.h"
#include "ostrel3/output/storyboard_output.h"
#include "ostrel3/project/utf8.h"
#include "output_fixture.h"
#include "transition_picker/picker_state.h"

namespace {

namespace fs = std::filesystem;
using hostsim::Host;

class OutputModeRequestTest : public ostrel3_test::OutputTest {
 protected:
  int32_t ask() { return ostrel3::AskOutputMode(op->strings.get(), 3); }
  /// Records, when the user gets there, whether OK is enabled and which boxes are ticked.
  void look(std::vector<std::string>& seen) {
    host().user().addAction("look", [&seen](Host& h) {
      std::string state;
      for (const auto& e : h.panels().elements()) {
        const std::string caption = ostrel3::ToUtf8(e.caption.empty() ? e.label : e.caption);
        if (caption == "OK") state += e.enabled ? "OK " : "ok ";
        if (e.kind == hostsim::ElementKind::CheckBox && !e.label.empty()) state += e.value ? "X" : ".";
      }
      seen.push_back(state);
      return true;
    });
  }
};

TEST_F(OutputModeRequestTest, TheBoxesAreOneChoiceAndOkWaitsForIt) {
  std::vector<std::string> seen;
  look(seen);
  click("Append to the storyboard");
  look(seen);
  click("Replace the storyboard");
  look(seen);
  click("Replace the storyboard");  // cleared again: no choice
  look(seen);
  click("Insert at the current position");
  look(seen);
  click("OK");
  EXPECT_EQ(ask(), ostrel3::kOutputInsertAtCurrent);
  // Boxes top to bottom: replace, append, insert.
  EXPECT_EQ(seen, (std::vector<std::string>{"ok ...", "OK .X.", "OK X..", "ok ...", "OK ..X"}));
  EXPECT_TRUE(host().panels().openRequests().empty());
}

TEST_F(OutputModeRequestTest, TheTransitionsSwitchIsKeptAtOnceEvenWhenCancelled) {
  for (int32_t before : {0, 1}) {
    ostrel3::transitionPicker().transitionsEnabled = before;
    std::vector<std::string> seen;
    host().user().addAction("look", [&seen](Host& h) {
      for (const auto& e : h.panels().elements())
        if (e.kind == hostsim::ElementKind::CheckBox && e.label.empty()) seen.push_back(std::to_string(e.value));
      return true;
    });
    host().user().addAction("switch", [](Host& h) { return h.panels().input().clickShortcut('3'); });
    click("Cancel");
    EXPECT_EQ(ask(), ostrel3::kOutputCancelled);
    EXPECT_EQ(seen, std::vector<std::string>{std::to_string(before)}) << "the switch shows the picker's state";
    EXPECT_EQ(ostrel3::transitionPicker().transitionsEnabled, 1 - before);
  }
}

TEST_F(OutputModeRequestTest, TheTransitionsButtonOpensThePickerAndComesBack) {
  // Transitions on but no transition listed: the picker's OK turns them off,
  // and the switch must say so when the request is back in front.
  ostrel3::transitionPicker().transitionsEnabled = 1;
  std::vector<std::u16string> titles;
  std::vector<int32_t> switchShown;
  click("Transitions");
  host().user().addAction("look", [&titles](Host& h) {
    for (const auto& r : h.panels().openRequests()) titles.push_back(r.title);
    return true;
  });
  click("OK");  // the picker's, in front
  host().user().addAction("look at the switch", [&switchShown](Host& h) {
    for (const auto& e : h.panels().elements())
      if (e.kind == hostsim::ElementKind::CheckBox && e.label.empty()) switchShown.push_back(e.value);
    return true;
  });
  choose("Append to the storyboard");
  EXPECT_EQ(ask(), ostrel3::kOutputAppend);
  // The picker in front of the output-mode request.
  EXPECT_EQ(titles, (std::vector<std::u16string>{u"Transitions at the cuts", u"Write the edit to the storyboard"}));
  EXPECT_EQ(ostrel3::transitionPicker().transitionsEnabled, 0);
  EXPECT_EQ(switchShown, std::vector<int32_t>{0}) << "the switch shows what the picker left";
}

// Leaves the picture next to the test's home, and in OSTREL3_KEEP_SCREENSHOTS when set.
TEST_F(OutputModeRequestTest, Picture) {
  const fs::path shot = home() / "output-mode-request.png";
  ostrel3::transitionPicker().transitionsEnabled = 1;
  click("Append to the storyboard");
  host().user().addAction("picture", [shot](Host& h) { return h.display().screen().savePng(1, shot); });
  click("OK");
  EXPECT_EQ(ask(), ostrel3::kOutputAppend);
  ASSERT_TRUE(fs::exists(shot));
  if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
    fs::copy_file(shot, fs::path(keep) / shot.filename(), fs::copy_options::overwrite_existing);
}

}  // namespace
