// Camera pictures: a field cut to its visible area and scaled into the box.
#include <cstring>
#include <vector>

extern "C" {
#include <libswscale/swscale.h>
}

#include "host/host.h"
#include "hostsim/gui/display.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/display/picture_scaling.h"
#include "support/host_fixture.h"
#include "videodisplay/fit_video.h"

namespace {

using ostrel3::MulticamOperator;

class CameraPicturesTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{701, "Left", 400, 50, 0}, {702, "Right", 400, 80, 0}};
    c.monitors.resize(monitors);
    return c;
  }
  void SetUp() override {
    HostTest::SetUp();
    op = std::make_unique<MulticamOperator>();
    op->pictureWidth = 320;
    op->pictureHeight = 180;
    for (int i = 0; i < 2; ++i) {
      ostrel3::CameraSlot& c = op->cameras[i];
      c.record = nslCopyAVRecord(mainGetAVRecordFromId(701 + i, host().config().projectNumber, 1), 0);
      const int16_t left = static_cast<int16_t>(100 + 400 * i);
      c.displayRect[0] = left, c.displayRect[1] = 200;
      c.displayRect[2] = left + 319, c.displayRect[3] = 379;
    }
    op->position = 42;
  }
  void TearDown() override {
    op.reset();
    HostTest::TearDown();
  }

  size_t monitors = 1;
  std::unique_ptr<MulticamOperator> op;
};

TEST_F(CameraPicturesTest, TheVisibleCentreOfTheFieldIsScaledIntoTheBox) {
  op->ShowCameraPicture(1);
  ASSERT_NE(op->pictures.boxImage, nullptr);

  // The same field, cut eight columns in (704 of 720 visible), scaled the same way.
  OP_IMAGE* field = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  ASSERT_EQ(cmGetField(op->render.get(), field, 0, 2 * nslGetVideoFrameOffset(op->cameras[1].record, 42)), 0);
  ASSERT_EQ(field->width, 720);
  OP_IMAGE* expected = opAllocImage(320, 180, OP_IMAGE_ARGB, nullptr);
  SwsContext* scaler = ostrel3::PictureAdjustment(704, field->height, 320, 180);
  const uint8_t* planes[3] = {field->plane0 + 8, field->plane1 + 4, field->plane2 + 4};
  sws_scale(scaler, planes, field->stride, 0, field->height, &expected->plane0, expected->stride);
  sws_freeContext(scaler);
  const OP_IMAGE& box = *op->pictures.boxImage;
  ASSERT_EQ(box.stride[0], expected->stride[0]);
  EXPECT_EQ(std::memcmp(box.plane0, expected->plane0, size_t(box.stride[0]) * box.height), 0);

  // The scaled picture lands at the camera's display rectangle.
  const auto& screen = host().display().screen();
  const auto* pixels = reinterpret_cast<const uint32_t*>(box.plane0);
  EXPECT_EQ(screen.pixel(1, 500, 200) & 0xFFFFFF, pixels[0] & 0xFFFFFF);
  EXPECT_EQ(screen.pixel(1, 500 + 319, 379) & 0xFFFFFF, pixels[320 * 180 - 1] & 0xFFFFFF);
  opFreeImage(expected);
  opFreeImage(field);
}

TEST_F(CameraPicturesTest, ACameraBeyondTheCountOrWithoutAClipDrawsNoPicture) {
  op->sceneCount = 2;
  host().calls().clearTrace();
  op->ShowCameraPicture(2);
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_TRUE(host().calls().traceOf({"cmGetField", "vgRectFill", "vgWriteImage"}).empty());

  op->sceneCount = 4;
  op->cameras[3].displayRect[0] = 10, op->cameras[3].displayRect[1] = 10;
  op->cameras[3].displayRect[2] = 49, op->cameras[3].displayRect[3] = 29;
  op->ShowCameraPicture(3);
  EXPECT_TRUE(host().calls().traceOf({"cmGetField"}).empty());
  EXPECT_EQ(host().calls().count("vgRectFill"), 1);
}

