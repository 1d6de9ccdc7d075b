#include <gtest/gtest.h>

#include "fake_platform.h"
#include "platform/screen_scale.h"
#include "platform/tick_count.h"
#include "player/title_reader.h"
#include "player/title_text.h"
#include "status/duration_format.h"
#include "status/posting_cycle.h"

namespace tunelet {
namespace {

// The player's title in each state it shows (taken from its source), and the
// song that it names.
TEST(TitleReading, NamesTheSongPlayingOrNone) {
  const std::nullopt_t kNone = std::nullopt;
  const Text kLongest = u"1. " + Text(2033, u'x') + u" - Winamp";  // turned, 4095 characters
  const struct {
    Text title;
    std::optional<Text> song;
  } rows[] = {
      // clang-format off
      {u"0. A - Winamp", u" A"}, {u"3659. A - Winamp", u" A"},  // from 0, and any width
      {u"1999 - Prince - Winamp", u" 1999 - Prince"},  // digits, but no number
      {u"5. A - winamp - WACUP", u" A - winamp"},  // the continuation's ending; case kept
      {u"2. [Live] Artist - Song - Winamp", u" [Live] Artist - Song"},
      {u"3. A *** B - Winamp", u" A *** B"}, {u" *** 1. A - Winamp", u"  *** 1. A"},  // no turn
      // a stream's address and its status words (the stand-in player shows the others)
      {u"3. http://radio.example:8000/ - Winamp", kNone}, {u"3. [Stream terminated] - Winamp", kNone},
      {u"3. [Buffer: 12%] S - Winamp", kNone}, {u"3. Connecting People - Winamp", u" Connecting People"},
      {kLongest + u" *** " + kLongest, u" " + Text(2033, u'x')},  // the longest step of a turn
      // clang-format on
  };
  for (const auto& row : rows) {
    EXPECT_EQ(song_in_title(row.title), row.song) << fake::narrow(row.title);
  }
}

// An imitating player's window whose title stays on an old song, and which
// says it does not play; every other window of the player's class says it
// plays while its title names a song.
const Text kOld = u"0. Old - Winamp";
using Titles = std::optional<std::deque<Text>>;

// Stretches of posting ticks, kPostingTickMs apart: what the player's title reads,
// read after read (the last stays), the titles of two other windows of its
// class (above it and below it; none by default), and what the peers and the
// user do.
struct Tick {
  std::deque<Text> titles;
  Titles above{}, below{};
  bool player_open = true;
  std::uint32_t player_ms = 0,
                chat_ms = 0,  // how long each peer takes to answer; fake::kHung: never
      chat_text_ms = 0;       // and the chat room to take a text, this long more
  bool chat_refuses = false, chat_open = true;
  std::optional<Text> box{};  // what the chat room's input box holds from now on
  // during the wait, another program's message runs a posting tick; a late timer delivers a
  // title poll on this tick too; the user presses a key
  bool nested = false, late_poll = false, user_acts = false;
  int check1 = kChecked;  // "Enabled", once the title poll has run

  template <typename Value>
  Tick with(Value Tick::*field, Value value) const {
    Tick tick = *this;
    tick.*field = value;
    return tick;
  }
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

// The same ticks, with the imitating player's window above or below the player.
std::vector<Tick> beside(std::vector<Tick> all, Titles Tick::*window) {
  for (Tick& tick : all) {
    tick.*window = {{kOld}};
  }
  return all;
}

// The player and the chat room, with windows of the player's class above
// and below the player, there when a tick names their titles: handles 1
// (above), 2 (the player), 3 (the room), 5 (its transcript), 8 (its input
// box), 9 (send), among the room's other windows, and 11 (below).
struct Desk {
  fake::FakePlatform fake;
  ProgramState state;
  WindowHandle above, player, chat, input, below;

