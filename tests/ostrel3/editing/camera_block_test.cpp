// The camera part of the main panel: button captions, the active camera's
// sound box and its sync-state picture.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "assignment_fixture.h"

namespace {

using namespace ostrel3_test;

TEST_F(AssignmentTest, CameraButtonsShowTheClipNameElseTheCamerasName) {
  give(0, kLeft);
  give(2, kLong);
  openPanel();
  host().calls().failNth("nslGetAVRecordName", 2);  // camera 3's clip cannot tell its name
  op->UpdateCameraLabels();
  const std::u16string expected[] = {u"Stage left", u"Camera 2", u"Camera 3", u"Camera 4"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(element(ostrel3::CameraButtonSlot(i))->caption, expected[i]) << i;
}

struct BlockCase {
  int camera;
  int32_t useAudio, synced;
  bool ticked, enabled;
};

class CameraBlockTest : public AssignmentTest, public ::testing::WithParamInterface<BlockCase> {};

// Camera 1's sound always goes into the output and cannot be switched off.
TEST_P(CameraBlockTest, SoundBoxAndSyncPictureFollowTheCamera) {
  const BlockCase& c = GetParam();
  give(0, kLeft);
  openPanel();
  op->cameras[c.camera].useAudio = c.useAudio;
  op->cameras[c.camera].synced = c.synced;
  op->activeCamera = c.camera;
  host().calls().clearTrace();
  op->UpdateCameraPanel(c.camera, true);
  EXPECT_EQ(element(ostrel3::kCameraAudioCheckBox)->value & 1, c.ticked);
  EXPECT_EQ(element(ostrel3::kCameraAudioCheckBox)->enabled, c.enabled);

  const int32_t id = c.synced ? 126 : 122;
  const auto images = host().calls().traceOf({"vgGetScaledResImage"});
  ASSERT_EQ(images.size(), 1u);
  EXPECT_NE(images[0].find(", " + std::to_string(id) + ", 0, 0, 1)"), std::string::npos) << images[0];
  // Centred in its area, on even pixels.
  const VG_RECT r = op->syncStateArea.rect;
  const VG_IMAGE* image = vgGetScaledResImage(op->images.get(), id, 0, 0, 1);
  const int x = (r.x + (r.width - image->width) / 2) & ~1, y = (r.y + (r.height - image->height) / 2) & ~1;
  const auto writes = host().calls().traceOf({"vgWriteResImage"});
  ASSERT_EQ(writes.size(), 1u);
  EXPECT_TRUE(writes[0].ends_with(", " + std::to_string(x) + ", " + std::to_string(y) + ")")) << writes[0];
}

INSTANTIATE_TEST_SUITE_P(Cases, CameraBlockTest,
                         ::testing::Values(BlockCase{0, 0, 1, true, false}, BlockCase{1, 0, 0, false, true},
                                           BlockCase{1, 1, 1, true, true}));

void keepPicture(hostsim::Host& host, const std::filesystem::path& shot) {
  ASSERT_TRUE(host.display().screen().savePng(1, shot));
  if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
    std::filesystem::copy_file(shot, std::filesystem::path(keep) / shot.filename(),
                               std::filesystem::copy_options::overwrite_existing);
}

// Pictures of the panel after the user chose a clip, for a person to look at.
TEST_F(AssignmentTest, ThePanelAfterChoosingAClip) {
  give(0, kLeft);
  op->cameras[0].synced = 1;
  openPanel();
  op->SelectCamera(1, ostrel3::CameraButtonSlot(1));
  choose(kRight);
  EXPECT_EQ(element(ostrel3::CameraButtonSlot(1))->caption, u"Stage right");
  keepPicture(host(), home() / "camera-2-given-a-clip.png");
  op->SelectCamera(0, ostrel3::CameraButtonSlot(0));
  keepPicture(host(), home() / "camera-1-synchronised.png");
}

}  // namespace
