// Applying from the main panel: a written output ends the operator; the
// apply button saves the project on the way out, the panel frame's confirm
// element leaves without saving.
#include <filesystem>
#include <fstream>

#include "host/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/media/media.h"
#include "hostsim/media/storyboard.h"
#include "ostrel3/shell/entry.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;
using hostsim::Host;

class ApplyTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{901, "North", 600}, {902, "South", 600}};
    c.includeTrimFrames = 50;
    return c;
  }
  fs::path projectFile() const { return home() / "programs" / "ostrel3" / "project_01_00.info"; }
  /// Two cameras, camera 2 from frame 100 to 199, handles of 125 frames.
  void placeProject() {
    fs::create_directories(projectFile().parent_path());
    std::ofstream f(projectFile());
    f << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3><scenes><scene uid=\"901\" cam=\"0\"/>"
         "<scene uid=\"902\" cam=\"1\"/></scenes><points><point tc=\"0\" cam=\"0\"/><point tc=\"100\" cam=\"1\"/>"
         "<point tc=\"200\" cam=\"0\"/></points><num_gui_scenes>2</num_gui_scenes><trim_len>125</trim_len>"
         "</ostrel3>\n";
  }
  void act(std::function<bool(Host&)> action) { host().user().addAction("test step", std::move(action)); }
  void click(const std::string& caption) {
    act([caption](Host& h) { return h.panels().input().clickCaption(caption); });
  }
  int32_t runOperator() {
    OperatorMsg run{};
    run.code = OP_MSG_RUN;
    run.fieldRate = 50;
    return ostrel3::OperatorMessage(&run);
  }
  size_t scenes() { return host().media().storyboard().view().scenes.size(); }
  /// The tail handle of the first insert.
  int32_t scenesHandles() {
    const auto view = host().media().storyboard().view();
    return view.scenes.empty() || !view.scenes[0].insert ? -1 : view.scenes[0].insert->clip.tailHandle();
  }
  bool applyAndEnd(bool withButton, fs::file_time_type& savedAt);
};

// Applies with the apply button or the frame's confirm element, appending.
// True when the operator ended on its own: a step after the answer never ran.
// `savedAt` is when the project file was last written once the operator runs.
bool ApplyTest::applyAndEnd(bool withButton, fs::file_time_type& savedAt) {
  placeProject();
  act([this, &savedAt](Host&) {
    savedAt = fs::last_write_time(projectFile());
    return true;
  });
  if (withButton) {
    click("Apply");
  } else {
    act([](Host& h) { return h.panels().input().clickElement(ostrel3::currentOperator.load()->panelRequest.okElement); });
  }
  click("Append to the storyboard");
  click("OK");
  bool stillOpen = false;
  act([&stillOpen](Host&) { return stillOpen = true; });
  EXPECT_EQ(runOperator(), 0);
  return !stillOpen;
}

TEST_F(ApplyTest, TheApplyButtonWritesSavesAndEnds) {
  fs::file_time_type placedAt;
  EXPECT_TRUE(applyAndEnd(true, placedAt));
  EXPECT_EQ(scenes(), 2u) << "the base scene split by one insert";
  EXPECT_NE(fs::last_write_time(projectFile()), placedAt) << "saved on the way out";
  // The handles needed a higher include-trim limit for the output only.
  EXPECT_EQ(host().calls().traceOf({"nslSetMaxIncludeTrimFrames"}),
            (std::vector<std::string>{"nslSetMaxIncludeTrimFrames(125)", "nslSetMaxIncludeTrimFrames(50)"}));
  EXPECT_EQ(scenesHandles(), 125) << "the insert kept handles of the project's length";
}

TEST_F(ApplyTest, TheFrameConfirmWritesAndEndsWithoutSaving) {
  fs::file_time_type placedAt;
  EXPECT_TRUE(applyAndEnd(false, placedAt));
  EXPECT_EQ(scenes(), 2u);
  EXPECT_EQ(fs::last_write_time(projectFile()), placedAt);
}

}  // namespace
