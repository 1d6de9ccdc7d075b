// Random worlds around the posting cycle. Each byte of the input is one step
// of the player's two windows, the chat room, the user or the clock; the
// title poll and the posting tick run on their timers as the clock passes.
// Throughout: a song is in the room at most once until another song played;
// no song goes out that no window played; Tunelet's line carries its own
// song's figures and never the user's draft, which is overwritten at most
// once per song; a text the user sent or cleared is not set again until
// another song played; no timer waits past its bound. At the end, a new song
// played while the room is quick is posted, once.
#include <algorithm>
#include <map>
#include <set>

#include "chat/room_text.h"
#include "fake_platform.h"
#include "fuzz_input.h"
#include "player/title_reader.h"
#include "status/posting_cycle.h"

using namespace tunelet;

namespace {

enum class Play { kPlaying, kPaused, kStopped, kStale };

// A window of the player's class: the song loaded (1 to 5, 0 none), played,
// paused or stopped, or stale: an imitating player's window that keeps an
// old song's title and says it does not play.
struct Deck {
  WindowHandle window;
  bool open = false, busy = false;  // busy: it answers 1.5 s late
  int song = 0;
  Play play = Play::kStopped;
};

Text song_name(int song) {
  return song == 0 ? Text(u"Old") : u"Tom & Jerry's " + decimal(song);
}

class World {
 public:
  World() {
    decks_[0].window = fake_.add_window(kPlayerWindowClass);  // above the player
    decks_[1] = {fake_.add_window(kPlayerWindowClass), true};
    input_ = add_chat_room(fake_) + 5;
    fake_.milliseconds = next_poll_ = next_tick_ = 1 << 30;
    fake_.during_wait = [this] { Timer1_Timer(fake_.platform, state_); };  // starts no wait
    state_.controls.Text4 = u"np:%s|%l|%z|%f";
    state_.controls.Check1 = kChecked;
    show();
  }

  // The top three bits choose who acts: the clock (0, 1: up to 1.6 s; 6, 7: up
  // to 6.4 s), a window of the player's class, the room, the user.
  void step(std::uint8_t byte) {
    const int actor = byte >> 5, p = byte & 31;
    actor == 2 || actor == 3 ? player(decks_[actor - 2], p % 8, p / 8 + 1)
    : actor == 4             ? room(p % 8)
    : actor == 5             ? user(p % 4)
                             : pass((actor < 2 ? 50 : 200) * (p + 1));
  }

  // The calm after the world: the room quick, the box cleared, "Enabled" on,
  // a new song played in the player.
  void end() {
    room(0);
    room_open_ ? void() : room(6);
    user(2);
    state_.controls.Check1 != kChecked ? user(3) : void();
    decks_[0].play = decks_[0].play == Play::kStale ? Play::kStale : Play::kStopped;
    decks_[1] = {decks_[1].window, true, false, 5, Play::kPlaying};
    starts(5);
    show();
    pass(6000);
    fuzz::require(std::count(posted_.begin(), posted_.end(), 5) == 1);
  }

 private:
  // A song starts (0), pause or play on (1), stop (2), skip (3), close (4),
  // open (5), play (6); the window above turns stale (7), the player busy.
  void player(Deck& deck, int action, int song) {
    const Play paused_or_not = deck.play == Play::kPlaying  ? Play::kPaused
                               : deck.play == Play::kPaused ? Play::kPlaying
                                                            : deck.play;
    const Play plays[] = {
        Play::kPlaying, paused_or_not, Play::kStopped, Play::kPlaying,
        deck.play,      deck.play,     Play::kPlaying, &deck == decks_ ? Play::kStale : deck.play};
    if (deck.open || action == 5) {
      deck.song = action == 0 ? song : action == 3 ? deck.song % 4 + 1 : deck.song;
      deck.song = std::max(deck.song, plays[action] == Play::kPlaying ? 1 : 0);
      deck.play = deck.play == Play::kStale && action == 2 ? deck.play : plays[action];
      deck.open = action == 4 ? false : action == 5 ? true : deck.open;
      deck.busy = deck.busy != (&deck != decks_ && action == 7);
    }
    deck.play == Play::kPlaying ? starts(deck.song) : void();
    show();
  }

