#include <gtest/gtest.h>

#include <limits>

#include "fake_platform.h"
#include "platform/tick_count.h"
#include "player/title_reader.h"
#include "status/duration_format.h"
#include "status/posting_cycle.h"
#include "status/status_template.h"

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
      {u"0. A - Winamp", u" A"}, {u"3659. A - Winamp", u" A"},  // from 0, and any width
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
  // A stream's address and its status words.
  for (const Text no_song :
       {u"3. http://radio.example:8000/ - Winamp", u"3. [Stream terminated] - Winamp",
        u"3. [Connecting] http://radio.example:8000/ - Winamp", u"3. [Buffer: 12%] S - Winamp",
        u"3. [Reading ID3] S - Winamp",
        u"3. [Stream temporarily interrupted] A - Song (S) - Winamp",
        u"3. [Error syncing to stream] S - Winamp", u"3. [No valid Multiconnect URL] S - Winamp",
        u"3. [Redirect limit exceeded] S - Winamp"}) {
    EXPECT_EQ(song_in_title(no_song), std::nullopt) << fake::narrow(no_song);
  }
}

// Scrolled in the taskbar, the player turns its title round a step every
// 200 ms, as its source writes it: each step reads as the title itself, also
// when the song's own name holds the " *** " between the turns.
TEST(TitleReading, EveryStepOfAScrolledTitleReadsAsTheTitle) {
  const Text mark = u" *** ", caption = u"12. Hip Hop *** Top Hits - Winamp";
  for (std::size_t step = 0; step < caption.size() + 3; ++step) {
    const Text shown = step < caption.size() ? caption.substr(step) + mark + caption
                                             : mark.substr(step - caption.size()) + caption + mark;
    EXPECT_EQ(song_in_title(shown), u" Hip Hop *** Top Hits") << fake::narrow(shown);
  }
}

// Stretches of posting ticks, 350 ms apart: what the player's title reads,
// read after read (the last stays), and what the peers and the user do.
struct Tick {
  std::deque<Text> titles;
  std::uint32_t player_ms = 0, chat_ms = 0;  // how long each peer takes to answer
  bool chat_refuses = false, chat_open = true, chat_hung = false, player_hung = false;
  bool user_types = false;  // a draft into the chat room's input box
  bool nested = false;      // during the wait, another program's message runs a posting tick
  int check1 = kChecked;    // "Enabled", once the title poll has run

  // clang-format off
  Tick player(std::uint32_t ms) const { Tick t = *this; t.player_ms = ms; return t; }
  Tick chat(std::uint32_t ms) const { Tick t = *this; t.chat_ms = ms; return t; }
  Tick refusing() const { Tick t = *this; t.chat_refuses = true; return t; }
  Tick no_room() const { Tick t = *this; t.chat_open = false; return t; }
  Tick hung_room() const { Tick t = *this; t.chat_hung = true; return t; }
  Tick hung_player() const { Tick t = *this; t.player_hung = true; return t; }
  Tick typing() const { Tick t = *this; t.user_types = true; return t; }
  Tick nesting() const { Tick t = *this; t.nested = true; return t; }
  Tick off() const { Tick t = *this; t.check1 = kUnchecked; return t; }
  // clang-format on
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

// The player and the chat room, with an idle window of the player's class
// above the player, as an imitating player keeps one: handles 1 (idle), 2
// (the player), 3 (the room), 4 (its transcript), 5 (its input box), 6 (send).
struct Desk {
  fake::FakePlatform fake;
  ProgramState state;
  WindowHandle player, chat, input;

