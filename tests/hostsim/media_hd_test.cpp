// The high-definition format: 1920 x 1080 interlaced at 25 frames, with
// fields, images, the visible area, pixel aspects and sound that follow it.
#include "hostsim/media/video_format.h"
#include "media_fixture.h"

namespace ostrel3_test {
namespace {

class HdMediaTest : public MediaTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = MediaTest::makeConfig();
    c.format = hostsim::VideoFormat::Hd1080i25;
    hostsim::MonitorConfig output;
    output.width = 960;
    output.height = 540;
    c.monitors = {hostsim::MonitorConfig{}, hostsim::MonitorConfig{}, output};
    return c;
  }
  void SetUp() override {
    MediaTest::SetUp();
    render_ = cmOpen(0, 0);
    ASSERT_NE(render_, 0u);
  }

  CM_HANDLE render_ = 0;
};

TEST_F(HdMediaTest, FormatRecordImagesAndVisibleAreaFollowTheHdLine) {
  const MAIN_INFO* info = mainGetInfo();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->width, 1920);
  EXPECT_EQ(info->fieldHeight, 540);
  EXPECT_EQ(cmGetFramesPerSecond(render_, 0), 25);

  OP_IMAGE* field = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->width, 1920);
  EXPECT_EQ(field->height, 540);
  EXPECT_EQ(field->stride[0], 1920);
  EXPECT_EQ(field->stride[1], 960);
  EXPECT_EQ(field->plane2, field->plane1 + 960 * 270);
  OP_IMAGE* full = opAllocImage(-1, -1, OP_IMAGE_ARGB, nullptr);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(full->stride[0], 4 * 1920);
  opFreeImage(full);
  opFreeImage(field);

  int16_t x0 = -1, y0 = -1, x1 = -1, y1 = -1;
  ASSERT_EQ(cmGetVisibleArea(render_, &x0, &y0, &x1, &y1, 0), 0);
  EXPECT_EQ(x0, 0) << "an HD line is visible from edge to edge";
  EXPECT_EQ(x1, 1919);
  EXPECT_EQ(y0, 0);
  EXPECT_EQ(y1, 1079);
}

TEST_F(HdMediaTest, PixelAspectsMakeTheHdFrame16By9Or4By3) {
  const PIXEL_ASPECT wide = opGetPixelAspect(mainGetInfo()->aspectCode);
  EXPECT_EQ(wide.x, wide.y) << "1920 x 1080 at 16:9 has square pixels";
  const PIXEL_ASPECT narrow = opGetPixelAspect(hostsim::kAspect4x3);
  EXPECT_EQ(narrow.x * 1920 * 3, narrow.y * 1080 * 4);

  int16_t w = 1920, h = 1080;
  ASSERT_EQ(opCalcDims(&w, &h, wide, 1904, 1064, PIXEL_ASPECT{1, 1}, 1), 0);
  EXPECT_EQ(h, 1064);
  EXPECT_EQ(w, 1892);
}

TEST_F(HdMediaTest, AnHdFieldShowsItsClipAndFrameNumber) {
  OP_IMAGE* field = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  ASSERT_NE(field, nullptr);
  const hostsim::ImageView view = host().media().images().view(field).value();
  for (int32_t frame : {0, 42, 249}) {
    ASSERT_EQ(cmGetField(render_, field, 0, 2 * nslGetVideoFrameOffset(bin(kUidB), frame) + 1), 0);
    EXPECT_EQ(readFrameNumber(view), frame);
  }
  const hostsim::Yuv background = hostsim::lookOf(host().media().sources().all()[1]).background;
  // The picture reaches the right edge of the wider line.
  EXPECT_EQ(hostsim::sampleAt(view, 1918, 530).y, background.y);

  ASSERT_EQ(cmDisplayImage(render_, field, 0), 0);
  const hostsim::OutputPicture out = host().media().render().output();
  ASSERT_EQ(out.width, 960);
  EXPECT_EQ(out.pixels[size_t(535) * 960 + 955], hostsim::toArgb(background));
  opFreeImage(field);
}

TEST_F(HdMediaTest, SoundStaysAt48kHzWith960PairsAField) {
  const OP_AUDIO_INFO* audio = opGetAudioInfo();
  ASSERT_NE(audio, nullptr);
  EXPECT_EQ(audio->sampleRate, 48000);
  ASSERT_EQ(cmInitRenderAudio(render_, 0, 0), 0);
  OP_AUDIO* block = cmGetFieldAudio(render_, 2 * nslGetAudioFrameOffset(bin(kUidA), 3));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->pairs, 960);
  opFreeAudio(block);
  EXPECT_EQ(cmExitRenderAudio(render_), 0);
}

}  // namespace
}  // namespace ostrel3_test