  // The windows of the player's class as the decks are.
  void show() {
    for (const Deck& deck : decks_) {
      fake::FakeWindow& window = fake_.open_windows[deck.window];
      const int song = deck.play == Play::kStale ? 0 : deck.song;
      const Text states[] = {u"", u" [Paused]", u" [Stopped]", u""};
      window.class_name = deck.open ? kPlayerWindowClass : u"Closed";
      window.titles = {deck.play != Play::kStale && song == 0
                           ? u"Winamp v1.x"
                           : decimal(song) + u". " + song_name(song) + u" - Winamp" +
                                 states[static_cast<int>(deck.play)]};
      window.answers_after_ms = deck.busy ? 1500 : 0;
      for (const auto& [query, answer] :
           {std::pair{player_query::kTrackLength, song > 0 ? 61 * song : -1},
            {player_query::kPlaylistPosition, song},
            {player_query::kPlaylistLength, song > 0 ? 10 + song : 0},
            {player_query::kPlayState, deck.play == Play::kPlaying  ? 1
                                       : deck.play == Play::kPaused ? 3
                                                                    : 0}}) {
        window.answers[{query.argument, query.number}] = answer;
      }
    }
  }

  // What became of a song's text (in the room, sent or cleared by the user,
  // set over a draft) holds until another song plays: unless one plays now,
  // or the text is left from before the song last started.
  void keep(std::set<int>& songs, int song) {
    const bool another_plays =
        std::any_of(std::begin(decks_), std::end(decks_), [&](const Deck& deck) {
          return deck.open && deck.play == Play::kPlaying && deck.song != song;
        });
    another_plays || set_at_[song] < started_at_[song] ? void() : void(songs.insert(song));
  }

  // A song starts playing: it has played, and the songs before it may come again.
  void starts(int song) {
    played_.insert(song);
    started_at_[song] = fake_.milliseconds;
    for (std::set<int>* songs : {&in_room_, &done_by_user_, &set_over_draft_}) {
      const bool again = songs->count(song);
      songs->clear();
      again ? void(songs->insert(song)) : void();
    }
  }

  void room(int mode) {
    fake::FakeWindow& input = fake_.open_windows[input_];
    const std::uint32_t takes[][2] = {{0, 0},    {0, 1000},       {400, 0}, {500, 0},
                                      {1500, 0}, {fake::kHung, 0}};  // a text late; cancelled
    if (mode < 6) {
      input.answers_after_ms = takes[mode][0], input.text_after_ms = takes[mode][1];
    } else if (mode == 6) {
      room_open_ = !room_open_;
      fake_.open_windows[input_ - 5].class_name = room_open_ ? u"AIM_ChatWnd" : u"Closed";
    } else {
      own_form_ = !own_form_;
    }
  }

  Text& box() { return fake_.open_windows[input_].titles.back(); }

  // The user types a few words, presses Enter, clears the box, or clicks "Enabled".
  void user(int action) {
    fake_.user_input_at = ++fake_.milliseconds;
    const Text shown = as_the_room_shows(box());
    const int song = song_of(shown);
    if (action == 0) {
      box() += u" ~" + decimal(++drafts_);
    } else if (action == 3) {
      state_.controls.Check1 = state_.controls.Check1 == kChecked ? kUnchecked : kChecked;
    } else {
      song >= 0 && !contains(shown, u"~") ? keep(done_by_user_, song) : void();
      action == 1 && !shown.empty() ? in_room(shown, false) : void();
      box().clear();
    }
  }

