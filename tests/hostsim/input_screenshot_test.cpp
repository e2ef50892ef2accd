// Pictures of every new screen the operator shows, and named screenshots.
// These need the display's framebuffers to write PNG files.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using ScreenshotTest = GuiTest;

std::set<std::string> pngsIn(const std::filesystem::path& dir) {
  std::set<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    if (e.path().extension() == ".png") out.insert(e.path().filename().string());
  return out;
}

TEST_F(ScreenshotTest, EveryNewScreenLeavesOnePicture) {
  const auto dir = home() / "shots";
  user().setScreenshotDir(dir);
  VREQ_REQUEST main = openRequest(0x14040, 1920, 1080, u"Multicam");
  HOST_MESSAGE m{};
  ASSERT_EQ(vgMsgQReceive2(&m, -1, main.queue), 44);  // the user's turn: a picture, then a close
  ASSERT_EQ(vgMsgQReceive2(&m, -1, main.queue), 44);  // same screens: no new picture
  VREQ_REQUEST dialog = openRequest(0x10000E, 300, 120, u"Project settings");
  ASSERT_EQ(vgMsgQReceive2(&m, -1, dialog.queue), 44);
  VREQ_TEXT note{};
  note.title = u"Note";
  note.text = u"Nothing to apply";
  vreqTextRequest(&note);
  EXPECT_EQ(pngsIn(dir), (std::set<std::string>{"01-Multicam.png", "02-Project-settings.png", "03-Note.png"}));
  EXPECT_EQ(user().shotsTaken(), 3);
  vreqDeleteRequest(&dialog);
  vreqDeleteRequest(&main);
}

TEST_F(ScreenshotTest, NamedScreenshotLandsInTheDirectory) {
  user().setScreenshotDir(home() / "named");
  ASSERT_TRUE(user().screenshot(1, "after-apply"));
  EXPECT_TRUE(std::filesystem::exists(home() / "named" / "after-apply.png"));
  EXPECT_FALSE(user().screenshot(9, "nowhere"));
}

}  // namespace
}  // namespace ostrel3_test