// Seven or eight cameras are allowed, but the panel has boxes for six at
// most: the others once landed at the screen's top-left corner over the controls.
TEST_F(CameraPicturesTest, ACameraThePanelHasNoBoxForIsNeitherDrawnNorFramed) {
  op->sceneCount = 8;
  op->cameras[6].record = nslCopyAVRecord(mainGetAVRecordFromId(701, host().config().projectNumber, 1), 0);
  const uint32_t cornerBefore = host().display().screen().pixel(1, 0, 0);
  host().calls().clearTrace();
  op->ShowCameraPicture(6);
  op->ShowCameraPicture(7);
  op->activeCamera = 6;
  op->MarkActiveCamera(true);
  EXPECT_TRUE(host().calls().traceOf({"vgWriteImage"}).empty());
  EXPECT_EQ(host().display().screen().pixel(1, 0, 0), cornerBefore);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(CameraPicturesTest, AnEmptyCameraShowsTheEmptyColour) {
  op->sceneCount = 4;
  op->cameras[3].displayRect[0] = 10, op->cameras[3].displayRect[1] = 10;
  op->cameras[3].displayRect[2] = 49, op->cameras[3].displayRect[3] = 29;
  op->ShowEmptyCamera(3);
  const uint32_t expected = hostsim::yuvToArgb(vgGetNewGuiColorYUV(19));
  EXPECT_EQ(host().display().screen().pixel(1, 30, 20), expected);
}

class ThreeMonitorPicturesTest : public CameraPicturesTest {
 protected:
  ThreeMonitorPicturesTest() { monitors = 3; }
};

TEST_F(ThreeMonitorPicturesTest, TheActiveCameraAlsoGoesToTheVideoOutput) {
  ASSERT_TRUE(op->threeMonitors);
  op->activeCamera = 1;
  op->ShowCameraPicture(0);
  EXPECT_EQ(host().calls().count("cmDisplayImage"), 0);
  op->ShowCameraPicture(1);
  EXPECT_EQ(host().calls().count("cmDisplayImage"), 1);
}

TEST_F(ThreeMonitorPicturesTest, AnEmptyActiveCameraShowsItsColourOnTheVideoOutput) {
  op->sceneCount = 4;
  op->activeCamera = 2;
  op->ShowEmptyCamera(2);
  ASSERT_EQ(host().calls().count("cmDisplayImage"), 1);
  const auto& screen = host().display().screen();
  const uint32_t expected = hostsim::yuvToArgb(vgGetNewGuiColorYUV(19)) & 0xFFFFFF;
  EXPECT_EQ(screen.pixel(3, screen.width(3) / 2, screen.height(3) / 2) & 0xFFFFFF, expected);
}

TEST_F(CameraPicturesTest, TheActiveFrameIsDrawnOnceUnlessForced) {
  op->sceneCount = 2;
  op->MarkActiveCamera(true);
  const int first = host().calls().count("vgRectFill");
  EXPECT_GT(first, 0);
  op->MarkActiveCamera(false);
  EXPECT_EQ(host().calls().count("vgRectFill"), first);
  op->MarkActiveCamera(true);
  EXPECT_EQ(host().calls().count("vgRectFill"), 2 * first);
  op->activeCamera = 1;
  op->MarkActiveCamera(false);
  EXPECT_EQ(host().calls().count("vgRectFill"), 3 * first);
}

TEST_F(CameraPicturesTest, AFittedVideoSizeIsEvenAndWithinTheVisibleArea) {
  ostrel3::VideoSize size;
  ostrel3::FitVideoToMonitor(size);
  EXPECT_EQ(size.width % 2, 0);
  EXPECT_EQ(size.height % 2, 0);
  // The visible area starts at the screen's edge: 8 pixels come off each side.
  EXPECT_LE(size.width, 1920 - 16);
  EXPECT_LE(size.height, 1080 - 16);
  EXPECT_NEAR(double(size.width) / size.height, 16.0 / 9.0, 0.01);
}

}  // namespace

// The scaler once sent the last two rows down another conversion path that
// skipped the colour adjustment: a plain field came out with a dark edge.
TEST_F(CameraPicturesTest, AnEvenFieldScalesToAnEvenPictureDownToItsLastRow) {
  const struct {
    int width, height;
  } targets[] = {{320, 180}, {441, 249}, {96, 54}};
  const int srcWidth = 704, srcHeight = 288;
  std::vector<uint8_t> y(size_t(srcWidth) * srcHeight, 120), u(size_t(srcWidth / 2) * srcHeight / 2, 90),
      v(size_t(srcWidth / 2) * srcHeight / 2, 170);
  const uint8_t* planes[3] = {y.data(), u.data(), v.data()};
  const int strides[3] = {srcWidth, srcWidth / 2, srcWidth / 2};
  for (const auto& t : targets) {
    SCOPED_TRACE(std::to_string(t.width) + "x" + std::to_string(t.height));
    SwsContext* scaler = ostrel3::PictureAdjustment(srcWidth, srcHeight, t.width, t.height);
    ASSERT_NE(scaler, nullptr);
    std::vector<uint32_t> out(size_t(t.width) * t.height);
    uint8_t* dst[1] = {reinterpret_cast<uint8_t*>(out.data())};
    const int dstStride[1] = {t.width * 4};
    sws_scale(scaler, planes, strides, 0, srcHeight, dst, dstStride);
    sws_freeContext(scaler);
    const uint32_t middle = out[size_t(t.height / 2) * t.width + t.width / 2];
    for (int row : {0, t.height - 2, t.height - 1}) EXPECT_EQ(out[size_t(row) * t.width + t.width / 2], middle) << row;
  }
}
