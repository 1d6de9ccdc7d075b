#include <gtest/gtest.h>

#include <limits>

#include "fake_platform.h"
#include "platform/tick_count.h"
#include "player/title_reader.h"
#include "status/duration_format.h"
#include "status/posting_cycle.h"

namespace tunelet {
namespace {

// The player's title in each state it shows (taken from its source), and the
// song that it names.
TEST(TitleReading, NamesTheSongPlayingOrNone) {
  const struct {
    Text title;
    std::optional<Text> song;
  } rows[] = {
      // clang-format off
      {u"12. Artist - Title - Winamp", u" Artist - Title"},
      {u"Artist Name - Third - Winamp", u" Artist Name - Third"},  // the number switched off
      {u"0. A - Winamp", u" A"}, {u"3651. A - Winamp", u" A"},  // from 0, and any width
      {u"1999 - Prince - Winamp", u" 1999 - Prince"},  // digits, but no number
      {u"1. Track 1. Remix - Winamp", u" Track 1. Remix"},
      {u"5. A - winamp - WACUP", u" A - winamp"},  // the continuation's ending; case kept
      {u"2. [Live] Artist - Song - Winamp", u" [Live] Artist - Song"},
      {u"3. A *** B - Winamp", u" A *** B"}, {u" *** 1. A - Winamp", u"  *** 1. A"},  // no turn
      // clang-format on
  };
  for (const auto& row : rows) {
    EXPECT_EQ(song_in_title(row.title), row.song) << fake::narrow(row.title);
  }
  // Paused, stopped, no player, idle (the player's name and version, or an
  // imitating player's class), a stream's address and its status words.
  for (const Text no_song :
       {u"12. Artist - Title - Winamp [Paused]", u"12. Artist - Title - Winamp [Stopped]", u"",
        u"Winamp 5.9.2 Build 10042", u"Winamp v1.x", u"3. http://radio.example:8000/ - Winamp",
        u"3. [Connecting] http://radio.example:8000/ - Winamp",
        u"3. [Buffer: 12%] Station - Winamp", u"3. [Reading ID3] Station - Winamp",
        u"3. [Stream terminated] - Winamp",
        u"3. [Stream temporarily interrupted] Artist - Song (Station) - Winamp"}) {
    EXPECT_EQ(song_in_title(no_song), std::nullopt) << fake::narrow(no_song);
  }
}

// Scrolled in the taskbar, the player turns its title round a step every
// 200 ms, as its source writes it: each step reads as the title itself.
TEST(TitleReading, EveryStepOfAScrolledTitleReadsAsTheTitle) {
  const Text mark = u" *** ";
  for (const auto& [caption, song] : {std::pair{Text(u"12. Scroll Artist - Scroll Song - Winamp"),
                                                Text(u" Scroll Artist - Scroll Song")},
                                      {Text(u"1. A *** B - Winamp [Paused]"), Text()}}) {
    for (std::size_t step = 0; step < caption.size() + 3; ++step) {
      const Text shown = step < caption.size()
                             ? caption.substr(step) + mark + caption
                             : mark.substr(step - caption.size()) + caption + mark;
      EXPECT_EQ(song_in_title(shown).value_or(Text()), song) << fake::narrow(shown);
    }
  }
}

// A tick of both timers: what the player's title reads, read after read (the
// last stays), and what the chat room does.
struct Tick {
  std::deque<Text> titles;
  std::uint32_t chat_ms = 0;  // how long the chat room takes to answer
  bool chat_refuses = false, chat_open = true;
  int check1 = kChecked;  // "Enabled", once the title poll has run

