// The player through the states that only its real window shows, as the
// real one writes its title: only a song that plays is announced, once,
// under its own name and characters, and the chat room shows it as its
// sender wrote it. (Each title the player shows is read in the unit tests.) From the first restart
// on, an idle window of the player's class stands above the player, as an imitating player keeps
// one: the songs and their figures are the player's.
#include <gtest/gtest.h>

#include "e2e_support.h"

using namespace e2e;
using namespace peers;

TEST(PlayerStates, OnlyASongThatPlaysIsAnnouncedOnceByItsName) {
  ASSERT_EQ(GetACP(), 1252u);  // a Western code page: the foreign song's own text must go through
  store_settings({L"<b>np:</b>%s [%f]", L"1", nullptr});
  Session session;
  constexpr WPARAM kRestart = 0;  // the player closed, then started again: the same song
  // What the user does to the player, and the song then announced; none: the
  // state is held for three title polls, and nothing is posted.
  const struct {
    WPARAM command;
    LPARAM value;
    const wchar_t* announced;
  } steps[] = {
      // clang-format off
      {kShow, kNumbered, L"Nightfall Radio - Slow Orbit"},
      {player::kClose, 0, nullptr}, {kRestart, 0, nullptr}, {kIdleTwin, 1, nullptr},
      {kShow, kNumberOff, nullptr}, {player::kNext, 0, kForeignSong}, {kShow, kNumbered, nullptr},
      {kShow, kStream, L"Stream Artist - Stream Song (Station One)"},  // address, status, song
      {kScroll, 1, nullptr}, {player::kNext, 0, L"Glass Harbour - Saturday Static"},
      {player::kPause, 0, nullptr}, {player::kPause, 0, nullptr},  // paused, and on again, scrolled
      {kScroll, 0, nullptr}, {player::kNext, 0, L"Mira Vale - Small Hours"},
      {player::kNext, 0, L"Tom & Jerry <Live>"}, {player::kNext, 0, L"AT&amp;T <b>Bold</b>"},
      // clang-format on
  };
  std::vector<std::wstring> posted;
  for (const auto& step : steps) {
    step.command == kRestart ? void(session.start_player())
                             : void(session.tell(session.player_window, step.command, step.value));
    if (step.announced == nullptr) {
      Sleep(3000);  // held while three title polls read it
      continue;
    }
    posted.push_back(L"TuneFan: np: " + std::wstring(step.announced) + L" [6]");
    session.wait_for_lines(posted.size());
    EXPECT_EQ(session.transcript(), posted);  // that song's line, and none before it
  }

  // A stream's song longer than the room takes: the room gets as much of it
  // as fits, and "...".
  session.tell(session.player_window, kShow, kLongStream);
  ASSERT_TRUE(session.wait_for_lines(posted.size() + 1));
  const std::wstring line = session.transcript().back(), shown = L"TuneFan: np: ";
  const std::size_t cut = line.size() - shown.size() - std::wstring(L"... [6]").size();
  EXPECT_EQ(line, shown + long_stream_song().substr(0, cut) + L"... [6]");
  EXPECT_GT(cut, 900u);
}

// Windows of the player's class in processes of their own: an imitating
// player's hidden window that stays on an old song and says it does not
// play, above the player at the start; the player closed, and opened again
// already playing; a second player, and a song played again in the first
// once both stopped. Each song posted is the one a player plays.
TEST(PlayerWindows, TheWindowThatPlaysIsThePlayer) {
  store_settings({L"np:%s", L"1", nullptr});
  Process imitator(L"standin_player.exe --only stale");
  HWND stale = nullptr;
  ASSERT_TRUE(wait_until(
      [&] { return (stale = FindWindowExW(nullptr, nullptr, L"Winamp v1.x", kStaleTitle)); }));
  Session session([&](Session& peers) { peers.tell(stale, kStaleTwin, kStaleRaised); });
  std::vector<std::wstring> posted;
  const auto posts = [&](int entry) {
    posted.push_back(L"TuneFan: np: " + std::wstring(kPlaylist[entry].name));
    session.wait_for_lines(posted.size());
    EXPECT_EQ(session.transcript(), posted);  // that song's line, and none before it
  };
  posts(0);
  session.next_song();
  posts(1);
  HWND first = session.player_window;
  session.tell(first, player::kClose);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(first); }));
  Sleep(3000);  // held while three title polls read the old song alone
  first = session.start_player();
  posts(0);
  Process second_player(L"standin_player.exe");
  HWND second = nullptr;
  ASSERT_TRUE(wait_until([&] {
    second = find(L"Winamp v1.x");
    while (second == first || (second && !IsWindowVisible(second))) {
      second = FindWindowExW(nullptr, second, L"Winamp v1.x", nullptr);
    }
    return second != nullptr;
  }));
  session.tell(second, player::kNext);
  posts(1);
  session.tell(second, player::kStop);
  session.tell(first, player::kStop);
  Sleep(3000);  // both held stopped while three title polls read them
  session.tell(first, player::kPlay);
  posts(0);
}