  explicit Desk(const Text& status_template) {
    add_player(fake, {u"Winamp v1.x"}, -1, 0, 0);
    player = add_player(fake, {u""}, 225, 4, 17);
    chat = add_chat_room(fake);
    input = chat + 2;
    fake.milliseconds = 30ULL * 86400000 + 60000;  // past a 32-bit signed count
    fake.separator = u".";
    state.controls.Text4 = status_template;
    state.controls.Check1 = kChecked;
  }
  std::vector<std::string> typed() const {
    std::vector<std::string> texts;
    for (const std::string& entry : fake.logged({"settext 5 "})) {
      texts.push_back(entry.substr(std::string("settext 5 ").size()));
    }
    return texts;
  }
};

// The title poll once a second, then each posting tick. What was typed into
// the chat room, how often send was pressed, and how many other messages
// were sent and waited for: the player's questions, and the chat room asked
// what its input box holds.
TEST(PostingCycle, PostsEachSongOnceAsItPlays) {
  const Text kPaused = u"1. A - Winamp [Paused]", kStopped = u"1. A - Winamp [Stopped]";
  const struct {
    Text status_template;
    std::vector<Tick> ticks;
    std::vector<std::string> typed;
    std::size_t presses, waits;
    bool no_count = false;  // the player never answers for the playlist's length
  } rows[] = {
      // clang-format off
      {u"%s|%t|%d|%l|%z|%f|%u|%S|%x|100%", ticks({{4, kA}}), {" A|12:34:56|06/12/2026|03.45|4|17|30d, 0h, 1m|%S|%x|100%"}, 1, 3},
      {u"<b>np:</b>%s at %t", ticks({{4, Tick{{u"1. Tom & Jerry's \"<Live>\" %t - Winamp"}}}}), {"<b>np:</b> Tom &amp; Jerry&#39;s &quot;&lt;Live&gt;&quot; %t at 12:34:56"}, 1, 3},
      {u"%s", ticks({{4, kA}, {6, kB}, {6, kA}}), {" A", " B", " A"}, 3, 9},
      // no song playing is no new title
      {u"%s", ticks({{4, kA}, {6, Tick{{kPaused}}}, {6, kA}, {6, Tick{{kStopped}}}, {6, Tick{{u""}}}, {6, Tick{{u"Winamp v1.x"}}}, {6, Tick{{u"A - Winamp"}}}, {6, kB}}), {" A", " B"}, 2, 6},
      {u"%s", ticks({{4, Tick{{u"1. Opening song.WMA - Winamp"}}}, {6, Tick{{u"1. .wma OPENING - Winamp"}}}, {6, Tick{{u"1. Opening song.mp3 - Winamp"}}}}), {" Opening song.mp3"}, 1, 3},
      // the song changed while its figures were asked: its turn is over
      {u"%s", ticks({{3, kA}, {1, Tick{{u"1. A - Winamp", u"1. A - Winamp", u"2. B - Winamp"}}}, {6, kB}}), {" B"}, 1, 6},
      // the player lets a question go: it rests, and the song waits for the figures missing,
      // asking only for those; after 3 s it goes without them
      {u"%z/%f [%l]", ticks({{12, kA.player(350)}}), {"4/17 [03.45]"}, 1, 4},
      {u"%z/%f [%l]", ticks({{12, kA}}), {"4/0 [03.45]"}, 1, 4, true},
      {u"%z/%f [%l]", ticks({{14, kA.hung_player()}}), {"0/0 []"}, 1, 0},  // not waited for at all
      {u"%s", ticks({{4, kA.chat(700)}}), {" A"}, 1, 3},  // slow, but answering in time
      {u"%s", ticks({{4, kA.refusing()}, {2, kA}}), {" A", " A"}, 1, 3},  // the draft stays; tried again
      // a text let go lands late: set once, and pressed once the box answers that it holds it
      {u"%s", ticks({{4, kA.chat(1000)}, {6, kA}}), {" A"}, 1, 4},
      {u"%s", ticks({{4, kA.chat(1000)}, {1, kA.typing()}, {10, kA}}), {" A"}, 0, 4},  // typed over: given up
      // too slow for ten seconds: the box asked every 0.9 s unanswered + 1 s rest + up to a
      // tick, 5 times (3 questions + 5); given up, and not posted after
      {u"%s", ticks({{40, kA.chat(1500)}, {2, kA}}), {" A"}, 0, 8},
      {u"%s", ticks({{4, kA.hung_room()}, {2, kA}}), {" A"}, 1, 3},  // a hung room is not sent to
      {u"%s", ticks({{4, kA.nesting()}}), {" A"}, 1, 3},
      // "Enabled" off after each poll, and while a post waits
      {u"%s", ticks({{4, kA}, {10, kB.off()}}), {" A"}, 1, 3},
      {u"%s", ticks({{4, kA.chat(1000)}, {30, kA.off()}, {6, kA}}), {" A", " A"}, 1, 6},
      {u"%s", ticks({{4, kA.no_room()}, {4, kA}}), {}, 0, 3},  // no chat room: nothing held for later
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    Desk desk(row.status_template);
    fake::FakePlatform& fake = desk.fake;
    if (row.no_count) {
      fake.open_windows[desk.player].answers.erase(
          {player_query::kPlaylistLength.argument, player_query::kPlaylistLength.number});
    }
    std::uint64_t next_poll = 0;
    for (const Tick& tick : row.ticks) {
      fake::FakeWindow &player = fake.open_windows[desk.player],
                       &input = fake.open_windows[desk.input];
      player.titles = tick.titles;
      player.answers_after_ms = tick.player_ms;
      player.hung = tick.player_hung;
      fake.open_windows[desk.chat].class_name = tick.chat_open ? u"AIM_ChatWnd" : u"Closed";
      input.answers_after_ms = tick.chat_ms;
      input.refuses_text = tick.chat_refuses;
      input.hung = tick.chat_hung;
      input.titles = tick.user_types ? std::deque<Text>{u"my draft"} : input.titles;
      fake.during_wait = !tick.nested ? std::function<void()>() : [&] {
        fake.during_wait = nullptr;
        Timer1_Timer(fake.platform, desk.state);
      };
      desk.state.controls.Check1 = kChecked;
      if (fake.milliseconds >= next_poll) {
        Timer2_Timer(fake, desk.state);
        next_poll = fake.milliseconds + 1000;
      }
      desk.state.controls.Check1 = tick.check1;
      Timer1_Timer(fake.platform, desk.state);
      fake.milliseconds += 350;
    }
    EXPECT_EQ(desk.typed(), row.typed);
    EXPECT_EQ(fake.logged({"notify 6 513 0 0"}).size(), row.presses);
    EXPECT_EQ(fake.logged({"send", "gettext"}).size(), row.waits);
  }
}

// Songs skipped through, whatever the phase of the title poll against the
// posting ticks: the player shows A, then B for a while, then A again. B
// shown for less than a second is never announced, and A is not announced
// again; B shown for 2.5 s is announced once, at most 2.4 s after it began.
TEST(PostingCycle, ASongSkippedPastIsNeverAnnounced) {
  for (const std::uint64_t shown : {950, 2500}) {
    for (std::uint64_t phase = 0; phase < 1000; phase += 50) {
      SCOPED_TRACE(std::to_string(shown) + " ms, poll at " + std::to_string(phase));
      Desk desk(u"%s");
      const std::uint64_t start = desk.fake.milliseconds, b_from = start + 3000;
      std::uint64_t b_posted = 0;
      for (std::uint64_t now = start; now < start + 9000; now += 50) {
        desk.fake.milliseconds = now;
        desk.fake.open_windows[desk.player].titles =
            now >= b_from && now < b_from + shown ? kB.titles : kA.titles;
        if ((now - start) % 1000 == phase) {
          Timer2_Timer(desk.fake, desk.state);
        }
        if ((now - start) % 350 == 0) {
          Timer1_Timer(desk.fake.platform, desk.state);
          const std::vector<std::string> typed = desk.typed();
          b_posted = b_posted == 0 && !typed.empty() && typed.back() == " B" ? now : b_posted;
        }
      }
      const std::vector<std::string> once = {" A"}, b_between = {" A", " B", " A"};
      EXPECT_EQ(desk.typed(), shown < 1000 ? once : b_between);
      EXPECT_LE(b_posted, b_from + 2400);
    }
  }
}

// The chat room takes 1024 characters: a longer message loses the end of
// its song, in whole characters and entities, for "...".
TEST(StatusTemplate, ALongSongIsCutToWhatTheRoomTakes) {
  const Text own(1000, u'r');  // the template's own text
  const Text x20(20, u'x');
  const struct {
    Text status_template, song, message;
  } rows[] = {
      // clang-format off
      {own + u"%s", x20 + u"xxxx", own + x20 + u"xxxx"},  // 1024: as it is
      {own + u"%s", x20 + u"xxxxx", own + x20 + u"x..."},
      {own + u"%s", x20 + u"&yyyy", own + x20 + u"..."},  // "&amp;" whole or not at all
      {own + u"%s", x20 + u"\U0001F3B5yyyy", own + x20 + u"..."},  // one character, two units
      {Text(900, u'r') + u"%s|%s", Text(100, u'x'), Text(900, u'r') + Text(58, u'x') + u"...|" + Text(58, u'x') + u"..."},
      {Text(1100, u'r') + u"%s", u"x", Text(1100, u'r') + u"x"},  // the user's own long template
      // clang-format on
  };
  for (const auto& row : rows) {
    EXPECT_EQ(message_for_room(row.status_template, {{u's', row.song}, {u'u', u"1d"}}), row.message)
        << &row - rows + 1;
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
