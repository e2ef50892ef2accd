// The project and settings dialog, its reset request and the copy to another
// slot, driven by the user's steps on the stand-in host.
#include <filesystem>
#include <fstream>
#include <string>

#include "hostsim/gui/user_input.h"
#include "ostrel3/editing/assignment_fixture.h"
#include "ostrel3/shell/entry.h"

namespace {

namespace fs = std::filesystem;
using namespace ostrel3_test;
using hostsim::AnswerKind;
using hostsim::Host;

class SettingsDialogTest : public AssignmentTest {
 protected:
  fs::path slotFile(int slot) const {
    return home() / "programs" / "ostrel3" / ("project_01_0" + std::to_string(slot) + ".info");
  }
  /// A project of `cameras` cameras (the first two with clips) named `name` in a slot's file.
  void placeSlot(int slot, const std::string& name, int cameras = 2) {
    fs::create_directories(slotFile(slot).parent_path());
    std::ofstream f(slotFile(slot));
    f << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3><name>" << name << "</name><scenes>"
      << "<scene uid=\"" << kLeft << "\" cam=\"0\"/><scene uid=\"" << kRight << "\" cam=\"1\"/></scenes>"
      << "<points><point tc=\"0\" cam=\"0\"/><point tc=\"40\" cam=\"1\"/></points>"
      << "<num_gui_scenes>" << cameras << "</num_gui_scenes><trim_len>30</trim_len></ostrel3>\n";
  }
  std::string fileText(int slot) const {
    std::ifstream f(slotFile(slot));
    return std::string((std::istreambuf_iterator<char>(f)), {});
  }
  void act(std::function<bool(hostsim::UserInput&)> action) {
    host().user().addAction("test step", [action](Host& h) { return action(h.panels().input()); });
  }
  void click(const std::string& caption, std::optional<int32_t> value = std::nullopt) {
    act([caption, value](hostsim::UserInput& in) {
      hostsim::ClickOptions o;
      o.value = value;
      return in.clickCaption(caption, o);
    });
  }
  void answer(AnswerKind kind, int64_t number, std::string text = {}) {
    host().user().addAnswer({kind, number, std::move(text)});
  }
  /// The operator on the project of slot 0, with its panel open.
  void startOn(const std::string& name, int cameras = 2) {
    placeSlot(0, name, cameras);
    ASSERT_TRUE(op->LoadProjectSlot());
    openPanel();
  }
};

TEST_F(SettingsDialogTest, ChangingOnlyTheHandleLengthNeedsNoNewPanel) {
  startOn("Matinee");
  op->ShowCameraPicture(0);
  click("Handle length", 50);
  click("OK");
  EXPECT_FALSE(op->ProjectSettingsDialog());
  EXPECT_FALSE(op->restartRequested);
  EXPECT_EQ(op->trimLength, 50);
  EXPECT_EQ(op->pictures.boxImage, nullptr) << "the pictures are made again at the panel's sizes";
  EXPECT_EQ(op->pictures.boxScaler, nullptr);
  EXPECT_EQ(op->projectLength, 600) << "the length is recomputed";
  EXPECT_NE(op->elementSlots[ostrel3::kPositionSlider], 0u) << "the position slider is back";
}

TEST_F(SettingsDialogTest, ChoosingTheCurrentSlotReloadsIt) {
  startOn("Matinee");
  const AV_RECORD before = op->cameras[0].record;
  click("Open project");
  answer(AnswerKind::List, 1);
  click("OK");
  click("OK");
  EXPECT_TRUE(op->ProjectSettingsDialog());
  EXPECT_NE(op->cameras[0].record, before) << "the cameras are loaded afresh";
  EXPECT_EQ(op->projectName, u"Matinee");
  EXPECT_FALSE(op->settingsChanged);
  EXPECT_FALSE(op->restartRequested);
}

TEST_F(SettingsDialogTest, AnotherProjectThenACancelledResetStillReportsTheChange) {
  startOn("Matinee");
  placeSlot(3, "Encore", 6);
  click("Open project");
  answer(AnswerKind::List, 4);
  click("OK");
  click("Reset project");
  click("Cancel");
  click("OK");
  EXPECT_TRUE(op->ProjectSettingsDialog());
  EXPECT_EQ(op->projectSlot, 3);
  EXPECT_EQ(op->projectName, u"Encore");
  EXPECT_EQ(op->sceneCount, 6);
  EXPECT_TRUE(op->restartRequested) << "a project of six cameras needs a panel of six";
  EXPECT_TRUE(op->settingsChanged);
  EXPECT_NE(fileText(0).find("<name>Matinee</name>"), std::string::npos) << "the project left was saved";
}

TEST_F(SettingsDialogTest, AFailedSaveKeepsTheUserInTheCurrentProject) {
  startOn("Matinee");
  placeSlot(3, "Encore");
  op->projectName = u"Matinee, unsaved";
  click("Open project");
  answer(AnswerKind::List, 4);
  act([this](hostsim::UserInput& in) {
    host().calls().failNth("mainGetActiveProjectNumber", 1);
    return in.clickCaption("OK");
  });
  answer(AnswerKind::Text, 1);
  click("OK");
  EXPECT_FALSE(op->ProjectSettingsDialog());
  EXPECT_EQ(op->projectSlot, 0);
  EXPECT_EQ(op->projectName, u"Matinee, unsaved");
  EXPECT_TRUE(op->cameras[1].hasClip());
  EXPECT_FALSE(op->settingsChanged);
  EXPECT_EQ(host().calls().count("vreqTextRequest"), 1) << "the user is told";
}

TEST_F(SettingsDialogTest, CopyingOntoAUsedSlotAsksAndNoAsksAgain) {
  startOn("Matinee");
  placeSlot(2, "Encore");
  answer(AnswerKind::List, 2);  // slots 2 to 10 are offered: slot 3 (index 2)
  click("OK");
  answer(AnswerKind::Text, 2);  // no: choose again
  answer(AnswerKind::List, 3);  // slot 4 (index 3), empty: no question
  click("OK");
  answer(AnswerKind::Text, 1);  // the outcome
  op->CopyProjectToSlot();
  EXPECT_NE(fileText(2).find("<name>Encore</name>"), std::string::npos) << "kept";
  EXPECT_NE(fileText(3).find("<name>Matinee (copy)</name>"), std::string::npos) << fileText(3);
  EXPECT_EQ(op->projectSlot, 0);
  EXPECT_EQ(op->projectName, u"Matinee");
  EXPECT_EQ(host().calls().count("vreqTextRequest"), 2) << "the question once, the outcome once";
}

struct ResetCase {
  const char* what;
  std::vector<const char*> boxes;  // clicked in turn before OK
  bool okEnabled;
  bool confirmed;
  bool wholeProject;
};

class ResetRequestTest : public SettingsDialogTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ResetRequestTest, OffersOkOnlyForSomethingToReset) {
  const ResetCase& c = GetParam();
  startOn("Matinee");
  for (const char* box : c.boxes) click(box);
  bool okEnabled = false;
  act([&](hostsim::UserInput& in) {
    const auto requests = host().panels().openRequests();
    okEnabled = host().panels().findElement(requests.front().confirm)->enabled;
    return in.clickCaption("OK");
  });
  if (!c.confirmed) click("Cancel");
  op->position = 100;
  EXPECT_EQ(op->AskResetProject(), c.confirmed) << c.what;
  EXPECT_EQ(okEnabled, c.okEnabled) << c.what;
  if (!c.confirmed) return;
  EXPECT_EQ(op->position, 0) << c.what;
  EXPECT_EQ(op->cutList, (ostrel3::CutList{{0, 0}})) << c.what;
  EXPECT_EQ(op->cameras[0].hasClip(), !c.wholeProject) << c.what;
  EXPECT_EQ(op->projectName, c.wholeProject ? u"P 1" : u"Matinee") << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResetRequestTest,
    ::testing::Values(ResetCase{"the whole project", {}, true, true, true},
                      ResetCase{"only the cuts", {"Reset the whole project"}, true, true, false},
                      ResetCase{"nothing ticked", {"Reset the whole project", "Clear all cuts"}, false, false, false},
                      ResetCase{"ticking the whole project again ticks the cuts",
                                {"Reset the whole project", "Clear all cuts", "Reset the whole project"}, true, true,
                                true}));

