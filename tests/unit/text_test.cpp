#include "platform/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tunelet {
namespace {

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRightWithoutRescanning) {
  struct Case {
    Text text, from, to, expected;
  };
  const Case cases[] = {
      {u"a - Winamp b - Winamp", u" - Winamp", u"", u"a b"},
      {u"aaa", u"aa", u"b", u"ba"},      // non-overlapping, from the left
      {u"%s", u"%s", u"%s%s", u"%s%s"},  // the inserted text is not scanned again
      {u"abc", u"", u"x", u"abc"},       // nothing to look for
      {u"", u"a", u"b", u""},
      {u" - winamp", u" - Winamp", u"", u" - winamp"},  // case matters
  };
  for (const Case& c : cases) {
    EXPECT_EQ(replace_all(c.text, c.from, c.to), c.expected);
  }
}

TEST(Decimal, WritesPlainDigitsWithSignForEveryRange) {
  EXPECT_EQ(decimal(0), u"0");
  EXPECT_EQ(decimal(7), u"7");
  EXPECT_EQ(decimal(-25), u"-25");
  EXPECT_EQ(decimal(std::numeric_limits<std::int64_t>::max()), u"9223372036854775807");
  EXPECT_EQ(decimal(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808");
}

TEST(TwoDigits, PadsToTwoDigitsAndSignsNegativeValues) {
  EXPECT_EQ(two_digits(0), u"00");
  EXPECT_EQ(two_digits(5), u"05");
  EXPECT_EQ(two_digits(123), u"123");
  EXPECT_EQ(two_digits(-1), u"-01");
  EXPECT_EQ(two_digits(std::numeric_limits<std::int32_t>::min()), u"-2147483648");
}

TEST(ToLowerAscii, LowersOnlyAsciiLetters) {
  EXPECT_EQ(to_lower_ascii(u"OPENING Song.WMA \u00C9\U0001F3B5"),
            u"opening song.wma \u00C9\U0001F3B5");
}

}  // namespace
}  // namespace tunelet
