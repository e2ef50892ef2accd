// The information dialog on a six-camera project: what it tells, that it
// ends with OK or the host's close, and that a refused request shows nothing.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hostsim/gui/user_input.h"
#include "ostrel3/dialogs/info_dialog.h"
#include "ostrel3/editing/assignment_fixture.h"
#include "ostrel3/project/utf8.h"

namespace {

using namespace ostrel3_test;
using ostrel3::kNoClipMark;
using ostrel3::kNumberMark;

class InfoDialogTest : public AssignmentTest {
 protected:
  /// Six cameras, camera 3 without a clip.
  void sixCameras() {
    op->sceneCount = 6;
    const uint32_t clips[] = {kLeft, kRight, 0, kLong, kMedium, kShort};
    for (int k = 0; k < 6; ++k)
      if (clips[k]) give(k, clips[k]);
    op->cameras[3].useAudio = 1;
  }
  void clickOk() {
    host().user().addAction("OK", [](hostsim::Host& h) { return h.panels().input().clickCaption("OK"); });
  }
  /// Titles of the requests open when the user gets to act.
  void lookAtRequests(std::vector<std::u16string>& titles) {
    host().user().addAction("look", [&titles](hostsim::Host& h) {
      for (const auto& r : h.panels().openRequests()) titles.push_back(r.title);
      return true;
    });
  }
  /// Whether a text was drawn with the dialog's text style.
  bool drawn(const std::u16string& text) {
    const std::string quoted = "\"" + ostrel3::ToUtf8(text) + "\"";
    for (const auto& call : host().calls().traceOf({"vgBoxText"}))
      if (call.find(quoted) != std::string::npos && call.ends_with(", 17)")) return true;
    return false;
  }
};

TEST_F(InfoDialogTest, TheInitialCutAloneAndAnEmptyCamera) {
  sixCameras();
  op->cutList = {{0, 0}};
  const ostrel3::InfoTexts t = ostrel3::ComposeInfoTexts(*op);
  EXPECT_EQ(t.cuts, u"0");
  EXPECT_EQ(t.cameraCuts[0], u"1");
  EXPECT_EQ(t.cameraCuts[1], u"0");
  EXPECT_EQ(t.cameraLine[0], std::u16string{kNumberMark} + u" 0:" + kNumberMark + u"Stage left");
  EXPECT_EQ(t.cameraLine[2], std::u16string{kNumberMark} + u" 2:" + kNumberMark + std::u16string(3, kNoClipMark));
  EXPECT_EQ(t.cameraLength[2], u"");
  EXPECT_EQ(t.cameraCuts[2], u"");
  EXPECT_EQ(t.cameraAudio[2], u" ");
  EXPECT_EQ(t.cameraAudio[3], u"+");
  EXPECT_EQ(t.cameraLength[0], u"00:00:12:00") << "300 frames at 25 a second";
  EXPECT_EQ(t.title, u"Multi-camera editor - v1.1");
}

TEST_F(InfoDialogTest, CountsEveryCutAndNumbersTheLastSlotTen) {
  sixCameras();
  op->projectSlot = 9;
  op->projectName = u"Encore";
  op->cutList = {{0, 0}, {40, 1}, {80, 3}, {120, 0}, {160, 1}, {200, 5}};
  const ostrel3::InfoTexts t = ostrel3::ComposeInfoTexts(*op);
  EXPECT_EQ(t.project, u"10:" + std::u16string{kNumberMark} + u"Encore");
  EXPECT_EQ(t.cuts, u"4");
  const std::u16string perCamera[] = {u"2", u"2", u"", u"1", u"0", u"1"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(t.cameraCuts[k], perCamera[k]) << k;
}

TEST_F(InfoDialogTest, ShowsEveryTextUntilOk) {
  sixCameras();
  openPanel();
  std::vector<std::u16string> titles;
  lookAtRequests(titles);
  host().user().addAction("picture", [this](hostsim::Host& h) {
    const auto shot = home() / "information-six-cameras.png";
    const bool saved = h.display().screen().savePng(1, shot);
    if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
      std::filesystem::copy_file(shot, std::filesystem::path(keep) / shot.filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    return saved;
  });
  clickOk();
  host().calls().clearTrace();
  const size_t openBefore = host().panels().openRequests().size();
  op->InfoDialog();
  ASSERT_EQ(titles.size(), openBefore + 1);
  EXPECT_EQ(titles.front(), u"Project information") << "the dialog in front of the panel";
  EXPECT_EQ(host().panels().openRequests().size(), openBefore) << "gone once OK was clicked";
  EXPECT_TRUE(drawn(u"Multi-camera editor - v1.1"));
  EXPECT_TRUE(drawn(std::u16string{kNumberMark} + u" 4:" + kNumberMark + u"Medium"));
  EXPECT_TRUE(drawn(std::u16string{kNumberMark} + u" 2:" + kNumberMark + std::u16string(3, kNoClipMark)));
  for (const char16_t* heading : {u"Camera", u"Length", u"Sound", u"Cuts", u"Project", u"Camera changes"})
    EXPECT_TRUE(drawn(heading)) << ostrel3::ToUtf8(heading);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(InfoDialogTest, TheHostsCloseEndsIt) {
  openPanel();
  const size_t openBefore = host().panels().openRequests().size();
  host().user().addAction("close", [](hostsim::Host& h) { return h.panels().input().closeScreen(); });
  op->InfoDialog();
  EXPECT_EQ(host().panels().openRequests().size(), openBefore);
}

TEST_F(InfoDialogTest, ARefusedRequestOrQueueShowsNothingAndKeepsTheSession) {
  openPanel();
  for (const char* refused : {"vreqCreateRequest", "msgQCreate"}) {
    const size_t failuresBefore = logCount(4);
    host().calls().failNth(refused, 1);
    op->InfoDialog();  // no user action: a dialog that opened would wait for ever
    EXPECT_EQ(logCount(4), failuresBefore + 1) << refused;
    EXPECT_EQ(host().panels().openRequests().size(), 1u) << refused;
  }
}

}  // namespace
