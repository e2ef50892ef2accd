// Settings windows of operators: the controls the host lays into a window,
// the user moving them by their captions, and telling changes from the rest.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "hostsim/media/operator_gui.h"
#include "hostsim/program/dumps.h"
#include "operators_fixture.h"

namespace ostrel3_test {
namespace {

class SettingsGui : public OperatorsTest {
 protected:
  void SetUp() override {
    OperatorsTest::SetUp();
    window_ = openRequest(VREQ_FLAGS_WINDOW_OK_CANCEL, 498, 136, u"Settings");
    wipe_ = mainLoadOperator("transition/wipe", 0);
  }
  void TearDown() override {
    if (wipe_) mainUnloadOperator(wipe_);
    vreqDeleteRequest(&window_);
    OperatorsTest::TearDown();
  }
  /// The user's click on a control, handed to the operator's window as the
  /// picker's loop hands it on.
  int32_t clickAndHandle(const std::string& caption, int32_t value) {
    EXPECT_TRUE(user().clickCaption(caption, hostsim::ClickOptions().withValue(value))) << caption;
    const std::optional<HOST_MESSAGE> m = nextMessage(window_.queue);
    EXPECT_TRUE(m) << caption;
    int16_t x = 0, y = 0;
    return m ? mainDoOpGui(&*m, &gadgets_, wipe_, window_.panel, 0, 1, 0, &x, &y) : -2;
  }
  int32_t handle(uint16_t msgClass, int32_t id) {
    HOST_MESSAGE m{};
    m.msgClass = msgClass;
    m.id = id;
    int16_t x = 0, y = 0;
    return mainDoOpGui(&m, &gadgets_, wipe_, window_.panel, 0, 1, 0, &x, &y);
  }

  VREQ_REQUEST window_{};
  OP_HANDLE wipe_ = 0;
  MAIN_OP_GADGETS gadgets_{};
};

TEST_F(SettingsGui, EachSettingsByteGetsACaptionedSliderHoldingItsValue) {
  ASSERT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, wipe_, &gadgets_), 0);
  const char* captions[] = {"Softness", "Border", "Setting 3", "Setting 4"};
  const int values[] = {0x20, 0x04, 0x00, 0xFF};
  for (int i = 0; i < 4; ++i) {
    const auto e = host().panels().findByCaption(captions[i]);
    ASSERT_TRUE(e) << captions[i];
    EXPECT_EQ(e->kind, hostsim::ElementKind::Slider);
    EXPECT_EQ(e->value, values[i]) << captions[i];
    EXPECT_EQ(e->maximum, 255);
    EXPECT_EQ(e->root, window_.panel);
  }
  mainRemoveOpGui(&gadgets_, wipe_);
  EXPECT_FALSE(host().panels().findByCaption("Softness")) << "the controls are gone";
}

TEST_F(SettingsGui, OnlyAMovedControlCountsAsAChange) {
  ASSERT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, wipe_, &gadgets_), 0);
  EXPECT_EQ(clickAndHandle("Softness", 40), 0);
  EXPECT_EQ(directory().prefs(wipe_), (std::vector<uint8_t>{40, 0x04, 0x00, 0xFF}));
  EXPECT_NE(clickAndHandle("Softness", 40), 0) << "the same value again changes nothing";
  EXPECT_EQ(clickAndHandle("Setting 3", 300), 0) << "a value beyond the byte is held at 255 ...";
  EXPECT_NE(clickAndHandle("Setting 3", 255), 0) << "... which it now is";
  EXPECT_NE(clickAndHandle("Setting 4", 300), 0) << "and the fourth already was";
  EXPECT_EQ(clickAndHandle("Setting 3", 7), 0);
  EXPECT_EQ(directory().prefs(wipe_), (std::vector<uint8_t>{40, 0x04, 7, 0xFF}));

  EXPECT_NE(handle(HOST_MSG_ELEMENT, int32_t(window_.okElement)), 0) << "the window's own OK is not a setting";
  EXPECT_NE(handle(HOST_MSG_KEY, 0x20), 0);
  EXPECT_EQ(mainDoOpGui(nullptr, &gadgets_, wipe_, window_.panel, 0, 1, 0, nullptr, nullptr), -1);

  const OP_HANDLE other = mainLoadOperator("transition/wipe", 0);
  int16_t x = 0, y = 0;
  HOST_MESSAGE m{};
  EXPECT_EQ(mainDoOpGui(&m, &gadgets_, other, window_.panel, 0, 1, 0, &x, &y), -1) << "another operator's window";
  mainUnloadOperator(other);
  mainRemoveOpGui(&gadgets_, wipe_);
  EXPECT_EQ(handle(HOST_MSG_ELEMENT, 0), -1) << "a removed window handles nothing";
}

