#include <gtest/gtest.h>

#include <limits>

#include "fake_platform.h"
#include "platform/tick_count.h"
#include "platform/wait_budget.h"
#include "player/title_reader.h"
#include "status/duration_format.h"
#include "status/status_composer.h"

namespace tunelet {
namespace {

// The player's documented protocol: commands posted as WM_COMMAND (273),
// queries sent as WM_USER (1024) with their argument and number.
TEST(PlayerLink, SpeaksThePlayersProtocol) {
  const struct {
    void (*command)(Desktop&);
    PlayerAnswer (*query)(Desktop&, WaitBudget&);
    const char* message;
    std::int32_t answer;
  } rows[] = {
      // clang-format off
      {player_next, nullptr, "post 1 273 40048 0", 0}, {player_previous, nullptr, "post 1 273 40044 0", 0},
      {player_play, nullptr, "post 1 273 40045 0", 0}, {player_pause, nullptr, "post 1 273 40046 0", 0},
      {player_stop, nullptr, "post 1 273 40047 0", 0}, {player_close, nullptr, "post 1 273 40001 0", 0},
      {nullptr, player_track_length, "send 1 1024 1 105", 225},
      {nullptr, player_playlist_position, "send 1 1024 0 125", 0},  // as the player counts: no 1 added
      {nullptr, player_playlist_length, "send 1 1024 0 124", 17},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    add_player(fake, {u""}, 225, 0, 17);
    WaitBudget budget(fake, 500);
    EXPECT_EQ(row.command ? (row.command(fake), 0) : row.query(fake, budget),
              PlayerAnswer(row.answer));
    EXPECT_EQ(fake.log, std::vector<std::string>{row.message});
  }
}

// One tick of the title poll: the player's title as its successive reads
// give it (none: no player), then the song and the title box.
TEST(TitlePoll, PublishesTheSongWhenTwoReadsAgree) {
  const struct {
    int check1;
    std::deque<Text> reads;
    Text song, title_box;
  } rows[] = {
      // clang-format off
      {kChecked, {u"12. Artist - Title - Winamp"}, u" Artist - Title", u" Artist - Title"},
      {kChecked, {u"1. Track 1. Remix - Winamp"}, u" Track 1. Remix", u" Track 1. Remix"},
      {kChecked, {u"5. A - winamp - Winamp"}, u" A - winamp", u" A - winamp"},
      {kChecked, {u"1. A - Winamp", u"2. B - Winamp"}, u" A", u"old"},  // changed before the second read
      {kChecked, {u"1. A - Winamp", u"1. A - Winamp", u"2. B - Winamp"}, u" B", u" B"},  // and before the third
      {kChecked, {}, u"", u""},
      {kUnchecked, {u"1. A - Winamp"}, u"before", u"old"},
      // scrolled in the taskbar, the marker whole or split across the turn
      {kChecked, {u"* 12. Artist - Song - Winamp **", u"*** 12. Artist - Song - Winamp ", u" 12. Artist - Song - Winamp ***"}, u" Artist - Song", u" Artist - Song"},
      {kChecked, {u"3. A *** B - Winamp"}, u" A *** B", u" A *** B"},  // a song named so
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    if (!row.reads.empty()) {
      add_player(fake, row.reads);
    }
    ProgramState state;
    state.controls.Check1 = row.check1;
    state.controls.Text3 = u"old";
    state.current_song = u"before";
    Timer2_Timer(fake, state);
    EXPECT_EQ(state.current_song, row.song);
    EXPECT_EQ(state.controls.Text3, row.title_box);
  }
}

// Posting ticks, 350 ms apart, each after the title poll left a title box
// and a song: what was typed into the chat room, how often send was pressed
// and the player asked. One post waits half a second at most for both
// peers; a peer that let a message go rests a second.
TEST(PostingCycle, PostsEachNewSongOnceWithTheTemplateExpanded) {
  struct Tick {
    Text title_box, song;
    std::uint32_t chat_ms = 0;  // the time the chat room takes to answer
    bool refuses = false;       // its input box refuses the text
  };
  const Tick kBusyA{u"A", u"A", 600};
  const struct {
    Text status_template;
    std::vector<Tick> ticks;
    std::vector<std::string> typed;
    std::size_t presses, questions;
    std::uint32_t player_ms = 0;  // without a player: ~0u
    Text separator = u":";
  } rows[] = {
      // clang-format off
      {u"%s|%t|%d|%l|%z|%f|%u|%S|%x|100%", {{u" S", u" S"}}, {"settext 4  S|12:34:56|06/12/2026|03:45|4|17|30d, 0h, 1m|%S|%x|100%"}, 1, 3},
      {u"%s", {{u" B", u" A"}, {u" B", u" B"}}, {"settext 4  A"}, 1, 3},  // the song fills %s; the title box is what was posted
      {u"%s", {{u"A", u"A"}, {u"B", u"B"}, {u"B", u"B"}, {u"A", u"A"}}, {"settext 4 A", "settext 4 B", "settext 4 A"}, 3, 9},
      {u"%s", {{kNoTitleYet, u""}}, {}, 0, 0},
      {u"%s", {{u"Opening song.WMA", u"x"}, {u".wma OPENING", u"x"}, {u"Opening song.mp3", u"y"}}, {"settext 4 y"}, 1, 3},
      {u"[%s]", {{u"", u""}, {u" S", u" S"}, {u"", u""}}, {"settext 4 [ S]", "settext 4 []"}, 2, 6},
      {u"%s at %t", {{u" 100%d %t", u" 100%d %t"}}, {"settext 4  100%d %t at 12:34:56"}, 1, 3},
      {u"[%l]", {{u" S", u" S"}}, {"settext 4 [03.45]"}, 1, 3, 0, u"."},
      {u"[%l]", {{u" S", u" S"}}, {"settext 3 []"}, 1, 0, ~0u},
      // a busy player counts as absent, rests, and leaves the chat room no time in that tick
      {u"%z/%f [%l]", {{u"A", u"A"}, {u"A", u"A"}, {u"B", u"B"}, {u"C", u"C"}}, {"settext 4 0/0 []", "settext 4 0/0 []"}, 2, 2, 600},
      {u"%z/%f [%l]", {{u"A", u"A"}, {u"A", u"A"}}, {"settext 4 0/0 []"}, 1, 2, 400},
      // a chat room that let the text go, or refused it, gets it again, pressed once
      {u"%s", {kBusyA, {u"A", u"A"}, {u"A", u"A"}, {u"A", u"A"}, {u"A", u"A"}}, {"settext 4 A", "settext 4 A"}, 1, 3},
      {u"%s", {{u"A", u"A", 0, true}, {u"A", u"A"}, {u"A", u"A"}}, {"settext 4 A", "settext 4 A"}, 1, 3},
      {u"%s", {kBusyA, {u"B", u"B"}, {u"B", u"B"}, {u"B", u"B"}, {u"B", u"B"}}, {"settext 4 A", "settext 4 B"}, 1, 6},  // the song changed meanwhile
      // busy for ten seconds: given up, and not posted when it answers again
      {u"%s", {kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, kBusyA, {u"A", u"A"}, {u"A", u"A"}}, std::vector<std::string>(7, "settext 4 A"), 0, 3},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    if (row.player_ms != ~0u) {
      const WindowHandle player = add_player(fake, {u""}, 225, 4, 17);
      fake.open_windows[player].answers_after_ms = row.player_ms;
    }
    const WindowHandle input = add_chat_room(fake) + 2;
    fake.milliseconds = 30ULL * 86400000 + 60000;  // past a 32-bit signed count
    fake.separator = row.separator;
    ProgramState state;
    state.controls.Text4 = row.status_template;
    state.controls.Check1 = kChecked;
    for (const Tick& tick : row.ticks) {
      state.controls.Text3 = tick.title_box;
      state.current_song = tick.song;
      fake.open_windows[input].answers_after_ms = tick.chat_ms;
      fake.open_windows[input].refuses_text = tick.refuses;
      Timer1_Timer(fake.platform, state);
      fake.milliseconds += 350;
    }
    EXPECT_EQ(fake.logged({"settext"}), row.typed);
    EXPECT_EQ(fake.logged({"post " + std::to_string(input + 1) + " 513"}).size(), row.presses);
    EXPECT_EQ(fake.logged({"send 1 1024"}).size(), row.questions);
  }
}

TEST(FormatDuration, FourStylesAcrossThe32BitRangeAndNoOther) {
  const struct {
    std::int64_t milliseconds;
    Text styles;  // 0 | 1 | 2 | 3 | 4
  } rows[] = {
      // clang-format off
      {93784567, u"1d, 2h, 3m, 4 seconds, 567 milliseconds|1d, 2h, 3m, 4s|1:2:3:4:567|1d, 2h, 3m|"},
      {2147483647, u"24d, 20h, 31m, 23 seconds, 647 milliseconds|24d, 20h, 31m, 23s|24:20:31:23:647|24d, 20h, 31m|"},
      {-90061001, u"-1d, -25h, -1501m, -1 seconds, -1 milliseconds|-1d, -25h, -1501m, -1s|-1:-25:-1501:-1:-1|-1d, -25h, -1501m|"},
      {4294967296LL, u"49d, 17h, 2m, 47 seconds, 296 milliseconds|49d, 17h, 2m, 47s|49:17:2:47:296|49d, 17h, 2m|"},
      // clang-format on
  };
  for (const auto& row : rows) {
    Text styles;
    for (int style : {0, 1, 2, 3, 4, -1, std::numeric_limits<int>::min()}) {
      styles += format_duration(row.milliseconds, style) + (style >= 0 && style < 4 ? u"|" : u"");
    }
    EXPECT_EQ(styles, row.styles) << row.milliseconds;
  }
}

// Windows XP's 32-bit millisecond count, read now and then, widened by the
// wraps seen.
TEST(TickWidener, CountsAWrapEachTimeTheCountGoesDown) {
  constexpr std::uint64_t k2To32 = 1ULL << 32;
  const std::uint32_t reads[] = {4294967000U, 4294967295U, 5, 5, 2147483648U, 7};
  const std::uint64_t widened[] = {4294967000U, k2To32 - 1,           k2To32 + 5,
                                   k2To32 + 5,  k2To32 + 2147483648U, 2 * k2To32 + 7};
  TickWidener widener;
  for (std::size_t read = 0; read < std::size(reads); ++read) {
    EXPECT_EQ(widener.widen(reads[read]), widened[read]) << read;
  }
}

}  // namespace
}  // namespace tunelet
