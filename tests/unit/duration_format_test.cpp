#include "status/duration_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "fake_peers.h"

namespace tunelet {
namespace {

TEST(FormatDuration, AllFourStylesForTheWhole32BitRange) {
  struct Case {
    std::int64_t milliseconds;
    Text style0, style1, style2, style3;
  };
  const Case cases[] = {
      {0, u"0d, 0h, 0m, 0 seconds, 0 milliseconds", u"0d, 0h, 0m, 0s", u"0:0:0:0:0", u"0d, 0h, 0m"},
      {999, u"0d, 0h, 0m, 0 seconds, 999 milliseconds", u"0d, 0h, 0m, 0s", u"0:0:0:0:999",
       u"0d, 0h, 0m"},
      {1000, u"0d, 0h, 0m, 1 seconds, 0 milliseconds", u"0d, 0h, 0m, 1s", u"0:0:0:1:0",
       u"0d, 0h, 0m"},
      {3599999, u"0d, 0h, 59m, 59 seconds, 999 milliseconds", u"0d, 0h, 59m, 59s", u"0:0:59:59:999",
       u"0d, 0h, 59m"},
      {86400000, u"1d, 0h, 0m, 0 seconds, 0 milliseconds", u"1d, 0h, 0m, 0s", u"1:0:0:0:0",
       u"1d, 0h, 0m"},
      {93784567, u"1d, 2h, 3m, 4 seconds, 567 milliseconds", u"1d, 2h, 3m, 4s", u"1:2:3:4:567",
       u"1d, 2h, 3m"},
      {2147483647, u"24d, 20h, 31m, 23 seconds, 647 milliseconds", u"24d, 20h, 31m, 23s",
       u"24:20:31:23:647", u"24d, 20h, 31m"},
      {-1, u"0d, 0h, 0m, 0 seconds, -1 milliseconds", u"0d, 0h, 0m, 0s", u"0:0:0:0:-1",
       u"0d, 0h, 0m"},
      {-1000, u"0d, 0h, 0m, -1 seconds, 0 milliseconds", u"0d, 0h, 0m, -1s", u"0:0:0:-1:0",
       u"0d, 0h, 0m"},
      {-90061001, u"-1d, -25h, -1501m, -1 seconds, -1 milliseconds", u"-1d, -25h, -1501m, -1s",
       u"-1:-25:-1501:-1:-1", u"-1d, -25h, -1501m"},
      {-2147483648LL, u"-24d, -596h, -35791m, -23 seconds, -648 milliseconds",
       u"-24d, -596h, -35791m, -23s", u"-24:-596:-35791:-23:-648", u"-24d, -596h, -35791m"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.milliseconds);
    EXPECT_EQ(format_duration(c.milliseconds, 0), c.style0);
    EXPECT_EQ(format_duration(c.milliseconds, 1), c.style1);
    EXPECT_EQ(format_duration(c.milliseconds, 2), c.style2);
    EXPECT_EQ(format_duration(c.milliseconds, 3), c.style3);
  }
}

TEST(FormatDuration, UptimesPastTheOld32BitLimitKeepCounting) {
  EXPECT_EQ(format_duration(30LL * 86400000, 3), u"30d, 0h, 0m");
  EXPECT_EQ(format_duration(4294967296LL, 3), u"49d, 17h, 2m");  // where 32 bits wrapped
  EXPECT_EQ(format_duration(std::numeric_limits<std::int64_t>::max(), 2),
            u"106751991167:7:12:55:807");
  EXPECT_EQ(format_duration(std::numeric_limits<std::int64_t>::min(), 3),
            u"-106751991167d, -2562047788015h, -153722867280912m");
}

TEST(FormatDuration, OtherStylesGiveNothing) {
  for (int style : {4, -1, 100, std::numeric_limits<int>::min()}) {
    EXPECT_EQ(format_duration(93784567, style), u"");
    EXPECT_EQ(format_duration(0, style), u"");
  }
}

TEST(FormatTrackLength, MinutesAndSecondsWithTwoDigits) {
  struct Case {
    std::int32_t seconds;
    Text text;
  };
  const Case cases[] = {
      {0, u"00:00"},    {59, u"00:59"},    {60, u"01:00"}, {225, u"03:45"}, {3599, u"59:59"},
      {3725, u"62:05"}, {6000, u"100:00"}, {-1, u""},  // unknown: the player has no track
      {-61, u""},
  };
  fake::FakePlatform fake;
  fake::FakePlayer player;
  add_player(fake.windows, player);
  for (const Case& c : cases) {
    player.track_length = c.seconds;
    EXPECT_EQ(format_track_length(fake.platform), c.text) << c.seconds;
  }
}

TEST(FormatTrackLength, UsesTheRegionalTimeSeparator) {
  fake::FakePlatform fake;
  fake::FakePlayer player{u"", 225};
  add_player(fake.windows, player);
  fake.form.separator = u".";
  EXPECT_EQ(format_track_length(fake.platform), u"03.45");
}

TEST(FormatTrackLength, EmptyWithoutPlayerWhichIsNotQueried) {
  fake::FakePlatform fake;
  EXPECT_EQ(format_track_length(fake.platform), u"");
  EXPECT_TRUE(fake.windows.log.empty());
}

// The player closes between the lookup and the query: the query gives 0.
struct ClosingPlayer : fake::FakeWindowSystem {
  int finds = 0;
  WindowHandle find_window(const Text& class_name) override {
    return ++finds == 1 ? 0x42 : fake::FakeWindowSystem::find_window(class_name);
  }
};

TEST(FormatTrackLength, APlayerClosingBeforeTheQueryReadsAsZero) {
  ClosingPlayer windows;
  fake::FakePlatform fake;
  Platform platform{windows, fake.clock, fake.settings, fake.form};
  EXPECT_EQ(format_track_length(platform), u"00:00");
}

}  // namespace
}  // namespace tunelet