TEST_F(SettingsGui, BuildingIsRefusedWithoutALoadedOperatorOrARecordOrRoom) {
  const OP_HANDLE gone = mainLoadOperator("transition/dissolve", 0);
  mainUnloadOperator(gone);
  EXPECT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, gone, &gadgets_), -1);
  EXPECT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, wipe_, nullptr), -1);
  EXPECT_EQ(mainBuildOpGui(window_.panel, 0, 0, 0, 136, wipe_, &gadgets_), -1);
  EXPECT_EQ(mainBuildOpGui(0x7777, 0, 0, 498, 136, wipe_, &gadgets_), -1);
  EXPECT_TRUE(host().media().operatorGuis().views().empty());

  ASSERT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, wipe_, &gadgets_), 0);
  EXPECT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, wipe_, &gadgets_), -1) << "one window per record";
  EXPECT_TRUE(hostLogged(4, "already holds settings window"));
  ASSERT_EQ(host().media().liveHandles().size(), 2u) << "the operator and its window";
  mainRemoveOpGui(&gadgets_, wipe_);
  mainRemoveOpGui(&gadgets_, wipe_);
  EXPECT_TRUE(hostLogged(4, "mainRemoveOpGui: the gadgets record holds no settings window"));
}

TEST_F(SettingsGui, AWindowDeletedFirstStillLetsItsSettingsGoQuietly) {
  ASSERT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, wipe_, &gadgets_), 0);
  ASSERT_EQ(vreqDeleteRequest(&window_), 0);
  mainRemoveOpGui(&gadgets_, wipe_);
  EXPECT_TRUE(host().media().operatorGuis().views().empty());
  window_ = openRequest(VREQ_FLAGS_WINDOW_OK_CANCEL, 498, 136, u"Settings");
}

TEST_F(SettingsGui, AnOperatorWithoutSettingsSaysSo) {
  const OP_HANDLE iris = mainLoadOperator("transition/iris", 0);
  MAIN_OP_GADGETS g{};
  ASSERT_EQ(mainBuildOpGui(window_.panel, 8, 8, 482, 120, iris, &g), 0);
  const auto elements = host().panels().elements();
  EXPECT_TRUE(std::any_of(elements.begin(), elements.end(),
                          [](const auto& e) { return e.text == u"This operator has no settings."; }));
  mainRemoveOpGui(&g, iris);
  mainUnloadOperator(iris);
}

TEST_F(SettingsGui, TheGuiDumpShowsTheControlsAndTheOperatorDumpTheirBytes) {
  ASSERT_EQ(mainBuildOpGui(window_.panel, 0, 0, 498, 136, wipe_, &gadgets_), 0);
  ASSERT_EQ(clickAndHandle("Border", 9), 0);
  const auto gui = hostsim::program::guiState(host());
  bool found = false;
  for (const auto& e : gui["requests"][0]["elements"])
    if (e["label"] == "Border") found = e["kind"] == "slider" && e["value"] == 9 && e["text"] == "  9";
  EXPECT_TRUE(found) << gui.dump(1);
  const auto ops = hostsim::program::operatorsState(host());
  ASSERT_EQ(ops["settings_windows"].size(), 1u);
  EXPECT_EQ(ops["settings_windows"][0]["controls"][1]["caption"], "Border");
  EXPECT_EQ(ops["settings_windows"][0]["controls"][1]["byte"], 1);
  EXPECT_EQ(ops["loaded"][0]["prefs"], "200900ff");
  mainRemoveOpGui(&gadgets_, wipe_);
}

