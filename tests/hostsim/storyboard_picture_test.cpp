// The storyboard's picture: every scene as a bar over its frames, one
// colour per camera wherever its pictures are shown.
#include "hostsim/gui/image_buffer.h"
#include "hostsim/gui/storyboard_picture.h"
#include "storyboard_fixture.h"

namespace ostrel3_test {
namespace {

class StoryboardPictureTest : public StoryboardTest {
 protected:
  // Transitions at every cut of the storyboard, as the transition picker
  // puts them, with a jingle on the first.
  void addTransitions() {
    SceneHolder s;
    ASSERT_EQ(nslSBGetFirstScene(s), 0);
    bool first = true;
    do {
      const int32_t most = nslSBSceneGetMaxTransitionLength(s);
      if (most <= 0) continue;
      SB_TRANSITION t = 0;
      ASSERT_EQ(nslSBAddTransition22(s, first ? "transition/wipe" : "transition/fade", std::min(most, 25), 0, &t), 0);
      if (first) {
        ASSERT_EQ(nslSBTransitionAddJingle(t, "bell.wav", u"Bell", 0), 0);
      }
      first = false;
    } while (nslSBGetNextScene(s, s) == 0);
  }
  std::unique_ptr<hostsim::ImageBuffer> picture() {
    hostsim::StoryboardPictureFacts facts;
    facts.includeTrimLimit = nslGetMaxIncludeTrimFrames();
    const auto file = home() / "storyboard.png";
    EXPECT_TRUE(hostsim::writeStoryboardPicture(view(), facts, file));
    return hostsim::ImageBuffer::readPng(file);
  }
  static uint32_t rgb(const hostsim::ImageBuffer& image, int x, int y) {
    const uint8_t* p = &image.pixels[(size_t(y) * image.header.width + x) * 4];
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
  }
};

TEST_F(StoryboardPictureTest, EveryCameraKeepsItsColourWhereverItIsShown) {
  writeOutput({{0, 99, 1}, {100, 199, 2}, {200, 299, 3}, {300, 399, 1}, {400, 449, 2}, {450, 499, 1}});
  addTransitions();
  SceneHolder s;
  ASSERT_EQ(nslSBGetFirstScene(s), 0);
  ASSERT_EQ(mainSetActiveStoryboardScene(s), 0);
  const auto image = picture();
  ASSERT_TRUE(image);
  EXPECT_EQ(image->header.width, hostsim::kStoryboardPictureWidth);
  const int scenes = static_cast<int>(view().scenes.size());
  // A table row for every scene under the tracks.
  EXPECT_GT(image->header.height, 20 * (scenes + 1));

  // 500 frames over the track from x 120 to 1264; the scene bars' lower edge
  // and the insert bars' lower edge.
  const auto xOf = [](int frame) { return 120 + frame * 1144 / 500; };
  const int sceneY = 160, insertY = 112;
  const uint32_t camera1 = rgb(*image, xOf(50), sceneY);
  EXPECT_EQ(rgb(*image, xOf(350), sceneY), camera1) << "camera 1 under the third insert";
  EXPECT_EQ(rgb(*image, xOf(475), sceneY), camera1) << "camera 1 at the end";
  const uint32_t camera2 = rgb(*image, xOf(150), insertY);
  EXPECT_NE(camera2, camera1);
  EXPECT_EQ(rgb(*image, xOf(425), insertY), camera2) << "camera 2's second insert";
  const uint32_t camera3 = rgb(*image, xOf(250), insertY);
  EXPECT_NE(camera3, camera1);
  EXPECT_NE(camera3, camera2);
  EXPECT_NE(rgb(*image, xOf(50), insertY), camera2) << "no insert where camera 1 is shown";
}

TEST_F(StoryboardPictureTest, AnEmptyStoryboardStillGivesAPicture) {
  const auto image = picture();
  ASSERT_TRUE(image);
  EXPECT_EQ(image->header.width, hostsim::kStoryboardPictureWidth);
}

}  // namespace
}  // namespace ostrel3_test