  // The song whose line this is, -1 for none.
  int song_of(const Text& line) {
    for (int song = 0; song <= 5; ++song) {
      if (starts_with(line, u"np: " + song_name(song) + u"|")) {
        return song;
      }
    }
    return -1;
  }

  // A line the room sends, Tunelet's or the user's.
  void in_room(const Text& line, bool tunelets) {
    const int song = song_of(line);
    if (tunelets) {
      fuzz::require(song > 0);
      const Text own[] = {two_digits(song) + u":" + two_digits(song), decimal(song),
                          decimal(10 + song)};
      const Text none[] = {u"", u"0", u"0"};
      Text figures = line.substr(line.find(u'|'));
      for (int i = 0; i < 3; ++i) {
        const Text& expected = starts_with(figures, u"|" + own[i]) ? own[i] : none[i];
        fuzz::require(starts_with(figures, u"|" + expected));
        figures.erase(0, expected.size() + 1);
      }
      fuzz::require(figures.empty());
      posted_.push_back(song);
    }
    if (song >= 0) {
      fuzz::require(played_.count(song) && !in_room_.count(song));
      keep(in_room_, song);
    }
  }

  // The clock passes; each timer runs when it is due.
  void pass(std::uint64_t milliseconds) {
    const std::uint64_t until = fake_.milliseconds + milliseconds;
    for (;;) {
      const bool poll = next_poll_ <= next_tick_;
      std::uint64_t& due = poll ? next_poll_ : next_tick_;
      if (due > until) {
        break;
      }
      fake_.milliseconds = std::max(fake_.milliseconds, due);
      const std::uint64_t start = fake_.milliseconds;
      const std::size_t logged = fake_.log.size();
      const bool draft = contains(box(), u"~");
      (poll ? Timer2_Timer : Timer1_Timer)(fake_.platform, state_);
      fuzz::require(fake_.milliseconds - start <= kPeerWaitMs);
      due = std::max(due + (poll ? kTitlePollMs : kPostingTickMs), fake_.milliseconds);
      room_acts(logged, draft);
    }
    fake_.milliseconds = std::max(fake_.milliseconds, until);
  }

  // What the room does with the texts set and the presses of send since the
  // log's entry `from`.
  void room_acts(std::size_t from, bool draft) {
    for (std::size_t i = from; i < fake_.log.size(); ++i) {
      const std::string& entry = fake_.log[i];
      if (entry.rfind("settext", 0) == 0) {
        const Text text(entry.begin() + entry.find(' ', 8) + 1, entry.end());
        const int song = song_of(as_the_room_shows(text));
        set_at_[song] = fake_.milliseconds;
        fuzz::require(!done_by_user_.count(song));
        if (draft && box() == text) {
          fuzz::require(!set_over_draft_.count(song));
          keep(set_over_draft_, song);
        }
      }
      if (entry.rfind("notify " + std::to_string(input_ + 1) + " 514", 0) == 0) {
        const Text shown = as_the_room_shows(box());
        fuzz::require(!contains(shown, u"~"));
        shown.empty() ? void() : in_room(shown, true);
        box().clear();
      }
    }
    if (own_form_ && !box().empty() && !starts_with(box(), u"<HTML>")) {
      box() = u"<HTML><BODY>" + box() + u"</BODY></HTML>\r\n";  // as its editor writes it
    }
  }

  fake::FakePlatform fake_;
  ProgramState state_;
  Deck decks_[2];
  WindowHandle input_;
  bool room_open_ = true, own_form_ = false;
  int drafts_ = 0;
  std::uint64_t next_poll_ = 0, next_tick_ = 0;
  std::set<int> played_, in_room_, done_by_user_, set_over_draft_;  // songs
  std::map<int, std::uint64_t> started_at_, set_at_;                // its text, by Tunelet
  std::vector<int> posted_;                                         // by Tunelet
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  World world;
  for (std::size_t i = 0; i < size; ++i) {
    world.step(data[i]);
  }
  world.end();
  return 0;
}