  explicit Desk(const Text& status_template) {
    above = add_player(fake, {u""}, -1, 0, 0, 0);
    player = add_player(fake, {u""}, 225, 4, 17);
    chat = add_chat_room(fake);
    below = add_player(fake, {u""}, -1, 0, 0, 0);
    input = chat + 5;
    fake.milliseconds = 30ULL * 86400000 + 60000;  // past a 32-bit signed count
    fake.separator = u".";
    state.controls.Text4 = status_template;
  }
  std::vector<std::string> typed() const {  // into any window
    std::vector<std::string> texts;
    for (const std::string& entry : fake.logged({"settext"})) {
      texts.push_back(entry.substr(entry.find(' ', std::string("settext ").size()) + 1));
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
  const Tick kIdle{{u"Winamp v1.x"}},
      kIdle2 = kA.with(&Tick::below, Titles{{u"Winamp v1.x"}}),
      kB2 = kA.with(&Tick::below, Titles{{u"2. B - Winamp"}}),
      kStopped2 = kIdle2.with(&Tick::below, Titles{{u"2. B - Winamp [Stopped]"}});
  const std::optional<Text> kAdded = u" A and more", kEmpty = u"<p> </p>",
                            kRoomsForm = u"<P>A<BR>&amp; co</P>\r\n";
  const struct {
    Text status_template;
    std::vector<Tick> ticks;
    std::vector<std::string> typed;
    std::size_t presses, waits;
    bool no_count = false;  // the player never answers for the playlist's length
  } rows[] = {
      // clang-format off
      {u"%s|%t|%d|%l|%z|%f|%u|%S|%x|100%", beside(ticks({{4, kA}}), &Tick::above), {" A|12:34:56|06/12/2026|03.45|4|17|30d, 0h, 1m|%S|%x|100%"}, 1, 6},
      // polls 1050 ms apart, at ticks 0, 3, 6, 9: B shown 0.7 s is read by one poll and never
      // announced, and A is not announced again; B shown 1.75 s is read by two and announced
      {u"%s", ticks({{5, kA}, {2, kB}, {6, kA}}), {" A"}, 1, 7},
      {u"%s", ticks({{5, kA}, {5, kB}, {6, kA}}), {" A", " B", " A"}, 3, 15},
      // B shown 0.7 s is read by two polls that a late timer delivers 350 ms apart
      {u"%s", ticks({{5, kA}, {2, kB.with(&Tick::late_poll, true)}, {6, kA}}), {" A"}, 1, 7},
      // a window of the player's class whose title stays on an old song, and which says it does
      // not play: below the player, it is never taken for it; nor above it at the start, nor
      // once the player closed; a player that opens already playing is the player
      {u"%s", beside(ticks({{4, kA}, {6, Tick{{kPaused}}}, {6, kA}, {6, Tick{{kStopped}}}, {6, kB}}), &Tick::below), {" A", " B"}, 2, 11},
      {u"%s", beside(ticks({{4, kA}, {6, kB}}), &Tick::above), {" A", " B"}, 2, 11},
      {u"%s", beside(ticks({{4, kA}, {6, kA.with(&Tick::player_open, false)}, {6, kB}}), &Tick::below), {" A", " B"}, 2, 11},
      // the imitating window alone, idle, then naming its old song: it does not play, and B does
      {u"%s", ticks({{3, kIdle.with(&Tick::player_open, false).with(&Tick::above, Titles{{u"Winamp v1.x"}})}, {6, kIdle.with(&Tick::player_open, false).with(&Tick::above, Titles{{kOld}})}, {6, kB.with(&Tick::above, Titles{{kOld}})}}), {" B"}, 1, 6},
      // a second player plays B, both stop, and A plays again in the first
      {u"%s", ticks({{4, kIdle2}, {6, kB2}, {6, kStopped2.with(&Tick::titles, {kStopped})}, {6, kStopped2}}), {" A", " B", " A"}, 3, 15},
      // no song playing is no new title
      {u"%s", ticks({{4, kA}, {6, Tick{{kPaused}}}, {6, kA}, {6, Tick{{kStopped}}}, {6, Tick{{u""}}}, {6, Tick{{u"Winamp v1.x"}}}, {6, Tick{{u"A - Winamp"}}}, {6, kB}}), {" A", " B"}, 2, 12},
      {u"%s", ticks({{4, Tick{{u"1. Opening song.WMA - Winamp"}}}, {6, Tick{{u"1. .wma OPENING - Winamp"}}}, {6, Tick{{u"1. Opening song.mp3 - Winamp"}}}}), {" Opening song.mp3"}, 1, 7},
      // paused as its figures were asked, and still when asked again: announced once it plays on
      {u"%s", ticks({{3, kA}, {1, Tick{{u"1. A - Winamp", u"1. A - Winamp", kPaused}}}, {6, Tick{{kPaused}}}, {4, kA}}), {" A"}, 1, 9},
      // the song changed while its figures were asked: its turn is over
      {u"%s", ticks({{3, kA}, {1, Tick{{u"1. A - Winamp", u"1. A - Winamp", u"2. B - Winamp"}}}, {6, kB}}), {" B"}, 1, 9},
      // the player lets a question go: it rests, and the song waits for the figures missing,
      // asking only for those; after 3 s it goes without them
      {u"%z/%f [%l]", ticks({{12, kA.with(&Tick::player_ms, 350u)}}), {"4/17 [03.45]"}, 1, 6},
      {u"%z/%f [%l]", ticks({{12, kA}}), {"4/0 [03.45]"}, 1, 6, true},
      // composed after 3 s of waiting for the figures, the text given up 10 s after that
      {u"%z/%f [%l]", ticks({{19, kA.with(&Tick::chat_ms, 1500u)}, {10, kA}}), {"4/0 [03.45]"}, 1, 10, true},
      {u"%z/%f [%l]", ticks({{14, kA.with(&Tick::player_ms, fake::kHung)}}), {"0/0 []"}, 1, 1},  // not waited for at all
      {u"%s", ticks({{4, kA.with(&Tick::chat_ms, 400u)}}), {" A"}, 1, 5},  // slow, but answering in time
      {u"%s", ticks({{4, kA.with(&Tick::chat_refuses, true)}, {2, kA}}), {" A", " A"}, 1, 6},  // the draft stays; tried again
      // a text let go lands late: set once, and pressed once the box answers that it holds it
      {u"%s", ticks({{4, kA.with(&Tick::chat_text_ms, 1000u)}, {6, kA}}), {" A"}, 1, 6},
      // given up when the user typed over it or added words; sent when the box gives the
      // same words back in its own HTML form; set again when it is empty (the text was
      // cancelled), unless the user acted since it was let go (they sent it, or cleared it)
      {u"%s", ticks({{4, kA.with(&Tick::chat_text_ms, 1000u)}, {1, kA.with(&Tick::box, kAdded)}, {10, kA}}), {" A"}, 0, 6},
      {u"%s & co", ticks({{4, kA.with(&Tick::chat_text_ms, 1000u)}, {1, kA.with(&Tick::box, kRoomsForm)}, {6, kA}}), {" A & co"}, 1, 6},
      {u"%s", ticks({{4, kA.with(&Tick::chat_text_ms, 1000u)}, {1, kA.with(&Tick::box, kEmpty)}, {6, kA}}), {" A", " A"}, 1, 6},
      {u"%s", ticks({{4, kA.with(&Tick::chat_text_ms, 1000u)}, {1, kA.with(&Tick::box, kEmpty).with(&Tick::user_acts, true)}, {10, kA}}), {" A"}, 0, 6},
      // a room slow at every message is given no text: the user's draft stays; too slow for ten
      // seconds, the song is given up, and not posted after; quick again sooner, it is sent once
      {u"%s", ticks({{40, kA.with(&Tick::chat_ms, 1500u)}, {2, kA}}), {}, 0, 10},
      {u"%s", ticks({{10, kA.with(&Tick::chat_ms, 1500u)}, {4, kA}}), {" A"}, 1, 8},
      {u"%s", ticks({{4, kA.with(&Tick::chat_ms, fake::kHung)}, {2, kA}}), {" A"}, 1, 5},  // a hung room is not sent to
      {u"%s", ticks({{4, kA.with(&Tick::nested, true)}}), {" A"}, 1, 5},
      // "Enabled" off after each poll, and while a post waits
      {u"%s", ticks({{4, kA}, {10, kB.with(&Tick::check1, kUnchecked)}}), {" A"}, 1, 6},
      {u"%s", ticks({{4, kA.with(&Tick::chat_text_ms, 1000u)}, {6, kA.with(&Tick::check1, kUnchecked)}, {6, kA}}), {" A"}, 1, 6},
      {u"%s", ticks({{4, kA.with(&Tick::chat_open, false)}, {4, kA}}), {}, 0, 4},  // no chat room: nothing held for later
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
      for (const auto& [window, titles] : {std::pair{desk.above, tick.above},
                                           {desk.below, tick.below},
                                           {desk.player, std::optional(tick.titles)}}) {
        const bool there = titles && (window != desk.player || tick.player_open);
        fake.open_windows[window].class_name = there ? kPlayerWindowClass : u"Closed";
        fake.open_windows[window].titles = titles.value_or(std::deque<Text>{u""});
        fake.open_windows[window]
            .answers[{player_query::kPlayState.argument, player_query::kPlayState.number}] =
            titles && song_in_title(titles->back()) && titles->back() != kOld;
      }
      fake.user_input_at = tick.user_acts ? fake.milliseconds : fake.user_input_at;
      player.answers_after_ms = tick.player_ms;
      fake.open_windows[desk.chat].class_name = tick.chat_open ? u"AIM_ChatWnd" : u"Closed";
      input.answers_after_ms = tick.chat_ms;
      input.text_after_ms = tick.chat_text_ms;
      input.refuses_text = tick.chat_refuses;
      input.titles = tick.box ? std::deque<Text>{*tick.box} : input.titles;
      fake.during_wait = !tick.nested ? std::function<void()>() : [&] {
        fake.during_wait = nullptr;
        Timer1_Timer(fake.platform, desk.state);
      };
      desk.state.controls.Check1 = kChecked;
      if (tick.late_poll || fake.milliseconds >= next_poll) {
        Timer2_Timer(fake.platform, desk.state);
        next_poll = fake.milliseconds + kTitlePollMs;
      }
      desk.state.controls.Check1 = tick.check1;
      Timer1_Timer(fake.platform, desk.state);
      fake.milliseconds += kPostingTickMs;
    }
    EXPECT_EQ(desk.typed(), row.typed);
    EXPECT_EQ(fake.logged({"notify 9 513 0 0", "notify 9 514 0 0"}).size(), 2 * row.presses);
    EXPECT_EQ(fake.logged({"notify"}).size(), 2 * row.presses);  // none to another window
    EXPECT_EQ(fake.logged({"send", "gettext"}).size(), row.waits);
  }
}

// The uptime as "%u" shows it (style 3), across a signed 32-bit count's
// range: days and hours are taken away only when positive; and the two
// wordier styles.
TEST(FormatDuration, Uptime) {
  const std::tuple<std::int64_t, int, Text> rows[] = {
      // clang-format off
      {0, 3, u"0d, 0h, 0m"}, {3599999, 3, u"0d, 0h, 59m"}, {86400000, 3, u"1d, 0h, 0m"}, {2147483647, 3, u"24d, 20h, 31m"},
      {-90061001, 3, u"-1d, -25h, -1501m"}, {-2147483648LL, 3, u"-24d, -596h, -35791m"},
      {93784567, 0, u"1d, 2h, 3m, 4 seconds, 567 milliseconds"}, {93784567, 1, u"1d, 2h, 3m, 4s"},
      // clang-format on
  };
  for (const auto& [milliseconds, style, shown] : rows) {
    EXPECT_EQ(format_duration(milliseconds, style), shown) << milliseconds;
  }
}

// The system's count as the test gives it: the 64-bit one where there is
// one; else the 32-bit one, read now and then, widened by the wraps seen.
std::uint64_t count64 = 0;
std::uint32_t count32 = 0;

TEST(TickCount, TheSixtyFourBitCountOrXpsWidened) {
  count64 = 1ULL << 40;
  EXPECT_EQ(TickCount([] { return count64; }, [] { return count32; }).now(), count64);
  TickCount xp(nullptr, [] { return count32; });
  for (const std::uint32_t kept : {4294967000U, 5U, 5U, 2147483648U, 7U}) {  // a few times a wrap
    count32 = kept;
    xp.keep_wrap_count();
  }
  EXPECT_EQ(xp.now(), (2ULL << 32) + 7);
}

// A window shown at 192 dpi on a monitor at 144, on a screen at 120: its
// scale, and the small icon's size at it, on each Windows by what it offers.
TEST(ScreenScale, TheWindowsOwnElseItsMonitorsElseTheScreens) {
  const auto own = [](ScreenScale::Window) { return 192u; };
  const auto monitor = [](ScreenScale::Window) { return 144u; };
  const auto metric_for_dpi = [](int, unsigned dpi) { return static_cast<int>(16 * dpi / 96); };
  const auto screen = [] { return 120u; };
  const auto metric = [](int) { return 20; };  // at the screen's 120 dpi
  const struct {
    ScreenScale::Lookups lookups;
    int dpi, small_icon;
  } rows[] = {
      {{nullptr, nullptr, nullptr, screen, metric}, 120, 20},     // Windows XP to 8
      {{nullptr, monitor, nullptr, screen, metric}, 144, 24},     // 8.1
      {{own, monitor, metric_for_dpi, screen, metric}, 192, 32},  // 10
  };
  for (const auto& row : rows) {
    const ScreenScale scale(row.lookups);
    const int dpi = scale.window_dpi(7);
    EXPECT_EQ(std::pair(dpi, scale.system_metric(49, dpi)), std::pair(row.dpi, row.small_icon));
  }
}

}  // namespace
}  // namespace tunelet
