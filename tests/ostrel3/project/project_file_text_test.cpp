// Numbers and names as the operator's files hold them.
#include <gtest/gtest.h>

#include <string>

#include "ostrel3/project/decimal.h"
#include "ostrel3/project/utf8.h"

namespace {

using ostrel3::DecimalStatus;

TEST(DecimalTest, AttributeNumbersReadLikeScanfButRefuseWhatDoesNotFit) {
  EXPECT_EQ(ostrel3::ScanInt("42").value, 42);
  EXPECT_EQ(ostrel3::ScanInt("  -7xyz").value, -7);
  EXPECT_EQ(ostrel3::ScanInt("+15").value, 15);
  EXPECT_EQ(ostrel3::ScanInt("2147483647").value, 2147483647);
  EXPECT_EQ(ostrel3::ScanInt("-2147483648").value, -2147483647 - 1);
  EXPECT_EQ(ostrel3::ScanInt("2147483648").status, DecimalStatus::kOutOfRange);
  EXPECT_EQ(ostrel3::ScanInt("-2147483649").status, DecimalStatus::kOutOfRange);
  EXPECT_EQ(ostrel3::ScanInt("99999999999999999999999999").status, DecimalStatus::kOutOfRange);
  EXPECT_EQ(ostrel3::ScanInt("").status, DecimalStatus::kNoNumber);
  EXPECT_EQ(ostrel3::ScanInt("x1").status, DecimalStatus::kNoNumber);
  EXPECT_EQ(ostrel3::ScanInt("-").status, DecimalStatus::kNoNumber);
  EXPECT_EQ(ostrel3::ScanInt(nullptr).status, DecimalStatus::kNoNumber);
}

TEST(DecimalTest, UnsignedNumbersRefuseNegativeValues) {
  EXPECT_EQ(ostrel3::ScanUint("4294967295").value, 4294967295u);
  EXPECT_EQ(ostrel3::ScanUint("4294967296").status, DecimalStatus::kOutOfRange);
  EXPECT_EQ(ostrel3::ScanUint("-1").status, DecimalStatus::kOutOfRange);
  EXPECT_TRUE(ostrel3::ScanUint("-0").ok());
}

TEST(DecimalTest, ElementTextWithoutDigitsIsZeroButBlankTextIsAbsent) {
  EXPECT_EQ(ostrel3::DecimalText("abc").value, 0);
  EXPECT_TRUE(ostrel3::DecimalText("abc").ok());
  EXPECT_EQ(ostrel3::DecimalText("\n  12\n").value, 12);
  EXPECT_FALSE(ostrel3::DecimalText(" \t\n").ok());
  EXPECT_FALSE(ostrel3::DecimalText("").ok());
  EXPECT_FALSE(ostrel3::DecimalText(nullptr).ok());
  EXPECT_EQ(ostrel3::DecimalText("3000000000").status, DecimalStatus::kOutOfRange);
}

TEST(Utf8Test, TextsOutsideAsciiSurviveBothWays) {
  const std::u16string text = u"A\u00e9\u00df\u20ac\u65e5\uFFFD\U0001F3AC\U00010348\u0001";
  const std::string utf8 = ostrel3::ToUtf8(text);
  EXPECT_EQ(utf8, "A\xC3\xA9\xC3\x9F\xE2\x82\xAC\xE6\x97\xA5\xEF\xBF\xBD\xF0\x9F\x8E\xAC\xF0\x90\x8D\x88\x01");
  EXPECT_EQ(ostrel3::FromUtf8(utf8), text);
}

TEST(Utf8Test, MalformedInputBecomesReplacementCharactersWithoutLosingWhatFollows) {
  EXPECT_EQ(ostrel3::FromUtf8("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(ostrel3::FromUtf8("a\xC3"), u"a\uFFFD");               // cut off at the end
  EXPECT_EQ(ostrel3::FromUtf8("\xE2\x82x"), u"\uFFFD\uFFFDx");     // cut off in the middle
  EXPECT_EQ(ostrel3::FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");       // overlong
  EXPECT_EQ(ostrel3::FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(ostrel3::FromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // beyond U+10FFFF
  EXPECT_EQ(ostrel3::ToUtf8(u"x\xD800y\xDC00"), "x\xEF\xBF\xBDy\xEF\xBF\xBD");  // lone surrogates
}

}  // namespace
