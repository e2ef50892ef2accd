#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "host/res.h"
#include "hostsim/core/text.h"
#include "hostsim/gui/resource_files.h"
#include "support/host_fixture.h"

namespace ostrel3_test {
namespace {

// Every string id the operator shows, in one place.
constexpr int32_t kOperatorStringIds[] = {
    200, 201, 203, 204, 205, 206, 320, 322, 324, 326, 330, 340, 342, 344, 346, 348, 352, 353, 362, 364,
    366, 368, 370, 372, 374, 376, 378, 380, 382, 384, 386, 388, 390, 392, 394, 396, 398, 400, 402, 404,
    420, 422, 423, 424, 426, 428, 430, 432, 434, 450, 470, 476, 478, 480, 504, 506, 508, 512, 514, 518,
    520, 522, 523, 524, 600, 602, 604, 606, 608, 610, 612, 614, 616, 618, 620, 622, 624, 626, 628, 630,
    632, 634, 636, 638, 640, 642, 644, 646, 648, 650, 660, 662, 678, 680, 682, 684, 686, 688};

std::string text(RES_STRINGS set, int32_t id) {
  const XCHAR* t = resGetString(set, id);
  return t ? hostsim::toUtf8(t) : "<null>";
}

using OperatorStrings = HostTest;

TEST_F(OperatorStrings, EveryIdTheOperatorUsesHasAText) {
  const RES_STRINGS set = resLoadStrings("ostrel3");
  ASSERT_NE(set, 0u);
  for (int32_t id : kOperatorStringIds) EXPECT_FALSE(text(set, id).empty()) << "string " << id;
  EXPECT_EQ(text(set, 203), "Camera 1");
  EXPECT_EQ(text(set, 326), "Camera 8");
  EXPECT_NE(text(set, 364).find("small"), std::string::npos);
  resFreeStrings(set);
}

TEST_F(OperatorStrings, FormattedTextsHoldExactlyTheirOneNumber) {
  const RES_STRINGS set = resLoadStrings("ostrel3");
  ASSERT_NE(set, 0u);
  for (int32_t id : kOperatorStringIds) {
    const std::string t = text(set, id);
    const size_t percent = t.find('%');
    if (id == 423) {
      ASSERT_NE(percent, std::string::npos);
      EXPECT_EQ(t.substr(percent, 2), "%d");
      EXPECT_EQ(t.find('%', percent + 1), std::string::npos);
    } else {
      EXPECT_EQ(percent, std::string::npos) << "string " << id << " would be taken for a format";
    }
  }
  // A text request's buttons are separated by '|'.
  EXPECT_NE(text(set, 680).find('|'), std::string::npos);
  resFreeStrings(set);
}

TEST_F(OperatorStrings, UnknownIdGivesEmptyTextAndBadHandleGivesNull) {
  const RES_STRINGS set = resLoadStrings("ostrel3");
  ASSERT_NE(set, 0u);
  const XCHAR* none = resGetString(set, 99999);
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none[0], 0);
  EXPECT_EQ(resGetString(set + 1000, 203), nullptr);
  EXPECT_EQ(resGetString(0, 203), nullptr);
  resFreeStrings(set);
  EXPECT_EQ(resGetString(set, 203), nullptr) << "a freed set is gone";
}

TEST_F(OperatorStrings, EachLoadIsItsOwnHandleAndLiveUntilFreed) {
  const RES_STRINGS a = resLoadStrings("ostrel3");
  const RES_STRINGS b = resLoadStrings("ostrel3");
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(host().liveHandles().size(), 2u);
  resFreeStrings(a);
  EXPECT_EQ(text(b, 204), "Camera 2");
  resFreeStrings(b);
  resFreeStrings(b);  // twice: logged, harmless
  EXPECT_TRUE(host().liveHandles().empty());
}

TEST_F(OperatorStrings, SetNamesCannotLeaveTheResourceDirectory) {
  EXPECT_EQ(resLoadStrings("no-such-set"), 0u);
  EXPECT_EQ(resLoadStrings("../resources/ostrel3"), 0u);
  EXPECT_EQ(resLoadStrings(".."), 0u);
  EXPECT_EQ(resLoadStrings(""), 0u);
  EXPECT_EQ(resLoadStrings(nullptr), 0u);
  EXPECT_EQ(resLoadImages("../ostrel3"), 0u);
}

// A set of the test's own in a resource directory of its own.
class OwnStrings : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.resourceDir = home() / "res";
    std::filesystem::create_directories(c.resourceDir / "mine");
    std::ofstream(c.resourceDir / "mine" / "strings.txt", std::ios::binary)
        << "# comment\r\n"
           "1\tplain\r\n"
           "\n"
           "2\ttwo\\nlines\\tand a tab \\\\ and \\q\n"
           "3\t\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\n"
           "not a line\n"
           "1\tsecond one\n"
           "4\tbad \xFF byte\n"
           "5\t";
    std::filesystem::create_directories(c.resourceDir / "no-strings" / "images");
    return c;
  }
};

TEST_F(OwnStrings, FileFormatEscapesAndProblemsAreHandled) {
  const RES_STRINGS set = resLoadStrings("mine");
  ASSERT_NE(set, 0u);
  EXPECT_EQ(text(set, 1), "plain") << "the first of two is kept; CR LF line ends work";
  EXPECT_EQ(text(set, 2), "two\nlines\tand a tab \\ and \\q");
  EXPECT_EQ(text(set, 3), "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(text(set, 4), "bad \xEF\xBF\xBD byte");
  EXPECT_EQ(text(set, 5), "");
  EXPECT_EQ(host().log().size(), 3u) << "one line each: the bad line, the second id 1, the bad byte";
  resFreeStrings(set);
}

TEST_F(OwnStrings, SetWithoutAStringsFileHasNoStrings) {
  EXPECT_EQ(resLoadStrings("no-strings"), 0u);
  const RES_IMAGES images = resLoadImages("no-strings");
  EXPECT_NE(images, 0u) << "an empty images folder is an empty image set";
  EXPECT_EQ(resGetImage(images, 1), nullptr);
  resFreeImages(images);
}

TEST(StringTableFile, IdsMustBeDecimalAndNotNegative) {
  const auto table = hostsim::parseStringTable("-1\tminus\n0x10\thex\n12a\tmixed\n\tno id\n7\tok");
  EXPECT_EQ(table.texts.size(), 1u);
  EXPECT_EQ(table.texts.at(7), u"ok");
  EXPECT_EQ(table.problems.size(), 4u);
}

}  // namespace
}  // namespace ostrel3_test
