#include <gtest/gtest.h>

#include "display_support.h"
#include "host/vg.h"

namespace ostrel3_test {
namespace {

// Three monitors: an HD GUI screen with a safe area, a small second one and
// a default third.
class ThreeMonitors : public DisplayTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = DisplayTest::makeConfig();
    hostsim::MonitorConfig gui;
    gui.visibleX0 = 32;
    gui.visibleY0 = 18;
    gui.visibleX1 = 1887;
    gui.visibleY1 = 1061;
    hostsim::MonitorConfig small;
    small.width = 1024;
    small.height = 576;
    small.aspectX = 4;
    small.aspectY = 3;
    c.monitors = {gui, small, hostsim::MonitorConfig{}};
    c.defaultMonitor = 2;
    return c;
  }
};

TEST_F(ThreeMonitors, ReportsCountSizesAndTheConfiguredDefault) {
  EXPECT_EQ(vgGetConnectedMonitors(), 3);
  EXPECT_EQ(vgGetDefaultMonitor(), 2);
  EXPECT_EQ(vgGetScreenWidth(), 1024);
  EXPECT_EQ(vgGetScreenHeight(), 576);
  EXPECT_EQ(vgGetScreenWidthMonitor(1), 1920);
  EXPECT_EQ(vgGetScreenHeightMonitor(3), 1080);
  EXPECT_EQ(vgGetScreenWidthMonitor(4), 0);
  EXPECT_EQ(vgGetScreenHeightMonitor(0), 0);
}

TEST_F(ThreeMonitors, VisibleAreaIsTheWholeScreenUnlessConfigured) {
  int16_t x0 = -1, y0 = -1, x1 = -1, y1 = -1;
  ASSERT_EQ(vgGetVisibleArea(&x0, &y0, &x1, &y1), 0);
  EXPECT_EQ((VG_CORNERS{x0, y0, x1, y1}), (VG_CORNERS{0, 0, 1023, 575}));
  ASSERT_EQ(vgGetVisibleAreaMonitor(&x0, &y0, &x1, &y1, 1), 0);
  EXPECT_EQ((VG_CORNERS{x0, y0, x1, y1}), (VG_CORNERS{32, 18, 1887, 1061}));
  EXPECT_EQ(vgGetVisibleAreaMonitor(&x0, &y0, &x1, &y1, 5), -1);
  EXPECT_EQ(vgGetVisibleArea(nullptr, &y0, &x1, &y1), -1);
}

TEST_F(ThreeMonitors, PixelAspectIsPerMonitorAndHdScreensAre16By9) {
  EXPECT_EQ(vgGetPixelAspect(1).x, 16);
  EXPECT_EQ(vgGetPixelAspect(1).y, 9);
  EXPECT_EQ(vgGetPixelAspect(2).x, 4);
  // A monitor that is not connected answers for the default one.
  EXPECT_EQ(vgGetPixelAspect(0).x, 4);
  EXPECT_EQ(vgGetPixelAspect(0).y, 3);
  // The GUI's own pixels are square.
  EXPECT_EQ(vgGetPixelAspect(VG_ASPECT_GUI_PIXELS).x, 1);
  EXPECT_EQ(vgGetPixelAspect(VG_ASPECT_GUI_PIXELS).y, 1);
}

TEST_F(ThreeMonitors, DefaultMonitorChangesOnlyToAConnectedOne) {
  EXPECT_EQ(vgSetDefaultMonitor(3), 2);
  EXPECT_EQ(vgGetDefaultMonitor(), 3);
  EXPECT_EQ(vgSetDefaultMonitor(4), -1);
  EXPECT_EQ(vgSetDefaultMonitor(0), -1);
  EXPECT_EQ(vgGetDefaultMonitor(), 3);
  EXPECT_EQ(vgSetDefaultMonitor(1), 3);
  EXPECT_EQ(vgGetScreenWidth(), 1920);
}

TEST_F(ThreeMonitors, ColourBarKeepsItsState) {
  EXPECT_TRUE(display().colourBarOn());
  vgColorBarOff();
  EXPECT_FALSE(display().colourBarOn());
  vgColorBarOn();
  EXPECT_TRUE(display().colourBarOn());
}

TEST_F(ThreeMonitors, ClipRectangleBelongsToTheDefaultMonitor) {
  VG_CORNERS clip{};
  ASSERT_EQ(vgGetClipRectMonitor(&clip, 1), 0);
  EXPECT_EQ(clip, (VG_CORNERS{0, 0, 1919, 1079}));
  ASSERT_EQ(vgSetClipRect(0, 10, 20, 30, 40), 0);  // on monitor 2, the default
  ASSERT_EQ(vgGetClipRectMonitor(&clip, 2), 0);
  EXPECT_EQ(clip, (VG_CORNERS{10, 20, 30, 40}));
  ASSERT_EQ(vgGetClipRectMonitor(&clip, 1), 0);
  EXPECT_EQ(clip, (VG_CORNERS{0, 0, 1919, 1079}));
  EXPECT_EQ(vgGetClipRectMonitor(&clip, 7), -1);
  EXPECT_EQ(vgGetClipRectMonitor(nullptr, 1), -1);
}