void keepPicture(const std::filesystem::path& shot) {
  ASSERT_TRUE(std::filesystem::exists(shot)) << shot;
  if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
    std::filesystem::copy_file(shot, std::filesystem::path(keep) / shot.filename(),
                               std::filesystem::copy_options::overwrite_existing);
}

// Pictures for a person to look at: a settings window of eight settings in
// two columns, as the transition picker opens it, and the operator requester.
TEST_F(SettingsGui, PicturesOfASettingsWindowAndTheOperatorRequester) {
  const OP_HANDLE star = mainLoadOperator("transition/star", 0);
  const uint8_t prefs[8] = {5, 0, 128, 3, 255, 0, 0, 9};
  ASSERT_EQ(opSetPrefs(star, prefs, 8), 0);
  MAIN_OP_GADGETS g{};
  ASSERT_EQ(mainBuildOpGui(window_.panel, 8, 8, 482, 120, star, &g), 0);
  ASSERT_TRUE(user().clickCaption("Spin", hostsim::ClickOptions().withValue(200)));
  const auto shot = home() / "operator-settings-window.png";
  ASSERT_TRUE(host().display().screen().savePng(1, shot));
  keepPicture(shot);
  mainRemoveOpGui(&g, star);
  mainUnloadOperator(star);

  user().setScreenshotDir(home() / "screens");
  answerOperators({"wipe"});
  const char* const* names = nullptr;
  ASSERT_EQ(mainSelectOperatorRequesterMulti(&names, 0, "dissolve", 0), 1);
  ASSERT_EQ(user().shotsTaken(), 1);
  for (const auto& f : std::filesystem::directory_iterator(home() / "screens")) {
    const auto renamed = home() / "operator-requester.png";
    std::filesystem::rename(f.path(), renamed);
    keepPicture(renamed);
  }
}

// Controls go down a column first; a second column only when the area is
// wide enough, and the last place tells of the controls left out.
TEST(SettingsLayout, ControlsFillColumnsAndTellWhatDidNotFit) {
  struct Case {
    int32_t count;
    int16_t width, height;
    size_t shown;
    int32_t hidden;
    int16_t lastX, lastY;
  };
  const Case cases[] = {
      {4, 498, 136, 4, 0, 0, 84},     // one column of four
      {8, 498, 136, 8, 0, 257, 56},   // five rows, then the second column
      {20, 498, 136, 9, 11, 257, 84}, // ten places: nine controls and the note
      {3, 150, 136, 3, 0, 0, 56},     // narrower than a column: still one
      {3, 498, 20, 0, 3, 0, 0},       // not one row fits
      {0, 498, 136, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const hostsim::SettingsLayout l = hostsim::layoutSettings(c.count, c.width, c.height);
    EXPECT_EQ(l.controls.size(), c.shown) << c.count;
    EXPECT_EQ(l.hidden, c.hidden) << c.count;
    if (!l.controls.empty()) {
      EXPECT_EQ(l.controls.back().x, c.lastX) << c.count;
      EXPECT_EQ(l.controls.back().y, c.lastY) << c.count;
      EXPECT_LE(l.controls.back().x + l.controls.back().width, c.width) << c.count;
      EXPECT_LE(l.controls.back().y + l.controls.back().height, c.height) << c.count;
    }
  }
}

}  // namespace
}  // namespace ostrel3_test