class SettingsLoopTest : public SettingsDialogTest {
 protected:
  int32_t runOperator() {
    OperatorMsg message{};
    message.code = OP_MSG_RUN;
    message.fieldRate = 50;
    return ostrel3::OperatorMessage(&message);
  }
  static ostrel3::MulticamOperator& current() { return *ostrel3::currentOperator.load(); }
  void SetUp() override {
    SettingsDialogTest::SetUp();
    op.reset();  // the run makes its own operator
  }
};

TEST_F(SettingsLoopTest, FewerCamerasRebuildThePanelWithTheActiveCameraAmongThem) {
  placeSlot(0, "Matinee", 4);
  act([](hostsim::UserInput&) {
    current().activeCamera = 3;
    return true;
  });
  click("Settings");
  click("Cameras shown", 0);  // two cameras
  click("OK");
  int32_t cameras = 0, buttons = 0, active = -1;
  act([&](hostsim::UserInput& in) {
    cameras = current().sceneCount;
    active = current().activeCamera;
    for (int i = 0; i < 6; ++i) buttons += current().elementSlots[ostrel3::CameraButtonSlot(i)] != 0;
    return in.clickCaption("Leave");
  });
  const int opened = host().calls().count("cmOpen");
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(cameras, 2);
  EXPECT_EQ(buttons, 2) << "the new panel has two camera buttons";
  EXPECT_EQ(active, 1);
  EXPECT_EQ(host().calls().count("cmOpen"), opened + 1) << "a new panel, not a new operator";
}

TEST_F(SettingsLoopTest, ARenameReachesTheProjectFileAndAResetIsUndone) {
  placeSlot(0, "Matinee");
  click("Settings");
  click("Name");
  answer(AnswerKind::Key, 1, "Evening show");
  click("Reset project");
  click("Clear all cuts");  // fixed while the whole project is ticked: ignored
  click("Reset the whole project");
  click("OK");  // the cuts only
  click("OK");
  size_t cutsAfterReset = 0;
  act([&](hostsim::UserInput&) {
    cutsAfterReset = current().cutList.size();
    return true;
  });
  act([](hostsim::UserInput& in) { return in.clickShortcut(0x4040007A); });  // undo
  click("Leave");
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(cutsAfterReset, 1u);
  const std::string saved = fileText(0);
  EXPECT_NE(saved.find("<name>Evening show</name>"), std::string::npos) << saved;
  EXPECT_NE(saved.find("tc=\"40\""), std::string::npos) << "the undo brought the cut back";
}

}  // namespace
