// The wide-string functions and the UTF-8 conversions.
#include <string>

#include "host/xc.h"
#include "support/host_fixture.h"

namespace ostrel3_test {
namespace {

using StringTest = HostTest;

TEST_F(StringTest, CopyConcatenateMeasureAndCompare) {
  XCHAR buffer[32];
  EXPECT_EQ(xcscpy(buffer, u"Cam"), buffer);
  EXPECT_EQ(xcscat(buffer, u"era \xE004"), buffer);
  EXPECT_EQ(std::u16string(buffer), u"Camera \xE004");
  EXPECT_EQ(xcslen(buffer), 8u);
  EXPECT_EQ(xcslen(nullptr), 0u);
  EXPECT_EQ(xcscmp(u"abc", u"abc"), 0);
  EXPECT_LT(xcscmp(u"abc", u"abd"), 0);
  EXPECT_LT(xcscmp(u"ab", u"abc"), 0);
  EXPECT_GT(xcscmp(u"\xE000", u"z"), 0) << "characters compare unsigned";
  EXPECT_EQ(xcscpy(nullptr, u"x"), nullptr);
}

TEST_F(StringTest, BoundedCopyPadsAndMayLeaveNoTerminator) {
  XCHAR buffer[6] = {u'#', u'#', u'#', u'#', u'#', u'#'};
  xcsncpy(buffer, u"ab", 5);
  EXPECT_EQ(std::u16string(buffer, 6), std::u16string(u"ab\0\0\0#", 6));
  xcsncpy(buffer, u"abcdefgh", 3);
  EXPECT_EQ(std::u16string(buffer, 4), std::u16string(u"abc\0", 4));
}

TEST_F(StringTest, Utf8RoundTripKeepsCharactersOutsideAscii) {
  const char* utf8 = "Gr\xC3\xBC\xC3\x9F" "e \xE6\x9D\xB1 \xF0\x9F\x98\x80!";  // Grüße 東 😀!
  const std::u16string expected = u"Grüße 東 \U0001F600!";
  ASSERT_EQ(mstlGetUTF8toXCHARlen(utf8), int32_t(expected.size()));
  XCHAR wide[32];
  ASSERT_EQ(mstlUTF8toXCHAR(wide, utf8, 32), int32_t(expected.size()));
  EXPECT_EQ(std::u16string(wide), expected);

  ASSERT_EQ(mstlGetXCHARtoUTF8len(wide), int32_t(std::char_traits<char>::length(utf8)));
  char back[64];
  ASSERT_EQ(mstlXCHARtoUTF8(back, wide, 64), int32_t(std::char_traits<char>::length(utf8)));
  EXPECT_STREQ(back, utf8);
}

TEST_F(StringTest, ConversionsCutAtWholeCharacters) {
  XCHAR wide[4];
  EXPECT_EQ(mstlUTF8toXCHAR(wide, "ab\xF0\x9F\x98\x80", 4), 2) << "a surrogate pair does not fit in one place";
  EXPECT_EQ(std::u16string(wide), u"ab");
  char narrow[4];
  EXPECT_EQ(mstlXCHARtoUTF8(narrow, u"a\u00FC\u6771", 4), 3) << "the three bytes of 東 do not fit in one";
  EXPECT_STREQ(narrow, "a\xC3\xBC");
  EXPECT_EQ(mstlXCHARtoUTF8(narrow, u"x", 0), -1);
}

TEST_F(StringTest, MalformedUtf8IsRefused) {
  XCHAR wide[8] = {u'#'};
  for (const char* bad : {"\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "abc\xF0\x9F", "\xFF"}) {
    EXPECT_EQ(mstlGetUTF8toXCHARlen(bad), -1) << bad;
    EXPECT_EQ(mstlUTF8toXCHAR(wide, bad, 8), -1) << bad;
  }
  EXPECT_EQ(mstlGetUTF8toXCHARlen(nullptr), -1);
  EXPECT_EQ(mstlUTF8toXCHAR(nullptr, "a", 8), -1);
}

TEST_F(StringTest, ALoneSurrogateBecomesTheReplacementCharacter) {
  const XCHAR lone[] = {u'a', 0xD800, u'b', 0};
  char narrow[16];
  EXPECT_EQ(mstlGetXCHARtoUTF8len(lone), 5);
  EXPECT_EQ(mstlXCHARtoUTF8(narrow, lone, 16), 5);
  EXPECT_STREQ(narrow, "a\xEF\xBF\xBD" "b");
}

}  // namespace
}  // namespace ostrel3_test
