// Fields of the synthetic media as pictures: which clip and frame a field
// shows, images, the visible area and the video output monitor.
#include <set>

#include "media_fixture.h"

namespace ostrel3_test {
namespace {

using hostsim::ImageView;

class PictureTest : public MediaTest {
 protected:
  void SetUp() override {
    MediaTest::SetUp();
    render_ = cmOpen(0, 0);
    ASSERT_NE(render_, 0u);
    image_ = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
    ASSERT_NE(image_, nullptr);
  }
  void TearDown() override {
    opFreeImage(image_);
    MediaTest::TearDown();
  }
  ImageView view() { return host().media().images().view(image_).value(); }
  /// Fetches the first (or second) field of trimmed frame f of a clip.
  void fetch(AV_RECORD clip, int32_t f, int parity = 0) {
    const int32_t offset = nslGetVideoFrameOffset(clip, f);
    ASSERT_GE(offset, 0);
    ASSERT_EQ(cmGetField(render_, image_, 0, 2 * offset + parity), 0);
  }
  hostsim::Yuv backgroundOf(uint32_t uid) {
    for (const auto& s : host().media().sources().all())
      if (s.uid == uid) return hostsim::lookOf(s).background;
    return {};
  }
  // A point of the picture that only the background covers.
  hostsim::Yuv backgroundSample() { return hostsim::sampleAt(view(), 40, view().height - 8); }

