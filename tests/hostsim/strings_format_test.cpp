// snxprintf: conversions, flags, widths, precisions and cutting.
#include <climits>
#include <string>

#include "host/xc.h"
#include "support/host_fixture.h"

namespace ostrel3_test {
namespace {

class FormatTest : public HostTest {
 protected:
  template <typename... Args>
  std::u16string format(const XCHAR* fmt, Args... args) {
    XCHAR buffer[128];
    result_ = snxprintf(buffer, 128, fmt, args...);
    return buffer;
  }
  int32_t result_ = 0;
};

TEST_F(FormatTest, IntegerConversionsFollowC) {
  EXPECT_EQ(format(u"%d|%i|%u", -42, 17, 4000000000u), u"-42|17|4000000000");
  EXPECT_EQ(result_, 17);
  EXPECT_EQ(format(u"%x %X %#x %o", 0xDEADBEEFu, 0xBEEFu, 255u, 8u), u"deadbeef BEEF 0xff 10");
  // An alternate octal of zero with no digits asked for is still "0" (no read before the text).
  EXPECT_EQ(format(u"%#.0o|%#o|%.0o", 0u, 8u, 0u), u"0|010|");
  EXPECT_EQ(format(u"%ld %lu", LONG_MIN, ULONG_MAX), std::u16string(u"-9223372036854775808 18446744073709551615"));
  EXPECT_EQ(format(u"%d", INT_MIN), u"-2147483648");
  EXPECT_EQ(format(u"%lld", -5LL), u"-5");
  EXPECT_EQ(format(u"%hd %hhu", 70000, 300), u"4464 44");
  EXPECT_EQ(format(u"%02ld_%02d", 3L, 7), u"03_07");
}

TEST_F(FormatTest, FlagsWidthsAndPrecisions) {
  EXPECT_EQ(format(u"[%5d][%-5d][%05d]", 42, 42, 42), u"[   42][42   ][00042]");
  EXPECT_EQ(format(u"[%+d][% d][%+d]", 5, 5, -5), u"[+5][ 5][-5]");
  EXPECT_EQ(format(u"[%06d][%+06d]", -42, 42), u"[-00042][+00042]");
  EXPECT_EQ(format(u"[%.3d][%05.3d][%-05d]", 7, 7, 7), u"[007][  007][7    ]");
  EXPECT_EQ(format(u"[%.0d][%.0d]", 0, 3), u"[][3]");
  EXPECT_EQ(format(u"[%*d][%-*d][%.*d]", 4, 1, 4, 2, 3, 3), u"[   1][2   ][003]");
  EXPECT_EQ(format(u"[%*d]", -3, 9), u"[9  ]") << "a negative width aligns left";
  EXPECT_EQ(format(u"[%#06x]", 255u), u"[0x00ff]");
}

TEST_F(FormatTest, CharactersAndTexts) {
  EXPECT_EQ(format(u"%c%c%%", u'A', 0xE004), u"A\xE004%");
  EXPECT_EQ(format(u"[%s][%5s][%-5s][%.2s]", u"ab", u"ab", u"ab", u"abcdef"), u"[ab][   ab][ab   ][ab]");
  EXPECT_EQ(format(u"%hs and %s", "B\xC3\xBChne", u"\xE004"), u"Bühne and \xE004");
  EXPECT_EQ(format(u"%s|%hs", static_cast<const XCHAR*>(nullptr), static_cast<const char*>(nullptr)),
            u"(null)|(null)");
  EXPECT_EQ(format(u"[%.3s]", u"a\U0001F600b"), u"[a\U0001F600]");
  EXPECT_EQ(format(u"[%.2s]", u"a\U0001F600b"), u"[a]") << "a precision never splits a surrogate pair";
  EXPECT_EQ(format(u"\xE004%2d:\xE004", 1), u"\xE004 1:\xE004");
}

TEST_F(FormatTest, CuttingTerminatesAndReportsMinusOne) {
  XCHAR buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(snxprintf(buffer, 5, u"hello %s", u"world"), -1);
  EXPECT_EQ(std::u16string(buffer), u"hell");
  EXPECT_EQ(buffer[5], u'#') << "nothing written past the count";
  EXPECT_EQ(snxprintf(buffer, 6, u"hello"), 5) << "an exact fit is no cut";
  EXPECT_EQ(std::u16string(buffer), u"hello");
  EXPECT_EQ(snxprintf(buffer, 4, u"ab%s", u"\U0001F600"), -1);
  EXPECT_EQ(std::u16string(buffer), u"ab") << "half a surrogate pair is left out";
  EXPECT_EQ(snxprintf(buffer, 1, u"x"), -1);
  EXPECT_EQ(buffer[0], 0);
}

TEST_F(FormatTest, UnusableCallsFailWithoutWritingPastTheBuffer) {
  XCHAR buffer[8] = {u'#', u'#'};
  EXPECT_EQ(snxprintf(buffer, 0, u"x"), -1);
  EXPECT_EQ(buffer[0], u'#') << "count 0 writes nothing";
  EXPECT_EQ(snxprintf(nullptr, 8, u"x"), -1);
  EXPECT_EQ(snxprintf(buffer, 8, nullptr), -1);
  EXPECT_EQ(snxprintf(buffer, 8, u"a%qb", 1), -1) << "an unknown conversion";
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(snxprintf(buffer, 8, u"abc%"), -1) << "a format ending in %";
  EXPECT_EQ(snxprintf(buffer, 8, u"%*d", INT_MAX, 1), -1) << "a huge width is cut, not allocated";
  EXPECT_EQ(std::u16string(buffer), u"       ");
}

}  // namespace
}  // namespace ostrel3_test
