// The timeline overview drawn on a panel of the stand-in host: what lands on
// the screen, what the host is asked to write, the once-per-tick gate and
// the ruler's buffer on failing host calls.
#include <cstdio>
#include <string>
#include <vector>

#include "host/host.h"
#include "ostrel3/display/overview_gate.h"
#include "ostrel3/display/timeline_geometry.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "tests/hostsim/display_support.h"

namespace {

using ostrel3::CutList;
using ostrel3::MulticamOperator;

constexpr int16_t kStripLeft = 20, kStripTop = 10, kStripWidth = 500;
constexpr uint32_t kTickArgb = 0xFFB7B7B7u;

class TimelineOverviewTest : public ostrel3_test::DisplayTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = DisplayTest::makeConfig();
    c.clips = {{501, "Stage left", 1000, -1, 0}, {502, "Stage right", 1000, -1, 0}, {503, "Audience", 1000, -1, 0}};
    c.guiLook = guiLook;
    return c;
  }
  void SetUp() override {
    DisplayTest::SetUp();
    op = std::make_unique<MulticamOperator>();
    for (int i = 0; i < 3; ++i)
      ostrel3::AssignClip(op->cameras[i], mainGetAVRecordFromId(501 + i, host().config().projectNumber, 1), -1, -1,
                          -1);
    op->UpdateTimelineLength();
    panel = vgCreatePanel(0, 100, 600, 1600, 120, 0, 0, 0);
    ASSERT_EQ(vgGetPanelRect(panel, &place), 0);
    op->timeTextWidth = 80;
    setWidth(kStripWidth);
    show({{0, 0}}, 0, 249);
    // No host tick can be this one: the first unforced drawing is due.
    ostrel3::lastOverviewTick = UINT32_MAX;
    host().calls().clearTrace();
  }
  void TearDown() override {
    op.reset();
    if (panel) vgRemovePanel(panel);
    DisplayTest::TearDown();
  }

  void setWidth(int16_t width) {
    const auto height = static_cast<int16_t>(op->textLineHeight + op->timelineGap + 2 + 24 + op->timelineMargin);
    op->timelineArea = {panel, VG_RECT{kStripLeft, kStripTop, width, height}};
    bands = ostrel3::BandsOf(height, op->textLineHeight, op->timelineGap, op->timelineMargin);
  }
  void show(CutList cuts, int32_t zoomIn, int32_t zoomOut) {
    op->cutList = std::move(cuts);
    op->zoomIn = zoomIn;
    op->zoomOut = zoomOut;
  }
  void empty(int camera) { ostrel3::ClearCameraSlot(op->cameras[camera]); }

  // A pixel of the timeline, relative to its corner.
  uint32_t at(int column, int row) { return pixel(place.x + kStripLeft + column, place.y + kStripTop + row); }
  uint32_t stripOf(int column) { return at(column, bands.barTop); }
  uint32_t bodyOf(int column) { return at(column, bands.barTop + 6); }
  uint32_t colourOf(int camera) const { return hostsim::yuvToArgb(op->cameras[camera].colour); }
  static uint32_t gui(int32_t index) { return hostsim::yuvToArgb(vgGetNewGuiColorYUV(index)); }
  int columnsOf(int row, int from, int to, uint32_t argb) {
    int n = 0;
    for (int c = from; c <= to; ++c) n += at(c, row) == argb ? 1 : 0;
    return n;
  }
  // The texts written into the cut bar, as "text@x+width".
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& call : const_cast<TimelineOverviewTest*>(this)->host().calls().traceOf({"vgBoxText"})) {
      char text[64] = {};
      int panelId = 0, x = 0, y = 0, w = 0;
      std::sscanf(call.c_str(), "vgBoxText(%d, \"%63[^\"]\", %d, %d, %d", &panelId, text, &x, &y, &w);
      out.push_back(std::string(text) + "@" + std::to_string(x - kStripLeft) + "+" + std::to_string(w));
    }
    return out;
  }

  // Calls of a host function since the trace was last cleared.
  int drawn(const std::string& name) { return static_cast<int>(host().calls().traceOf({name}).size()); }

  int32_t guiLook = 1;
  VG_PANEL panel = 0;
  VG_RECT place{};
  ostrel3::OverviewBands bands{};
  std::unique_ptr<MulticamOperator> op;
};

