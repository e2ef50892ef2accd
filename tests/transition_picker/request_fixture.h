#pragma once
// The selection request driven by the scripted user: clicks, row choices,
// answers to the host's requesters, and looks at the screen while the
// request is open.
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "hostsim/core/calls.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/screen.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/media/media.h"
#include "ostrel3/project/utf8.h"
#include "picker_fixture.h"
#include "transition_picker/transition_picker.h"

namespace picker_test {

class PickerRequestTest : public PickerTest {
 protected:
  using Host = hostsim::Host;
  using ClickOptions = hostsim::ClickOptions;

  /// Clicks the frontmost element with this caption.
  void click(const std::string& caption, ClickOptions options = {}) {
    host().user().addAction("click " + caption,
                            [=](Host& h) { return h.panels().input().clickCaption(caption, options); });
  }
  /// Clicks an element known only once the request is open.
  void clickElement(const std::string& what, std::function<VG_ELEMENT()> element) {
    host().user().addAction("click " + what, [=](Host& h) { return h.panels().input().clickElement(element()); });
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
  /// Runs `look` with the request open, between the user's steps.
  void whileOpen(std::function<void()> look) {
    host().user().addAction("look", [look](Host&) {
      look();
      return true;
    });
  }

  void answerOperators(std::vector<std::string> names) { answer(hostsim::AnswerKind::Operators, std::move(names)); }
  /// File and image name; none: the user cancels.
  void answerJingle(std::vector<std::string> texts) { answer(hostsim::AnswerKind::Jingle, std::move(texts)); }
  /// The first button of a text request.
  void answerText() {
    hostsim::Answer a;
    a.kind = hostsim::AnswerKind::Text;
    a.number = 1;
    host().user().addAnswer(a);
  }

  /// The list view's rows as "text/type".
  std::vector<std::string> rows() {
    std::vector<std::string> out;
    for (const auto& e : host().panels().elements())
      if (e.kind == hostsim::ElementKind::Listview)
        for (const auto& r : e.rows) out.push_back(ostrel3::ToUtf8(r.text) + "/" + std::to_string(r.type));
    return out;
  }
  /// The list view's selected row.
  int32_t selectedRow() {
    for (const auto& e : host().panels().elements())
      if (e.kind == hostsim::ElementKind::Listview) return e.value;
    return -2;
  }
  /// Host log lines of a level that contain `part`.
  size_t hostLogged(int32_t level, const std::string& part) {
    size_t n = 0;
    for (const auto& l : host().log().lines())
      if (l.fromHost && l.level == level && l.text.find(part) != std::string::npos) ++n;
    return n;
  }
  size_t loadedOperators() { return host().media().operators().loadedViews().size(); }

  int32_t run() { return ostrel3::RunTransitionPicker(); }

  /// Saves the screen while the request is open, next to the test's home.
  void picture(const std::string& name) {
    const std::filesystem::path shot = home() / (name + ".png");
    host().user().addAction("picture", [shot](Host& h) { return h.display().screen().savePng(1, shot); });
    shots_.push_back(shot);
  }
  /// Checks the pictures were taken and copies them to OSTREL3_KEEP_SCREENSHOTS when set.
  void keepPictures() {
    namespace fs = std::filesystem;
    for (const fs::path& shot : shots_) {
      ASSERT_TRUE(fs::exists(shot)) << shot;
      if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
        fs::copy_file(shot, fs::path(keep) / shot.filename(), fs::copy_options::overwrite_existing);
    }
  }

 private:
  std::vector<std::filesystem::path> shots_;

  void answer(hostsim::AnswerKind kind, std::vector<std::string> texts) {
    hostsim::Answer a;
    a.kind = kind;
    a.texts = std::move(texts);
    host().user().addAnswer(a);
  }
};

/// The same over a host whose operator directory holds transitions with
/// settings, one without, add-ons the picker refuses and an effect.
class PickerOperatorsTest : public PickerRequestTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PickerRequestTest::makeConfig();
    c.operators = {
        {"transition/wipe", "Wipe", 0x4, 4, {"Softness", "Border"}, {0x20, 0x04, 0x00, 0xFF}},
        {"transition/dissolve", "Dissolve", 0, 2, {"Curve"}, {}},
        {"transition/push", "Push", 0x4, 1, {"Bounce"}, {}},
        {"transition/iris", "Iris", 0, 0, {}, {}},
        {"transition/addon_cube", "Cube", 0x4, 1, {}, {}},
        {"transition/my_addon_page_v2", "Page curl", 0, 0, {}, {}},
        {"transition/star", "Star", 0, 8, {"Points", "Spin", "Softness", "Border width", "Glow"}, {}},
    };
    return c;
  }
};

}  // namespace picker_test
