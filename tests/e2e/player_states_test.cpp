// The player through the states that only its real window shows, as the
// real one writes its title: only a song that plays is announced, once,
// under its own name and characters, and the chat room shows it as its
// sender wrote it. (Each title the player shows is read in the unit tests.)
// An imitating player's hidden window, in a process of its own, stays on an
// old song and says it does not play: it is above the player at the start,
// and alone once the player is closed; the songs and their figures are the
// player's. Then the player opens again already playing, a second player
// plays another song, and the first song plays again in the first player
// once both stopped.
#include <gtest/gtest.h>

#include "e2e_support.h"

using namespace e2e;
using namespace peers;

TEST(PlayerStates, OnlyASongThatPlaysIsAnnouncedOnceByItsName) {
  ASSERT_EQ(GetACP(), 1252u);  // a Western code page: the foreign song's own text must go through
  store_settings({L"<b>np:</b>%s [%f]", L"1", nullptr});
  Process imitator(L"standin_player.exe --only stale");
  HWND stale = nullptr;
  ASSERT_TRUE(wait_until(
      [&] { return (stale = FindWindowExW(nullptr, nullptr, L"Winamp v1.x", kStaleTitle)); }));
  Session session([&](Session& peers) { peers.tell(stale, kStaleTwin, kStaleRaised); });
  std::vector<std::wstring> posted;
  const auto posts = [&](const std::wstring& song) {
    posted.push_back(L"TuneFan: np: " + song + L" [6]");
    session.wait_for_lines(posted.size());
    EXPECT_EQ(session.transcript(), posted);  // that song's line, and none before it
  };
  // What the user does to the player, and the song then announced; none: the
  // state is held for three title polls, and nothing is posted.
  const struct {
    WPARAM command;
    LPARAM value;
    const wchar_t* announced;
  } steps[] = {
      // clang-format off
      {kShow, kNumbered, L"Nightfall Radio - Slow Orbit"}, {player::kNext, 0, kForeignSong},
      {kShow, kStream, L"Stream Artist - Stream Song (Station One)"},  // address, status, song
      {kScroll, 1, nullptr}, {player::kNext, 0, L"Glass Harbour - Saturday Static"},
      {player::kPause, 0, nullptr}, {player::kPause, 0, nullptr},  // paused, and on again, scrolled
      {kScroll, 0, nullptr}, {player::kNext, 0, L"Mira Vale - Small Hours"},
      {player::kNext, 0, L"Tom & Jerry <Live>"}, {player::kNext, 0, L"AT&amp;T <b>Bold</b>"},
      // clang-format on
  };
  for (const auto& step : steps) {
    session.tell(session.player_window, step.command, step.value);
    step.announced != nullptr ? posts(step.announced) : Sleep(3000);  // held for three polls
  }

  // A stream's song longer than the room takes: the room gets as much of it
  // as fits, and "...".
  session.tell(session.player_window, kShow, kLongStream);
  ASSERT_TRUE(session.wait_for_lines(posted.size() + 1));
  const std::wstring line = session.transcript().back(), shown = L"TuneFan: np: ";
  const std::size_t cut = line.size() - shown.size() - std::wstring(L"... [6]").size();
  EXPECT_EQ(line, shown + long_stream_song().substr(0, cut) + L"... [6]");
  EXPECT_GT(cut, 900u);
  posted = session.transcript();

  HWND first = session.player_window;
  session.tell(first, player::kClose);
  ASSERT_TRUE(wait_until([&] { return !IsWindow(first); }));
  Sleep(3000);  // held while three title polls read the old song alone
  first = session.start_player();
  posts(kPlaylist[0].name);
  Process second_player(L"standin_player.exe");
  const HWND second = find(L"Winamp v1.x", nullptr, 10000, first);
  session.tell(second, player::kNext);
  posts(kPlaylist[1].name);
  session.tell(second, player::kStop);
  session.tell(first, player::kStop);
  Sleep(3000);  // both held stopped while three title polls read them
  session.tell(first, player::kPlay);
  posts(kPlaylist[0].name);
}
