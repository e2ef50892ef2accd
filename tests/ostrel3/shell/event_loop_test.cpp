// The event loop on the stand-in host, driven by the user's steps.
#include <filesystem>
#include <fstream>

#include "host/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/kernel/kernel.h"
#include "ostrel3/shell/entry.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/shell/queue_message.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;
using hostsim::Host;

constexpr uint32_t kUndoShortcut = 0x4040007A;

class EventLoopTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{901, "North", 300, 10, 0}, {902, "South", 300, 20, 0}, {903, "East", 300, 30, 0}};
    return c;
  }

  fs::path operatorDir() const { return home() / "programs" / "ostrel3"; }

  void placeProject(int cameras) {
    fs::create_directories(operatorDir());
    std::ofstream f(operatorDir() / "project_01_00.info");
    f << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3><scenes>";
    for (int i = 0; i < cameras && i < 3; ++i) f << "<scene uid=\"" << 901 + i << "\" cam=\"" << i << "\"/>";
    f << "</scenes><num_gui_scenes>" << cameras << "</num_gui_scenes></ostrel3>\n";
  }

  void act(std::function<bool(Host&)> action) { host().user().addAction("test step", std::move(action)); }

  int32_t runOperator() {
    OperatorMsg run{};
    run.code = OP_MSG_RUN;
    run.fieldRate = 50;
    return ostrel3::OperatorMessage(&run);
  }

  static ostrel3::MulticamOperator& op() { return *ostrel3::currentOperator.load(); }
};

TEST_F(EventLoopTest, LeavingSavesTheProjectAndTheSettings) {
  placeProject(2);
  act([](Host& h) { return h.panels().input().clickCaption("Leave"); });
  EXPECT_EQ(runOperator(), 0);
  EXPECT_TRUE(fs::exists(operatorDir() / "settings_01.info"));
  std::ifstream saved(operatorDir() / "project_01_00.info");
  std::string text((std::istreambuf_iterator<char>(saved)), {});
  EXPECT_NE(text.find("<num_gui_scenes>2</num_gui_scenes>"), std::string::npos) << text;
  EXPECT_NE(text.find("uid=\"902\""), std::string::npos);
}

TEST_F(EventLoopTest, ClosingTheScreenSavesAndEndsTheRun) {
  placeProject(3);
  // No steps: the user closes the screen at the first wait.
  EXPECT_EQ(runOperator(), 0);
  EXPECT_TRUE(fs::exists(operatorDir() / "settings_01.info"));
  EXPECT_EQ(ostrel3::currentOperator.load(), nullptr);
}

TEST_F(EventLoopTest, ASettingsChangeIsSavedOnTheWayOut) {
  placeProject(2);
  act([](Host&) {
    op().settingsChanged = true;
    op().projectSlot = 4;
    return true;
  });
  act([](Host& h) { return h.panels().input().clickCaption("Leave"); });
  EXPECT_EQ(runOperator(), 0);
  std::ifstream settings(operatorDir() / "settings_01.info");
  std::string text((std::istreambuf_iterator<char>(settings)), {});
  EXPECT_NE(text.find("<prj_num>4</prj_num>"), std::string::npos) << text;
}

TEST_F(EventLoopTest, AScrubTickChangesNothing) {
  placeProject(2);
  size_t callsBefore = 0;
  act([&](Host& h) {
    const ostrel3::QueueMessage tick = ostrel3::TickMessage(8);
    callsBefore = h.calls().trace().size();
    return h.kernel().send(op().eventQueue.get(), &tick, sizeof tick, 0, 0) == 0;
  });
  std::vector<std::string> between;
  act([&](Host& h) {
    auto trace = h.calls().trace();
    for (size_t i = callsBefore; i < trace.size(); ++i) between.push_back(trace[i].name);
    return h.panels().input().clickCaption("Leave");
  });
  EXPECT_EQ(runOperator(), 0);
  // The tick was taken off the queue and the loop went straight back to waiting.
  EXPECT_EQ(between, (std::vector<std::string>{"vgMsgQReceive2"}));
}

TEST_F(EventLoopTest, ACameraKeyMakesItsCameraActive) {
  placeProject(3);
  int32_t active = -1;
  act([](Host& h) { return h.panels().input().key('2'); });
  act([&](Host& h) {
    active = op().activeCamera;
    return h.panels().input().clickCaption("Leave");
  });
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(active, 2);
}

TEST_F(EventLoopTest, OnlyTheActiveCamerasButtonIsLit) {
  placeProject(3);
  std::vector<std::vector<bool>> lit;
  auto record = [&](Host& h) {
    std::vector<bool> row;
    for (int camera = 0; camera < 3; ++camera)
      row.push_back(h.panels().findElement(op().elementSlots[9 + 2 * camera]).value().active);
    lit.push_back(row);
  };
  act([&](Host& h) {
    record(h);
    return h.panels().input().clickElement(op().elementSlots[11]);
  });
  act([&](Host& h) {
    record(h);
    return h.panels().input().key('2');
  });
  act([&](Host& h) {
    record(h);
    return h.panels().input().clickCaption("Leave");
  });
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(lit, (std::vector<std::vector<bool>>{{true, false, false}, {false, true, false}, {false, false, true}}));
}

TEST_F(EventLoopTest, UndoToAnotherCameraCountRebuildsThePanelButNotTheOperator) {
  placeProject(2);
  act([](Host&) {
    op().PushUndo();  // a state with two cameras
    op().sceneCount = 3;
    return true;
  });
  act([](Host& h) { return h.panels().input().clickShortcut(kUndoShortcut); });
  int32_t camerasAfter = 0;
  act([&](Host& h) {
    camerasAfter = op().sceneCount;
    return h.panels().input().clickCaption("Leave");
  });
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(camerasAfter, 2);
  EXPECT_EQ(host().calls().count("vreqCreateRequest"), 2);
  EXPECT_EQ(host().calls().count("cmOpen"), 1);
}

TEST_F(EventLoopTest, UndoWithNothingToUndoBeepsAndKeepsThePanel) {
  placeProject(2);
  act([](Host& h) { return h.panels().input().clickShortcut(kUndoShortcut); });
  act([](Host& h) { return h.panels().input().clickCaption("Leave"); });
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(host().calls().count("vgPointerBeep"), 1);
  EXPECT_EQ(host().calls().count("vreqCreateRequest"), 1);
}

TEST_F(EventLoopTest, TheFrameConfirmElementTriesTheOutputAndTheCancelElementLeaves) {
  placeProject(2);
  const auto projectFile = operatorDir() / "project_01_00.info";
  const auto placedAt = fs::last_write_time(projectFile);
  bool running = false;
  act([](Host& h) { return h.panels().input().clickElement(op().panelRequest.okElement); });
  act([&](Host&) {
    running = op().keepRunning;
    return true;
  });
  act([](Host& h) { return h.panels().input().clickElement(op().panelRequest.cancelElement); });
  EXPECT_EQ(runOperator(), 0);
  // The host's include-trim limit is raised for the output and given back.
  EXPECT_EQ(host().calls().traceOf({"nslSetMaxIncludeTrimFrames"}),
            (std::vector<std::string>{"nslSetMaxIncludeTrimFrames(125)", "nslSetMaxIncludeTrimFrames(50)"}));
  // Nothing was written to the storyboard yet, so the operator stays; the
  // frame's cancel element then leaves like the leave button, with saving.
  EXPECT_TRUE(running);
  EXPECT_NE(fs::last_write_time(projectFile), placedAt);
}

}  // namespace
