// The timeline overview on the main panel, driven through the event loop:
// the zoom buttons reached by their shortcut codes, and a picture of the
// panel for a person to look at.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "host/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "ostrel3/display/overview_gate.h"
#include "ostrel3/shell/entry.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;
using hostsim::Host;

constexpr uint32_t kZoomAllKey = 0x30;
constexpr uint32_t kZoomInKey = 0x4000002B;
constexpr uint32_t kZoomOutKey = 0x8000002D;

class TimelinePanelTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{901, "Stage left", 3000, -1, 0}, {902, "Stage right", 3000, -1, 0}, {903, "Audience", 3000, -1, 0}};
    return c;
  }

  // Three cameras with clips, a fourth without; cuts to each of them.
  void placeProject() {
    const fs::path dir = home() / "programs" / "ostrel3";
    fs::create_directories(dir);
    std::ofstream f(dir / "project_01_00.info");
    f << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3><scenes>"
         "<scene uid=\"901\" cam=\"0\"/><scene uid=\"902\" cam=\"1\"/><scene uid=\"903\" cam=\"2\"/></scenes>"
         "<points><point tc=\"0\" cam=\"0\"/><point tc=\"400\" cam=\"1\"/><point tc=\"700\" cam=\"2\"/>"
         "<point tc=\"1000\" cam=\"3\"/><point tc=\"1300\" cam=\"0\"/><point tc=\"1320\" cam=\"1\"/>"
         "<point tc=\"2100\" cam=\"2\"/></points>"
         "<num_gui_scenes>4</num_gui_scenes><act_tc>700</act_tc><zoom in=\"0\" out=\"2999\"/></ostrel3>\n";
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

TEST_F(TimelinePanelTest, TheZoomButtonsMoveTheWindowAroundThePosition) {
  placeProject();
  std::vector<std::pair<int32_t, int32_t>> windows;
  const auto record = [&] { windows.emplace_back(op().zoomIn, op().zoomOut); };
  act([&](Host& h) {
    op().position = 2000;
    return h.panels().input().clickShortcut(kZoomInKey);
  });
  act([&](Host& h) {
    record();
    return h.panels().input().clickShortcut(kZoomInKey);
  });
  act([&](Host& h) {
    record();
    return h.panels().input().clickShortcut(kZoomOutKey);
  });
  act([&](Host& h) {
    record();
    return h.panels().input().clickShortcut(kZoomAllKey);
  });
  act([&](Host& h) {
    record();
    return h.panels().input().clickCaption("Leave");
  });
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(windows, (std::vector<std::pair<int32_t, int32_t>>{{1250, 2750}, {1625, 2375}, {1249, 2751}, {0, 2999}}));
}

TEST_F(TimelinePanelTest, APictureOfTheOverviewWithAFewCuts) {
  placeProject();
  const fs::path shot = home() / "timeline-overview.png";
  act([&](Host& h) { return h.display().screen().savePng(1, shot); });
  act([](Host& h) { return h.panels().input().clickCaption("Leave"); });
  EXPECT_EQ(runOperator(), 0);
  ASSERT_TRUE(fs::exists(shot));
  for (const auto& l : host().log().callerLines(4)) ADD_FAILURE() << l.file << ":" << l.line;
  if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
    fs::copy_file(shot, fs::path(keep) / shot.filename(), fs::copy_options::overwrite_existing);
}

// Two zooms in one host tick draw the overview once, for the first: the
// second window once stayed off the screen until something else was drawn.
TEST_F(TimelinePanelTest, TwoChangesInOneTickLeaveTheOverviewUpToDateWhenTheUserLooks) {
  placeProject();
  bool behindWhenLooking = true;
  int drawsBefore = 0;
  act([&](Host& h) {
    op().position = 2000;
    drawsBefore = h.calls().count("vgWriteRectRaw");
    return h.panels().input().clickShortcut(kZoomInKey) && h.panels().input().clickShortcut(kZoomInKey);
  });
  act([&](Host& h) {
    behindWhenLooking = ostrel3::OverviewBehind();
    EXPECT_GE(h.calls().count("vgWriteRectRaw"), drawsBefore + 1);
    return h.panels().input().clickCaption("Leave");
  });
  EXPECT_EQ(runOperator(), 0);
  EXPECT_FALSE(behindWhenLooking);
}

}  // namespace
