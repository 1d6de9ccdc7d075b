#include "status/duration_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "fake_platform.h"
#include "platform/tick_count.h"

namespace tunelet {
namespace {

TEST(FormatDuration, FourStylesAcrossThe32BitRangeAndNoOther) {
  const struct {
    std::int64_t milliseconds;
    Text style0, style1, style2, style3;
  } rows[] = {
      // clang-format off
      {0, u"0d, 0h, 0m, 0 seconds, 0 milliseconds", u"0d, 0h, 0m, 0s", u"0:0:0:0:0", u"0d, 0h, 0m"},
      {999, u"0d, 0h, 0m, 0 seconds, 999 milliseconds", u"0d, 0h, 0m, 0s", u"0:0:0:0:999", u"0d, 0h, 0m"},
      {1000, u"0d, 0h, 0m, 1 seconds, 0 milliseconds", u"0d, 0h, 0m, 1s", u"0:0:0:1:0", u"0d, 0h, 0m"},
      {3599999, u"0d, 0h, 59m, 59 seconds, 999 milliseconds", u"0d, 0h, 59m, 59s", u"0:0:59:59:999", u"0d, 0h, 59m"},
      {86400000, u"1d, 0h, 0m, 0 seconds, 0 milliseconds", u"1d, 0h, 0m, 0s", u"1:0:0:0:0", u"1d, 0h, 0m"},
      {93784567, u"1d, 2h, 3m, 4 seconds, 567 milliseconds", u"1d, 2h, 3m, 4s", u"1:2:3:4:567", u"1d, 2h, 3m"},
      {2147483647, u"24d, 20h, 31m, 23 seconds, 647 milliseconds", u"24d, 20h, 31m, 23s", u"24:20:31:23:647", u"24d, 20h, 31m"},
      {-1, u"0d, 0h, 0m, 0 seconds, -1 milliseconds", u"0d, 0h, 0m, 0s", u"0:0:0:0:-1", u"0d, 0h, 0m"},
      {-1000, u"0d, 0h, 0m, -1 seconds, 0 milliseconds", u"0d, 0h, 0m, -1s", u"0:0:0:-1:0", u"0d, 0h, 0m"},
      {-90061001, u"-1d, -25h, -1501m, -1 seconds, -1 milliseconds", u"-1d, -25h, -1501m, -1s", u"-1:-25:-1501:-1:-1", u"-1d, -25h, -1501m"},
      {-2147483648LL, u"-24d, -596h, -35791m, -23 seconds, -648 milliseconds", u"-24d, -596h, -35791m, -23s", u"-24:-596:-35791:-23:-648", u"-24d, -596h, -35791m"},
      {4294967296LL, u"49d, 17h, 2m, 47 seconds, 296 milliseconds", u"49d, 17h, 2m, 47s", u"49:17:2:47:296", u"49d, 17h, 2m"},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.milliseconds);
    EXPECT_EQ(format_duration(row.milliseconds, 0), row.style0);
    EXPECT_EQ(format_duration(row.milliseconds, 1), row.style1);
    EXPECT_EQ(format_duration(row.milliseconds, 2), row.style2);
    EXPECT_EQ(format_duration(row.milliseconds, 3), row.style3);
    for (int style : {4, -1, std::numeric_limits<int>::min()}) {
      EXPECT_EQ(format_duration(row.milliseconds, style), u"");
    }
  }
}

TEST(FormatTrackLength, MinutesAndSecondsWithTwoDigitsEmptyWhenUnknown) {
  const struct {
    std::int32_t seconds;
    Text text;
  } rows[] = {{0, u"00:00"},    {59, u"00:59"},    {60, u"01:00"}, {3599, u"59:59"},
              {3725, u"62:05"}, {6000, u"100:00"}, {-1, u""},      {-61, u""}};
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    add_player(fake, {u""}, row.seconds);
    EXPECT_EQ(format_track_length(fake.platform), row.text) << row.seconds;
  }
  fake::FakePlatform no_player;
  EXPECT_EQ(format_track_length(no_player.platform), u"");
  EXPECT_TRUE(no_player.log.empty());
}

// Windows XP's 32-bit millisecond count, widened by the wraps seen.
TEST(WidenTickCount, CountsAWrapWhenTheCountGoesDown) {
  constexpr std::uint64_t k2To32 = 1ULL << 32;
  const struct {
    std::uint32_t previous, current;
    std::uint64_t wraps, wraps_after, milliseconds;
  } rows[] = {
      // clang-format off
      {0, 1000, 0, 0, 1000},
      {4294967000U, 4294967295U, 0, 0, k2To32 - 1},
      {4294967295U, 5, 0, 1, k2To32 + 5},  // across a wrap
      {10, 10, 3, 3, 3 * k2To32 + 10},
      {2147483648U, 2147483647U, 1, 2, 2 * k2To32 + 2147483647U},
      // clang-format on
  };
  for (const auto& row : rows) {
    const WideTickCount wide = widen_tick_count(row.previous, row.current, row.wraps);
    EXPECT_EQ(wide.wraps, row.wraps_after) << row.previous << " " << row.current;
    EXPECT_EQ(wide.milliseconds, row.milliseconds) << row.previous << " " << row.current;
  }
}

}  // namespace
}  // namespace tunelet