TEST_F(TimelineOverviewTest, RulerLabelsEveryTwoSecondsWithSevenMinorIntervals) {
  op->RedrawTimeline(true);
  const int16_t h = bands.rulerHeight;
  std::vector<std::string> expected;
  for (int second : {2, 4, 6, 8})
    expected.push_back("vgBoxTextBuffer(ptr, 500, " + std::to_string(h) + ", \"00:00:0" + std::to_string(second) +
                       ":00\", " + std::to_string(50 * second - 40) + ", 0, 80, " + std::to_string(op->textLineHeight) +
                       ", 18)");
  EXPECT_EQ(host().calls().traceOf({"vgBoxTextBuffer"}), expected);
  // Major ticks 4 pixels wide and 8 rows high at every 100 pixels.
  EXPECT_EQ(columnsOf(h - 10, 0, 499, kTickArgb), 2 + 4 * 4 + 2);
  EXPECT_EQ(at(99, h - 11), at(50, h - 11));
  // Between two labels, six minor ticks of 2 pixels, 14 apart.
  EXPECT_EQ(columnsOf(h - 4, 4, 96, kTickArgb), 12);
  EXPECT_EQ(at(17, h - 4), kTickArgb);
  EXPECT_EQ(at(31, h - 4), kTickArgb);
  EXPECT_NE(at(24, h - 4), kTickArgb);
  EXPECT_EQ(columnsOf(h - 1, 0, 499, kTickArgb), 500);
}

TEST_F(TimelineOverviewTest, SegmentsShowTheirCamerasColourNameAndCutLines) {
  // Camera 2 has no clip: its stretch is drawn as camera 1's. The last cut
  // lies beyond the window.
  empty(1);
  show({{0, 0}, {100, 1}, {200, 2}, {1000, 1}}, 0, 299);
  op->RedrawTimeline(true);
  EXPECT_EQ(stripOf(10), colourOf(0));
  EXPECT_EQ(stripOf(250), colourOf(0));
  EXPECT_EQ(stripOf(400), colourOf(2));
  EXPECT_EQ(names(), (std::vector<std::string>{"Stage left@0+167", "Stage left@166+168", "Audience@333+167"}));
  // The cut at frame 100 (column 166): the end of one segment and the start of the next.
  const uint32_t border = gui(8), body = gui(7);
  EXPECT_EQ(bodyOf(164), body);
  EXPECT_EQ(bodyOf(165), border);
  EXPECT_EQ(bodyOf(166), border);
  EXPECT_EQ(bodyOf(167), body);
  // Where the window cuts the last segment there is no line.
  EXPECT_EQ(bodyOf(499), body);
}

TEST_F(TimelineOverviewTest, AFarCutEndsAtTheRightEdgeInsteadOfWrapping) {
  // 1000 frames into a 25-frame window on 1500 pixels: column 60000.
  setWidth(1500);
  show({{0, 0}, {1000, 1}}, 0, 24);
  op->position = 500;
  op->RedrawTimeline(true);
  for (const auto& call : host().calls().traceOf({"vgRectFill"})) {
    int p = 0, x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    ASSERT_EQ(std::sscanf(call.c_str(), "vgRectFill(%d, %d, %d, %d, %d)", &p, &x0, &y0, &x1, &y1), 5) << call;
    EXPECT_TRUE(kStripLeft <= x0 && x0 <= x1 && x1 < kStripLeft + 1500) << call;
  }
  EXPECT_EQ(stripOf(1499), colourOf(0));
  EXPECT_EQ(bodyOf(1499), gui(7));
  // The position lies outside the window: no marker.
  EXPECT_EQ(drawn("vgWriteResImage"), 0);
}

TEST_F(TimelineOverviewTest, TheMarkerShowsWhetherThePositionIsOnACutOrACutIsMoved) {
  const struct {
    const char* what;
    int32_t position;
    bool moving;
    int32_t id;
    int32_t frame;
  } cases[] = {
      {"between cuts", 120, false, 102, 120},
      {"on a cut", 100, false, 104, 100},
      {"a cut moved 20 frames on", 100, true, 106, 120},
  };
  show({{0, 0}, {100, 1}}, 0, 249);
  for (const auto& c : cases) {
    op->position = c.position;
    op->moveMode = c.moving;
    op->moveFrom = 100;
    op->moveDelta = 20;
    host().calls().clearTrace();
    op->RedrawTimeline(true);
    const std::string id = std::to_string(c.id);
    EXPECT_EQ(host().calls().traceOf({"vgGetScaledResImage"}),
              std::vector<std::string>{"vgGetScaledResImage(" + std::to_string(op->images.get()) + ", " + id +
                                       ", 0, 0, 1)"})
        << c.what;
    const int x = kStripLeft + c.frame * 2 - 5, y = kStripTop + bands.barTop + bands.barHeight - 20 + 2;
    EXPECT_EQ(host().calls().traceOf({"vgWriteResImage"}),
              std::vector<std::string>{"vgWriteResImage(" + std::to_string(panel) + ", ptr, " + std::to_string(x) +
                                       ", " + std::to_string(y) + ")"})
        << c.what;
  }
  op->moveMode = false;
}