  Tick chat(std::uint32_t ms) const { return Tick{titles, ms}; }
  Tick refusing() const { return Tick{titles, 0, true}; }
  Tick no_room() const { return Tick{titles, 0, false, false}; }
  Tick off() const { return Tick{titles, 0, false, true, kUnchecked}; }
};
const Tick kA{{u"1. A - Winamp"}}, kB{{u"2. B - Winamp"}};
// Runs of ticks alike, one after the other.
std::vector<Tick> ticks(std::initializer_list<std::pair<std::size_t, Tick>> runs) {
  std::vector<Tick> all;
  for (const auto& [times, tick] : runs) {
    all.insert(all.end(), times, tick);
  }
  return all;
}

enum class Player { kAnswers, kSlow, kNoCount, kHung };

// Ticks 350 ms apart: the title poll, then the posting cycle. What was typed
// into the chat room, how often send was pressed, and how many other messages
// were sent and waited for: the player's questions, and whether the chat room
// answers at all.
TEST(PostingCycle, PostsEachSongOnceAsItPlays) {
  const struct {
    Text status_template;
    std::vector<Tick> ticks;
    std::vector<std::string> typed;
    std::size_t presses, waits;
    Player player = Player::kAnswers;
  } rows[] = {
      // clang-format off
      {u"%s|%t|%d|%l|%z|%f|%u|%S|%x|100%", {kA}, {" A|12:34:56|06/12/2026|03.45|4|17|30d, 0h, 1m|%S|%x|100%"}, 1, 3},
      {u"<b>np:</b>%s at %t", {Tick{{u"1. Tom & Jerry <Live> %t - Winamp"}}}, {"<b>np:</b> Tom &amp; Jerry &lt;Live&gt; %t at 12:34:56"}, 1, 3},
      {u"%z/%f [%l]", {kA, kA}, {"0/0 []"}, 1, 3, Player::kNoCount},
      {u"%z/%f [%l]", {kA}, {"0/0 []"}, 1, 0, Player::kHung},  // not waited for at all
      // too slow: absent, and left alone for a second
      {u"%z/%f [%l]", {kA, kA, kB, kB, kB, kA, kA}, {"0/0 []", "0/0 []", "0/0 []"}, 3, 2, Player::kSlow},
      {u"%s", {kA, kB, kB, kA}, {" A", " B", " A"}, 3, 9},
      // the poll takes a song once two reads agree, and then the third read
      {u"%s", {Tick{{u"1. A - Winamp", u"2. B - Winamp", u"1. A - Winamp"}}, Tick{{u"1. A - Winamp", u"1. A - Winamp", u"2. B - Winamp"}}}, {" B"}, 1, 3},
      // no song playing is no new title
      {u"%s", {kA, Tick{{u"1. A - Winamp [Paused]"}}, kA, Tick{{u"1. A - Winamp [Stopped]"}}, Tick{{u""}}, Tick{{u"Winamp v1.x"}}, Tick{{u"A - Winamp"}}, kB}, {" A", " B"}, 2, 6},
      {u"%s", {Tick{{u"1. Opening song.WMA - Winamp"}}, Tick{{u"1. .wma OPENING - Winamp"}}, Tick{{u"1. Opening song.mp3 - Winamp"}}}, {" Opening song.mp3"}, 1, 3},
      // the song changed while its figures were asked: its turn is over
      {u"%s", {Tick{{u"1. A - Winamp", u"1. A - Winamp", u"1. A - Winamp", u"1. A - Winamp", u"2. B - Winamp"}}, kB}, {" B"}, 1, 6},
      // reads that disagree while the chat room rests: the song posted is the one playing
      {u"%s", {kA.chat(1000), kB, Tick{{u"3. C - Winamp", u"2. B - Winamp"}}, kB}, {" A", " B"}, 1, 6},
      {u"%s", {kA.chat(700)}, {" A"}, 1, 3},  // slow, but answering in time
      // a chat room that let the text go or refused it gets it again, pressed once; one
      // that let it go is first left alone a second, then asked once (3 questions + 1)
      {u"%s", {kA.chat(1000), kA, kA, kA, kA}, {" A", " A"}, 1, 4},
      {u"%s", {kA.refusing(), kA}, {" A", " A"}, 1, 3},
      {u"%s", ticks({{1, kA}, {1, kB.chat(1000)}, {40, kA}, {5, kB}}), {" A", " B", " B"}, 2, 9},  // B is over when A is back
      // too slow for ten seconds: the text set once, then the room asked every 0.9 s unanswered
      // + 1 s rest + up to a tick, 5 times (3 questions + 5); given up, and not posted after
      {u"%s", ticks({{30, kA.chat(1500)}, {2, kA}}), {" A"}, 0, 8},
      // "Enabled" off after the poll, and while a post waits
      {u"%s", {kA, kB.off()}, {" A"}, 1, 3},
      {u"%s", ticks({{1, kA.chat(1000)}, {30, kA.off()}, {1, kA}}), {" A", " A"}, 1, 6},
      {u"%s", {kA.no_room(), kA, kA, kA, kA}, {}, 0, 3},  // no chat room: nothing held for later
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    const WindowHandle player = add_player(fake, {u""}, 225, 4, 17);
    fake::FakeWindow& player_window = fake.open_windows[player];
    player_window.answers_after_ms = row.player == Player::kSlow ? 1000 : 0;
    player_window.hung = row.player == Player::kHung;
    if (row.player == Player::kNoCount) {
      player_window.answers.erase(
          {player_query::kPlaylistLength.argument, player_query::kPlaylistLength.number});
    }
    const WindowHandle chat = add_chat_room(fake), input = chat + 2;
    fake.milliseconds = 30ULL * 86400000 + 60000;  // past a 32-bit signed count
    fake.separator = u".";
    ProgramState state;
    state.controls.Text4 = row.status_template;
    for (const Tick& tick : row.ticks) {
      fake.open_windows[player].titles = tick.titles;
      fake.open_windows[chat].class_name = tick.chat_open ? u"AIM_ChatWnd" : u"Closed";
      fake.open_windows[input].answers_after_ms = tick.chat_ms;
      fake.open_windows[input].refuses_text = tick.chat_refuses;
      state.controls.Check1 = kChecked;
      Timer2_Timer(fake, state);
      state.controls.Check1 = tick.check1;
      Timer1_Timer(fake.platform, state);
      fake.milliseconds += 350;
    }
    std::vector<std::string> typed;
    for (const std::string& entry : fake.logged({"settext 4 "})) {
      typed.push_back(entry.substr(std::string("settext 4 ").size()));
    }
    EXPECT_EQ(typed, row.typed);
    EXPECT_EQ(fake.logged({"notify 5 513 0 0"}).size(), row.presses);
    EXPECT_EQ(fake.logged({"send"}).size(), row.waits);
  }
}

// Styles 0 to 3, joined by '|'; no other style gives any text.
TEST(FormatDuration, FourStylesAndNoOther) {
  Text styles;
  for (int style : {0, 1, 2, 3, 4, -1, std::numeric_limits<int>::min()}) {
    styles += format_duration(93784567, style) + (style >= 0 && style < 4 ? u"|" : u"");
  }
  EXPECT_EQ(styles,
            u"1d, 2h, 3m, 4 seconds, 567 milliseconds|1d, 2h, 3m, 4s|1:2:3:4:567|1d, 2h, 3m|");
}

// The system's count as the test gives it: the 64-bit one where there is
// one; else the 32-bit one, read now and then, widened by the wraps seen.
std::uint64_t count64 = 0;
std::uint32_t count32 = 0;

TEST(TickCount, TheSixtyFourBitCountOrXpsWidened) {
  count64 = 1ULL << 40;
  EXPECT_EQ(TickCount([] { return count64; }, [] { return count32; }).now(), count64);
  TickCount xp(nullptr, [] { return count32; });
  for (const std::uint32_t kept : {4294967000U, 5U, 2147483648U}) {  // read a few times a wrap
    count32 = kept;
    xp.keep_wrap_count();
  }
  count32 = 7;
  EXPECT_EQ(xp.now(), (2ULL << 32) + 7);
}

}  // namespace
}  // namespace tunelet