  CM_HANDLE render_ = 0;
  OP_IMAGE* image_ = nullptr;
};

bool sameColour(hostsim::Yuv a, hostsim::Yuv b) { return a.y == b.y && a.u == b.u && a.v == b.v; }

TEST_F(PictureTest, FieldOfClipBFrame42ShowsBsLookAndTheNumber42) {
  fetch(bin(kUidB), 42);
  EXPECT_EQ(readFrameNumber(view()), 42);
  EXPECT_TRUE(sameColour(backgroundSample(), backgroundOf(kUidB)));

  fetch(bin(kUidA), 7);
  EXPECT_EQ(readFrameNumber(view()), 7);
  EXPECT_TRUE(sameColour(backgroundSample(), backgroundOf(kUidA)));
  EXPECT_FALSE(sameColour(backgroundOf(kUidA), backgroundOf(kUidB)));
}

TEST_F(PictureTest, TrimmedAndSplitCopiesShowTheirSourceFrames) {
  AV_RECORD copy = nslCopyAVRecord(bin(kUidC), 0);
  AV_RECORD head = nslSplitAVRecord(copy, 999);
  ASSERT_NE(head, 0u);
  ASSERT_EQ(nslEndAVRecordTrim(copy, 40, 150), 0);
  fetch(copy, 2);
  EXPECT_EQ(readFrameNumber(view()), 1042);
  EXPECT_TRUE(sameColour(backgroundSample(), backgroundOf(kUidC)));
  fetch(head, 0);
  EXPECT_EQ(readFrameNumber(view()), 0);
  nslDeleteAVRecord(head);
  nslDeleteAVRecord(copy);
}

TEST_F(PictureTest, EveryClipOfALargerBinLooksDifferent) {
  std::set<std::tuple<int, int, int>> colours;
  hostsim::MediaSource s;
  for (s.index = 0; s.index < 8; ++s.index) {
    const hostsim::Yuv c = hostsim::lookOf(s).background;
    colours.insert({c.y / 8, c.u / 8, c.v / 8});
  }
  EXPECT_EQ(colours.size(), 8u);
}

TEST_F(PictureTest, TheSecondFieldMovesTheElementButKeepsTheNumber) {
  fetch(bin(kUidA), 10, 0);
  const std::vector<uint8_t> first(view().plane[0], view().plane[0] + 720 * 288);
  fetch(bin(kUidA), 10, 1);
  EXPECT_EQ(readFrameNumber(view()), 10);
  size_t differing = 0;
  for (size_t i = 0; i < first.size(); ++i) differing += first[i] != view().plane[0][i];
  EXPECT_GT(differing, 0u);
  EXPECT_LT(differing, first.size() / 20) << "the fields of a frame differ only slightly";
}

TEST_F(PictureTest, LargeFrameNumbersStayReadable) {
  const ImageView v = view();
  hostsim::MediaSource s;
  s.name = u"Long";
  hostsim::SyntheticPicture painter;
  for (int32_t frame : {0, 9, 1234, 987654}) {
    painter.paint(s, frame, 0, v);
    EXPECT_EQ(readFrameNumber(v), frame);
  }
}

TEST_F(PictureTest, FieldsOutsideEveryMediaOrIntoWrongImagesFail) {
  const int32_t afterA = nslGetVideoFrameOffset(bin(kUidA), 299) + 1;
  EXPECT_EQ(cmGetField(render_, image_, 0, 2 * afterA), -1);
  EXPECT_EQ(cmGetField(render_, image_, 0, -2), -1);
  EXPECT_EQ(cmGetField(render_, image_, 0, 0), -1);
  const int32_t field = 2 * nslGetVideoFrameOffset(bin(kUidA), 0);
  EXPECT_EQ(cmGetField(0x7777, image_, 0, field), -1);
  OP_IMAGE foreign{};
  EXPECT_EQ(cmGetField(render_, &foreign, 0, field), -1);
  OP_IMAGE* argb = opAllocImage(720, 288, OP_IMAGE_ARGB, nullptr);
  EXPECT_EQ(cmGetField(render_, argb, 0, field), -1);
  opFreeImage(argb);
}

TEST_F(PictureTest, ImagesHaveTheRecordLayoutAndAreListedUntilFreed) {
  EXPECT_EQ(image_->width, 720);
  EXPECT_EQ(image_->height, 288);
  EXPECT_EQ(image_->type, uint32_t(OP_IMAGE_YUV420));
  EXPECT_EQ(image_->stride[0], 720);
  EXPECT_EQ(image_->stride[1], 360);
  EXPECT_EQ(image_->stride[2], 360);
  EXPECT_EQ(image_->plane1, image_->plane0 + 720 * 288);
  EXPECT_EQ(image_->plane2, image_->plane1 + 360 * 144);

  OP_IMAGE* argb = opAllocImage(100, 50, OP_IMAGE_ARGB, nullptr);
  ASSERT_NE(argb, nullptr);
  EXPECT_EQ(argb->stride[0], 400);
  EXPECT_EQ(argb->plane1, nullptr);
  argb->plane0[400 * 50 - 1] = 0xAB;  // the last byte belongs to the image
  EXPECT_EQ(host().liveHandles().size(), 2u);
  opFreeImage(argb);
  EXPECT_EQ(host().liveHandles().size(), 1u);
  const size_t before = host().log().size();
  opFreeImage(argb);  // a second free is reported, not a crash
  EXPECT_EQ(host().log().size(), before + 1);
  opFreeImage(nullptr);
}

TEST_F(PictureTest, ImageRequestsOfUnusableSizesOrTypesAreRefused) {
  EXPECT_EQ(opAllocImage(0, 10, OP_IMAGE_ARGB, nullptr), nullptr);
  EXPECT_EQ(opAllocImage(10, -5, OP_IMAGE_ARGB, nullptr), nullptr);
  EXPECT_EQ(opAllocImage(-1, 288, OP_IMAGE_YUV420, nullptr), nullptr);
  EXPECT_EQ(opAllocImage(8193, 10, OP_IMAGE_ARGB, nullptr), nullptr);
  EXPECT_EQ(opAllocImage(10, 10, 3, nullptr), nullptr);
  OP_IMAGE* full = opAllocImage(-1, -1, OP_IMAGE_ARGB, nullptr);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(full->width, 720);
  EXPECT_EQ(full->height, 288);
  opFreeImage(full);
}

TEST_F(PictureTest, VisibleAreaIs704ColumnsOfTheFullHeight) {
  int16_t x0 = -1, y0 = -1, x1 = -1, y1 = -1;
  ASSERT_EQ(cmGetVisibleArea(render_, &x0, &y0, &x1, &y1, 0), 0);
  EXPECT_EQ(x0, 8);
  EXPECT_EQ(x1, 711);
  EXPECT_EQ(y0, 0);
  EXPECT_EQ(y1, 575);
  EXPECT_EQ(cmGetVisibleArea(0x7777, &x0, &y0, &x1, &y1, 0), -1);
  EXPECT_EQ(cmGetVisibleArea(render_, &x0, nullptr, &x1, &y1, 0), -1);
}

TEST_F(PictureTest, VideoFormatAndPixelAspectDescribeA16By9Picture) {
  const MAIN_INFO* info = mainGetInfo();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->width, 720);
  EXPECT_EQ(info->fieldHeight, 288);
  const PIXEL_ASPECT pa = opGetPixelAspect(info->aspectCode);
  EXPECT_EQ(pa.x * 720 * 9, pa.y * 576 * 16) << "720 x 576 must show as 16:9";
  EXPECT_EQ(opGetPixelAspect(99).x, 0);
}

TEST_F(PictureTest, CalcDimsFitsAPictureKeepingItsShape) {
  const PIXEL_ASPECT video = opGetPixelAspect(mainGetInfo()->aspectCode), square{1, 1};
  int16_t w = 720, h = 576;
  ASSERT_EQ(opCalcDims(&w, &h, video, 1904, 1064, square, 1), 0);
  EXPECT_EQ(h, 1064);
  EXPECT_EQ(w, 1892);  // 1064 x 16 / 9, rounded
  w = 720, h = 576;
  ASSERT_EQ(opCalcDims(&w, &h, video, 1904, 1064, square, 0), 0);
  EXPECT_EQ(w, 1024) << "without fitting the picture keeps its natural size";
  EXPECT_EQ(h, 576);
  w = 720, h = 576;
  ASSERT_EQ(opCalcDims(&w, &h, video, 400, 400, square, 0), 0);
  EXPECT_EQ(w, 400);
  EXPECT_EQ(h, 225);
  w = 720, h = 576;
  ASSERT_EQ(opCalcDims(&w, &h, video, 1000, 1000, PIXEL_ASPECT{2, 1}, 1), 0);
  EXPECT_EQ(w, 889) << "wide screen pixels need half as many columns: 512 x 576 scaled to 1000 lines";
  EXPECT_EQ(h, 1000);

  w = 720, h = 576;
  EXPECT_EQ(opCalcDims(&w, &h, PIXEL_ASPECT{0, 0}, 400, 400, square, 1), -1);
  EXPECT_EQ(opCalcDims(&w, &h, video, 0, 400, square, 1), -1);
  EXPECT_EQ(opCalcDims(nullptr, &h, video, 400, 400, square, 1), -1);
  EXPECT_EQ(w, 720) << "a refused call leaves the size";
}

TEST_F(PictureTest, DisplayingNeedsThreeMonitors) {
  fetch(bin(kUidA), 0);
  EXPECT_EQ(cmDisplayImage(render_, image_, 0), -1);
  EXPECT_EQ(host().media().render().output().shown, 0);
}

TEST_F(PictureTest, RecordingTimesComeFromTheClipOrItsUid) {
  CM_RECTIME start{}, end{};
  ASSERT_EQ(cmGetRecInfo(render_, 2 * nslGetVideoFrameOffset(bin(kUidA), 0), &end, &start, 1), 0);
  EXPECT_EQ(start.seconds, 1700000000);
  EXPECT_EQ(start.frame, 0);
  EXPECT_EQ(end.seconds, 1700000000 + 12);  // 300 frames at 25
  EXPECT_EQ(end.frame, 0);

  ASSERT_EQ(cmGetRecInfo(render_, 2 * nslGetVideoFrameOffset(bin(kUidB), 100) + 1, &end, &start, 129), 0);
  EXPECT_EQ(start.seconds, hostsim::derivedRecordingStart(kUidB));
  EXPECT_NE(start.seconds, 0);
  EXPECT_EQ(end.seconds, start.seconds + 10);

  EXPECT_EQ(cmGetRecInfo(render_, 0, &end, &start, 1), -1);
  EXPECT_EQ(cmGetRecInfo(render_, 2 * nslGetVideoFrameOffset(bin(kUidA), 0), nullptr, &start, 1), -1);
}

TEST_F(PictureTest, RenderStateNeedsInitBeforeExit) {
  EXPECT_EQ(cmExitRender(render_, 0), -1);
  EXPECT_EQ(cmInitRender(render_, 0, 0), 0);
  EXPECT_TRUE(host().media().render().rendering(render_));
  EXPECT_EQ(cmExitRender(render_, 0), 0);
  EXPECT_EQ(cmExitRender(render_, 0), -1);
  EXPECT_EQ(cmInitRender(0x7777, 0, 0), -1);
  EXPECT_EQ(cmGetFramesPerSecond(render_, 0), 25);
  EXPECT_EQ(cmGetFramesPerSecond(0x7777, 0), -1);
  EXPECT_EQ(cmVersion(0), 43);
  EXPECT_EQ(cmVersion(1), 1);
  EXPECT_EQ(cmVersion(2), -1);
  EXPECT_NE(cmOpen(0, 0), render_) << "handles are never handed out twice";
  EXPECT_TRUE(host().liveHandles().size() == 1u) << "render handles have no close call and are not counted";
}

class OutputMonitorTest : public PictureTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PictureTest::makeConfig();
    hostsim::MonitorConfig output;
    output.width = 640;
    output.height = 360;
    c.monitors = {hostsim::MonitorConfig{}, hostsim::MonitorConfig{}, output};
    return c;
  }
};

