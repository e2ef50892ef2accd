#include <gtest/gtest.h>

#include <fstream>

#include "display_support.h"
#include "host/res.h"
#include "host/vg.h"

namespace ostrel3_test {
namespace {

// Every picture id of the operator's image set, in one place.
constexpr int32_t kOperatorImageIds[] = {102, 104, 106, 0x6E, 0x70, 0x71, 0x72, 0x74, 116, 118, 0x78, 120, 122, 126};

class OperatorImages : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    images_ = resLoadImages("ostrel3");
    ASSERT_NE(images_, 0u);
  }
  void TearDown() override {
    resFreeImages(images_);
    DisplayTest::TearDown();
  }
  RES_IMAGES images_ = 0;
};

TEST_F(OperatorImages, EveryIdTheOperatorUsesHasAPicture) {
  for (int32_t id : kOperatorImageIds) {
    VG_IMAGE* image = resGetImage(images_, id);
    ASSERT_NE(image, nullptr) << "image " << id;
    EXPECT_GE(image->width, 8);
    EXPECT_GE(image->height, 8);
    EXPECT_LE(image->width, 32) << "button pictures stay small";
    int opaque = 0;
    for (int i = 0; i < image->width * image->height; ++i) opaque += image->pixels[i * 4 + 3] > 128;
    EXPECT_GT(opaque, 8) << "image " << id << " is blank";
  }
  EXPECT_EQ(resGetImage(images_, 9999), nullptr);
  EXPECT_EQ(resGetImage(images_ + 77, 102), nullptr);
}

TEST_F(OperatorImages, OwnSizeIsTheImageItself) {
  VG_IMAGE* own = resGetImage(images_, 102);
  EXPECT_EQ(vgGetScaledResImage(images_, 102, 0, 0, 1), own);
  EXPECT_EQ(vgGetScaledResImage(images_, 102, own->width, own->height, 1), own);
  EXPECT_EQ(vgGetScaledResImage(images_, 9999, 0, 0, 1), nullptr);
  EXPECT_EQ(vgGetScaledResImage(images_, 102, -1, 4, 1), nullptr);
}

TEST_F(OperatorImages, ScaledCopiesAreMadeOncePerSizeAndOwnedByTheSet) {
  VG_IMAGE* big = vgGetScaledResImage(images_, 0x70, 32, 32, 1);
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(big->width, 32);
  EXPECT_EQ(big->height, 32);
  EXPECT_EQ(vgGetScaledResImage(images_, 0x70, 32, 32, 1), big);
  VG_IMAGE* wide = vgGetScaledResImage(images_, 0x70, 48, 0, 1);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(wide->height, 48) << "one size 0 keeps the proportions";
  EXPECT_NE(wide, big);
  // Written like any picture of the set; freed with the set (TearDown), which
  // the sanitizers watch.
  EXPECT_EQ(vgWriteResImage(0, big, 10, 10), 0);
  EXPECT_GT(countOther({10, 10, 41, 41}, background()), 20);
}

TEST_F(OperatorImages, MarkerBlendsOverWhatIsUnderIt) {
  vgSetColorRGB(0x205080FFu);
  ASSERT_EQ(vgRectFill(0, 0, 0, 40, 40), 0);
  VG_IMAGE* marker = vgGetScaledResImage(images_, 102, 0, 0, 1);
  ASSERT_NE(marker, nullptr);
  ASSERT_EQ(vgWriteResImage(0, marker, 5, 5), 0);
  EXPECT_EQ(pixel(5, 5), 0xFF205080u) << "a transparent corner keeps the fill";
  const VG_CORNERS covered{5, 5, static_cast<int16_t>(4 + marker->width), static_cast<int16_t>(4 + marker->height)};
  EXPECT_GT(countOther(covered, 0xFF205080u), 10);
}

TEST_F(OperatorImages, ImagesOfAFreedSetCannotBeWritten) {
  const RES_IMAGES other = resLoadImages("ostrel3");
  VG_IMAGE* image = resGetImage(other, 102);
  ASSERT_NE(image, nullptr);
  resFreeImages(other);
  EXPECT_EQ(vgWriteResImage(0, image, 0, 0), -1);
  EXPECT_EQ(countOther({0, 0, 30, 30}, background()), 0);
}

TEST_F(OperatorImages, SetIsListedUntilFreed) {
  const auto live = host().liveHandles();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_NE(live[0].find("ostrel3"), std::string::npos);
}

// A set whose folder holds things that are not pictures of it.
class OddImages : public DisplayTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = DisplayTest::makeConfig();
    c.resourceDir = home() / "res";
    const auto dir = c.resourceDir / "odd" / "images";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "5.png") << "not a picture";
    std::ofstream(dir / "notes.txt") << "ignored";
    std::ofstream(dir / "x7.png") << "no id";
    hostsim::MonitorConfig tiny;
    tiny.width = 4;
    tiny.height = 3;
    hostsim::Screen(std::vector<hostsim::MonitorConfig>{tiny}).savePng(1, dir / "6.png");
    return c;
  }
};

TEST_F(OddImages, UnreadablePicturesAreSkippedAndLogged) {
  const RES_IMAGES set = resLoadImages("odd");
  ASSERT_NE(set, 0u);
  EXPECT_EQ(resGetImage(set, 5), nullptr);
  ASSERT_NE(resGetImage(set, 6), nullptr);
  EXPECT_EQ(resGetImage(set, 6)->width, 4);
  EXPECT_EQ(resGetImage(set, 6)->height, 3);
  EXPECT_EQ(host().log().size(), 1u);
  resFreeImages(set);
}

}  // namespace
}  // namespace ostrel3_test
