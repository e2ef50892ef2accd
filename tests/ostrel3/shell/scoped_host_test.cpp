// Scoped helpers: the clip rectangle, the button flash, the scene sample.
#include "hostsim/gui/display.h"
#include "host/host.h"
#include "ostrel3/shell/scoped_host.h"
#include "savecliprect.h"
#include "support/host_fixture.h"

namespace {

class ScopedHostTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.monitors.resize(2);
    return c;
  }
  VG_CORNERS clipOf(int32_t monitor) {
    VG_CORNERS r{};
    vgGetClipRectMonitor(&r, monitor);
    return r;
  }
};

TEST_F(ScopedHostTest, TheClipRectangleIsNarrowedOnItsMonitorAndRestored) {
  const VG_PANEL panel = vgCreatePanel(0, 100, 50, 400, 300, 0, 0, 0);
  ASSERT_NE(panel, 0u);
  const VG_CORNERS before = clipOf(2);
  {
    ostrel3::ClipRectSaver saver(panel, 10, 20, 109, 59, 2);
    EXPECT_TRUE(saver.active());
    const VG_CORNERS narrowed = clipOf(2);
    EXPECT_EQ(narrowed.x0, 110);
    EXPECT_EQ(narrowed.y0, 70);
    EXPECT_EQ(narrowed.x1, 209);
    EXPECT_EQ(narrowed.y1, 109);
    EXPECT_EQ(vgGetDefaultMonitor(), 1);  // the default monitor is given back at once
  }
  const VG_CORNERS after = clipOf(2);
  EXPECT_EQ(after.x0, before.x0);
  EXPECT_EQ(after.x1, before.x1);
  EXPECT_EQ(after.y1, before.y1);
  EXPECT_EQ(host().calls().count("taskLock"), 2);
  EXPECT_EQ(host().calls().count("taskUnlock"), 2);
  vgRemovePanel(panel);
}

TEST_F(ScopedHostTest, AnUnknownPanelLeavesTheClipRectangleAlone) {
  {
    ostrel3::ClipRectSaver saver(9999, 0, 0, 10, 10, 1);
    EXPECT_FALSE(saver.active());
  }
  EXPECT_EQ(logCount(3), 1u);
  EXPECT_EQ(host().calls().count("vgSetClipRect"), 0);
}

TEST_F(ScopedHostTest, FlashPressesAndReleasesOnlyARealElement) {
  ostrel3::FlashElement(0, 5);
  ostrel3::FlashElement(5, 0);
  EXPECT_EQ(host().calls().count("vgActivateElement"), 0);
  ostrel3::FlashElement(5, 6);
  EXPECT_EQ(host().calls().traceOf({"vgActivateElement", "taskDelay", "vgInactivateElement"}),
            (std::vector<std::string>{"vgActivateElement(5, 6)", "taskDelay(5)", "vgInactivateElement(5, 6)"}));
}

TEST_F(ScopedHostTest, TheSceneSampleIsGivenBackOnTheWayOut) {
  const uint32_t sample = mainGetActSceneSample(1);
  ASSERT_NE(sample, 0u);
  {
    ostrel3::ActSceneSampleRestorer restorer;
    mainSetActSceneSample(sample + 7, 1);
  }
  EXPECT_EQ(mainGetActSceneSample(1), sample);
}

}  // namespace