using Monitors = DisplayTest;

TEST_F(Monitors, OneHdMonitorByDefault) {
  EXPECT_EQ(vgGetConnectedMonitors(), 1);
  EXPECT_EQ(vgGetDefaultMonitor(), 1);
  EXPECT_EQ(vgGetScreenWidth(), 1920);
  EXPECT_EQ(vgGetScreenHeight(), 1080);
  EXPECT_EQ(vgGetPixelAspect(1).x * 9, vgGetPixelAspect(1).y * 16);
  EXPECT_EQ(vgGetGuiStatus() & 1, 1);
  EXPECT_EQ(vgGetGuiLook(), 1);
  EXPECT_EQ(vgGetColorBoostMain(), 0);
  EXPECT_EQ(vgGetDVIMode(), 1);
  EXPECT_EQ(vgGetVideoMode(), 0);
}

TEST_F(Monitors, ClipRectangleOfAPanelIsRelativeToIt) {
  placePanels({{7, {1, {100, 50, 400, 300}}}});
  ASSERT_EQ(vgSetClipRect(7, 0, 0, 9, 4), 0);
  VG_CORNERS clip{};
  ASSERT_EQ(vgGetClipRectMonitor(&clip, 1), 0);
  EXPECT_EQ(clip, (VG_CORNERS{100, 50, 109, 54}));
  EXPECT_EQ(vgSetClipRect(8, 0, 0, 9, 4), -1);
  ASSERT_EQ(vgGetClipRectMonitor(&clip, 1), 0);
  EXPECT_EQ(clip, (VG_CORNERS{100, 50, 109, 54})) << "a refused call must not change the clip";
}

TEST_F(Monitors, RefreshBracketsNestAndAnUnbalancedEnableFails) {
  EXPECT_EQ(vgEnableRefresh(1), -1);
  EXPECT_EQ(vgDisableRefresh(1), 0);
  EXPECT_EQ(vgDisableRefresh(1), 0);
  EXPECT_EQ(display().refreshDepth(1), 2);
  EXPECT_EQ(vgEnableRefresh(1), 0);
  EXPECT_EQ(vgEnableRefresh(1), 0);
  EXPECT_EQ(vgEnableRefresh(1), -1);
  EXPECT_EQ(vgDisableRefresh(2), -1);
  EXPECT_EQ(display().refreshDepth(1), 0);
}

TEST_F(Monitors, PointerKeepsWhatTheOperatorSet) {
  vgPointerBeep();
  vgPointerBeep();
  EXPECT_EQ(display().beeps(), 2);
  vgBusyPointer();
  EXPECT_TRUE(display().pointer().busy);
  vgStandardPointer();
  EXPECT_FALSE(display().pointer().busy);
  EXPECT_EQ(vgSetPointerAttrs(2, 0, 0, 0), 0);
  EXPECT_EQ(display().pointer().look, 2);
  EXPECT_EQ(vgSetPointerAttrs(-1, 0, 0, 0), -1);
  EXPECT_EQ(display().pointer().look, 2);
  EXPECT_EQ(vgSetPointerPosition(640, 360), 0);
  EXPECT_EQ(display().pointer().x, 640);
  EXPECT_EQ(vgSetPointerPosition(1920, 10), -1);
  EXPECT_EQ(display().pointer().x, 640);
}

// A broken configuration gives a usable display and says what it corrected.
class OddMonitors : public DisplayTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = DisplayTest::makeConfig();
    hostsim::MonitorConfig m;
    m.width = 800;
    m.height = 0;
    m.visibleX0 = 700;
    m.visibleX1 = 5000;
    m.visibleY1 = 10;
    m.aspectY = 0;
    c.monitors = {m, m, m, m, m};
    c.defaultMonitor = 9;
    return c;
  }
};

TEST_F(OddMonitors, AreCorrectedAndLogged) {
  EXPECT_EQ(vgGetConnectedMonitors(), 4);
  EXPECT_EQ(vgGetDefaultMonitor(), 1);
  EXPECT_EQ(vgGetScreenHeight(), 1);
  EXPECT_EQ(vgGetPixelAspect(1).x, 16);
  int16_t x0, y0, x1, y1;
  ASSERT_EQ(vgGetVisibleArea(&x0, &y0, &x1, &y1), 0);
  EXPECT_EQ((VG_CORNERS{x0, y0, x1, y1}), (VG_CORNERS{700, 0, 799, 0}));
  EXPECT_GE(host().log().size(), 5u);
}

}  // namespace
}  // namespace ostrel3_test
