// The texts of the information dialog and the title line: numbers framed by
// the font's marks, dashes for a missing clip, counts over the cut list.
#include <gtest/gtest.h>

#include "ostrel3/dialogs/info_texts.h"

namespace {

using namespace ostrel3;

constexpr char16_t M = kNumberMark;
const std::u16string kDashes(3, kNoClipMark);

struct TitleCase {
  int32_t slot;
  std::u16string title;    // the panel's title line
  std::u16string project;  // the dialog's project text
};

TEST(InfoTexts, SlotNumbersKeepToSixCharacters) {
  const TitleCase cases[] = {
      {0, std::u16string{M} + u" 1:" + M + u"Gig", u" 1:" + std::u16string{M} + u"Gig"},
      {8, std::u16string{M} + u" 9:" + M + u"Gig", u" 9:" + std::u16string{M} + u"Gig"},
      // "10:" needs the room of the leading mark.
      {9, u"10:" + std::u16string{M} + u"Gig", u"10:" + std::u16string{M} + u"Gig"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProjectTitleText(c.slot, u"Gig"), c.title) << c.slot;
    EXPECT_LE(ProjectTitleText(c.slot, u"").size(), 6u) << c.slot;
    EXPECT_EQ(InfoProjectText(c.slot, u"Gig"), c.project) << c.slot;
  }
}

TEST(InfoTexts, CameraLinesCountFromZeroAndShowDashesWithoutAClip) {
  EXPECT_EQ(InfoCameraLine(0, u"Stage left"), std::u16string{M} + u" 0:" + M + u"Stage left");
  EXPECT_EQ(InfoCameraLine(2, std::nullopt), std::u16string{M} + u" 2:" + M + kDashes);
  EXPECT_EQ(InfoCameraLine(5, u""), std::u16string{M} + u" 5:" + M) << "a clip without a name is no missing clip";
  const std::u16string longName(60, u'x');
  const std::u16string line = InfoCameraLine(1, longName);
  EXPECT_EQ(line.size(), kInfoCameraLineChars);
  EXPECT_EQ(line.substr(5), std::u16string(kInfoCameraLineChars - 5, u'x'));
}

TEST(InfoTexts, CutCountsWalkTheWholeList) {
  struct Case {
    CutList cuts;
    int32_t away;
    std::array<int32_t, 4> perCamera;
  };
  const Case cases[] = {
      {{{0, 0}}, 0, {1, 0, 0, 0}},  // only the initial cut
      {{}, 0, {0, 0, 0, 0}},
      {{{0, 0}, {100, 1}, {200, 3}, {300, 0}, {400, 1}}, 3, {2, 2, 0, 1}},
      {{{0, 2}, {50, 1}}, 2, {0, 1, 1, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CutsAwayFromFirstCamera(c.cuts), c.away);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(CutsToCamera(c.cuts, k), c.perCamera[k]) << k;
  }
}

TEST(InfoTexts, TitleLineAndNumbers) {
  EXPECT_EQ(InfoTitleLine(u"Multi-camera editor", "1.1"), u"Multi-camera editor - v1.1");
  EXPECT_EQ(InfoTitleLine(std::u16string(300, u'a'), "1.1").size(), kInfoTitleChars);
  EXPECT_EQ(DecimalText(0), u"0");
  EXPECT_EQ(DecimalText(7, 2), u" 7");
  EXPECT_EQ(DecimalText(123, 2), u"123");
  EXPECT_EQ(DecimalText(-4), u"-4");
}

}  // namespace