TEST_F(OutputMonitorTest, AFieldIsShownScaledToTheThirdMonitor) {
  fetch(bin(kUidB), 42);
  ASSERT_EQ(cmDisplayImage(render_, image_, 0), 0);
  const hostsim::OutputPicture out = host().media().render().output();
  ASSERT_EQ(out.width, 640);
  ASSERT_EQ(out.height, 360);
  EXPECT_EQ(out.shown, 1);
  // The bottom left corner is background, the plate's middle is dark.
  EXPECT_EQ(out.pixels[size_t(355) * 640 + 30], hostsim::toArgb(backgroundOf(kUidB)));
  const hostsim::NumberLayout layout = hostsim::numberLayout(720, 288, 2);
  const int plateY = (layout.plate.y + 2) * 360 / 288, plateX = (layout.plate.x + 2) * 640 / 720;
  EXPECT_EQ(out.pixels[size_t(plateY) * 640 + plateX], hostsim::toArgb(hostsim::kPlateColour));
}

TEST_F(OutputMonitorTest, A32BitImageIsShownAsItsPixels) {
  OP_IMAGE* argb = opAllocImage(-1, -1, OP_IMAGE_ARGB, nullptr);
  ASSERT_NE(argb, nullptr);
  auto* px = reinterpret_cast<uint32_t*>(argb->plane0);
  std::fill(px, px + 720 * 288, 0xFF336699u);
  ASSERT_EQ(cmDisplayImage(render_, argb, 0), 0);
  const hostsim::OutputPicture out = host().media().render().output();
  EXPECT_TRUE(std::all_of(out.pixels.begin(), out.pixels.end(), [](uint32_t p) { return p == 0xFF336699u; }));
  opFreeImage(argb);
  EXPECT_EQ(cmDisplayImage(render_, argb, 0), -1) << "a freed image is not shown";
}

}  // namespace
}  // namespace ostrel3_test
