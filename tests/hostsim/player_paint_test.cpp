// What the player paints: each camera's frame in its box, the edit's
// picture in the preview (in the panel or on the output monitor), black once
// a camera's material is used up, and nothing outside the screen area.
#include "hostsim/gui/display.h"
#include "hostsim/media/frame_painter.h"
#include "player_fixture.h"

namespace ostrel3_test {
namespace {

class PlayerPaintTest : public PlayerTest {
 protected:
  /// The picture of a clip's frame as the player shows it in a box of w x h.
  std::vector<uint32_t> expected(AV_RECORD clip, int32_t frame, int w, int h) {
    const int32_t offset = host().media().clips().frameOffset(clip, frame);
    EXPECT_GE(offset, 0);
    return hostsim::videoPicture(host().media().render(), host().config().format, 2 * offset, w, h);
  }
  /// True when the screen shows `picture` at x, y (with opaque pixels).
  bool shows(int monitor, int x, int y, int w, int h, const std::vector<uint32_t>& picture) {
    const hostsim::Screen& screen = host().display().screen();
    for (int row = 0; row < h; row += 7)
      for (int col = 0; col < w; col += 5)
        if (screen.pixel(monitor, x + col, y + row) != (picture[size_t(row) * w + col] | 0xFF000000u)) return false;
    return true;
  }
  bool showsCamera(int camera, AV_RECORD clip, int32_t frame) {
    return shows(1, 10 + 330 * camera, 100, kPictureWidth, kPictureHeight,
                 expected(clip, frame, kPictureWidth, kPictureHeight));
  }
  uint32_t pixel(int monitor, int x, int y) { return host().display().screen().pixel(monitor, x, y); }
};

TEST_F(PlayerPaintTest, CamerasAndTheEditShowTheirFramesOfOneMoment) {
  const AV_RECORD a = copyOf(kUidA), b = copyOf(kUidB);
  const CM_OUTPUT_PAIR list[] = {{0, a}, {3, b}, {0, 0}};
  ASSERT_EQ(play(a, b, 0, 99, 0x1 | 0x2 | 0x20 | 0x200, list), 0);
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_TRUE(showsCamera(0, a, 0));
  EXPECT_TRUE(showsCamera(1, b, 0));
  EXPECT_FALSE(showsCamera(1, a, 0)) << "each box shows its own camera";
  EXPECT_TRUE(shows(1, 100, 500, 400, 225, expected(a, 0, 400, 225))) << "the edit shows camera 1 until frame 3";
  ASSERT_TRUE(player().step(3));
  EXPECT_TRUE(showsCamera(0, a, 3));
  EXPECT_FALSE(showsCamera(0, a, 2)) << "the boxes follow the frames";
  EXPECT_TRUE(shows(1, 100, 500, 400, 225, expected(b, 3, 400, 225))) << "from frame 3 on the edit shows camera 2";
}

TEST_F(PlayerPaintTest, ACameraOutOfMaterialShowsBlack) {
  // Hall has 120 frames.
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 119, 130), 0);
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_NE(pixel(1, 10 + 330 + 5, 105), 0xFF000000u);
  ASSERT_TRUE(player().step(1));
  EXPECT_EQ(pixel(1, 10 + 330 + 5, 105), 0xFF000000u);
  EXPECT_EQ(pixel(1, 10 + 330 + kPictureWidth - 1, 100 + kPictureHeight - 1), 0xFF000000u);
}

TEST_F(PlayerPaintTest, VideoKeepsToTheScreenAreaNotToTheGuisClipRectangle) {
  ASSERT_EQ(init(), 0);
  const CM_MULTICAM l = layout(0x1 | 0x2 | 0x20);
  ASSERT_EQ(cmSetMultiCam(render_, &l), 0);
  const VG_RECT area{0, 0, 500, 1080};
  ASSERT_EQ(mainPlaySetGuiRect(&area, 0), 0);
  ASSERT_EQ(mainPlaySetGuiRect(nullptr, 0), 0);
  // The GUI's own clip rectangle is narrowed meanwhile: video is not GUI drawing.
  ASSERT_EQ(vgSetClipRect(0, 0, 0, 50, 50), 0);
  const uint32_t beyond = pixel(1, 600, 150);
  const AV_RECORD a = copyOf(kUidA), b = copyOf(kUidB);
  ASSERT_EQ(mainPlayStartMultiple2(a, 0, 9, b, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  ASSERT_TRUE(kernel().settleTasks());
  EXPECT_TRUE(showsCamera(0, a, 0));
  EXPECT_NE(pixel(1, 499, 150), beyond) << "camera 2 is painted up to the area's edge";
  EXPECT_EQ(pixel(1, 600, 150), beyond) << "and not beyond it";
}

class PlayerOutputMonitorTest : public PlayerPaintTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PlayerPaintTest::makeConfig();
    c.monitors.resize(3);
    c.monitors[2].width = 720, c.monitors[2].height = 576;
    return c;
  }
};

TEST_F(PlayerOutputMonitorTest, WithoutAPanelTheEditGoesToTheOutputMonitor) {
  const AV_RECORD a = copyOf(kUidA), b = copyOf(kUidB);
  const CM_OUTPUT_PAIR list[] = {{0, b}, {0, 0}};
  ASSERT_EQ(init(), 0);
  CM_MULTICAM l = layout(0x1 | 0x2 | 0x20 | 0x600, list);
  l.previewLeft = 0, l.previewTop = 0, l.previewWidth = 720, l.previewHeight = 576;
  ASSERT_EQ(cmSetMultiCam(render_, &l), 0);
  ASSERT_EQ(mainPlayStartMultiple2(a, 5, 20, b, 5, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  ASSERT_TRUE(player().step(1));
  EXPECT_TRUE(shows(3, 0, 0, 720, 576, expected(b, 6, 720, 576)));
  EXPECT_TRUE(showsCamera(0, a, 6));
}

}  // namespace
}  // namespace ostrel3_test