TEST_F(TimelineOverviewTest, AnEmptyProjectDrawsOnlyBackgroundsAndAZoomBarInsideItsBar) {
  for (int i = 0; i < 3; ++i) empty(i);
  op->UpdateTimelineLength();
  show({{0, 0}}, 0, op->LastFrame());
  ASSERT_EQ(op->zoomOut, -1);
  op->RedrawTimeline(true);
  EXPECT_EQ(drawn("vgRectFillBuffer"), 1);
  EXPECT_EQ(drawn("vgBoxTextBuffer"), 0);
  EXPECT_EQ(drawn("vgBoxText"), 0);
  EXPECT_EQ(drawn("vgWriteRectRaw"), 1);
  EXPECT_EQ(bodyOf(250), background(2));
  // The indicator keeps 6 pixels on the left and 108 on the right free.
  const int row = bands.zoomTop + 4;
  const uint32_t highlight = hostsim::yuvToArgb(op->highlightColor);
  EXPECT_EQ(columnsOf(row, 0, kStripWidth - 1, highlight), kStripWidth - 114);
  EXPECT_EQ(at(6, row), highlight);
  EXPECT_EQ(at(kStripWidth - 109, row), highlight);
}

TEST_F(TimelineOverviewTest, RedrawsInOneTickDrawOnceUnlessForced) {
  // A refused tickGet answers 0 every time: the clock stands still.
  host().calls().failAlways("tickGet");
  ostrel3::lastOverviewTick = 1;
  op->RedrawTimeline(false);
  op->RedrawTimeline(false);
  op->UpdateTimeline();
  EXPECT_EQ(drawn("vgWriteRectRaw"), 1);
  op->RedrawTimeline(true);
  EXPECT_EQ(drawn("vgWriteRectRaw"), 2);
  host().calls().clearAllFailures();
  taskDelay(1);
  op->RedrawTimeline(false);
  taskDelay(1);
  op->RedrawTimeline(false);
  EXPECT_EQ(drawn("vgWriteRectRaw"), 4);
}

TEST_F(TimelineOverviewTest, WithoutATimelineNothingIsDrawn) {
  op->timelineArea.panel = 0;
  op->RedrawTimeline(true);
  op->ZoomTimeline(+1);
  EXPECT_EQ(drawn("vgDisableRefresh"), 0);
  EXPECT_EQ(drawn("vgAllocImage"), 0);
}

TEST_F(TimelineOverviewTest, TheRulersBufferIsFreedWhenAHostCallFails) {
  const struct {
    const char* call;
    int written;  // vgWriteRectRaw calls made
  } cases[] = {{"vgAllocImage", 0}, {"vgRectFillBuffer", 0}, {"vgHideExtendedHelpInRegion", 1}, {"vgWriteRectRaw", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    host().calls().clearTrace();
    host().log().clear();
    host().calls().failNth(c.call, 1);
    op->RedrawTimeline(true);
    host().calls().clearAllFailures();
    EXPECT_EQ(logCount(4), 1u);
    EXPECT_EQ(drawn("vgWriteRectRaw"), c.written);
    for (const auto& live : host().liveHandles()) EXPECT_EQ(live.find("vgAllocImage"), std::string::npos) << live;
    // The rest of the overview is drawn all the same.
    EXPECT_EQ(drawn("vgBoxText"), 1);
    EXPECT_EQ(drawn("vgEnableRefresh"), 1);
  }
}

class DarkLookOverviewTest : public TimelineOverviewTest {
 protected:
  DarkLookOverviewTest() { guiLook = 2; }
};

TEST_F(TimelineOverviewTest, TheRulerHasTheClassicBackground) {
  op->RedrawTimeline(true);
  EXPECT_EQ(at(5, 1), gui(2));
}

TEST_F(DarkLookOverviewTest, TheRulerHasTheDarkLooksBackground) {
  op->RedrawTimeline(true);
  EXPECT_EQ(at(5, 1), gui(5));
}

}  // namespace
