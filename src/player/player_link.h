// Drives the player through its main window. Nothing is cached: every
// operation looks the window up afresh, so the player may come and go.
// Several windows may have the player's class (a player that imitates it
// keeps a hidden one whose title stays on an old song, or a second copy sits
// idle): every operation asks and reads the one taken for the player.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"
#include "platform/wait_budget.h"
#include "state/program_state.h"

namespace tunelet {

inline const Text kPlayerWindowClass = u"Winamp v1.x";

// Command identifiers posted with WM_COMMAND.
namespace player_command {
constexpr std::uint32_t kNext = 40048;
constexpr std::uint32_t kPrevious = 40044;
constexpr std::uint32_t kPlay = 40045;
constexpr std::uint32_t kPause = 40046;  // the player toggles pause
constexpr std::uint32_t kStop = 40047;
constexpr std::uint32_t kClose = 40001;
}  // namespace player_command

// Queries sent with WM_USER: the argument goes as wParam, the number as lParam.
struct PlayerQuery {
  std::uint32_t argument;
  std::int32_t number;
};
namespace player_query {
constexpr PlayerQuery kPlaylistLength{0, 124};
constexpr PlayerQuery kPlaylistPosition{0, 125};
constexpr PlayerQuery kTrackLength{1, 105};
constexpr PlayerQuery kPlayState{0, 104};  // 1 playing, 3 paused, 0 stopped or nothing loaded
}  // namespace player_query

// The player is the window the user plays, whatever its place among the
// windows of its class and whatever its title shows (a pause, a stop, its
// name and version), for as long as it is there. Another window becomes the
// player when a song starts there: its title comes to name a song it did
// not name at the last look (after a pause, a stop, its idle title or
// another song), or it appears naming one. So a window that keeps an old
// song in its title is never taken for the player.
//
// At the first look, once the player is gone, and when a song starts in a
// window (the player's own too), the windows whose titles name a song are
// asked, within the budget, whether they play: even one alone, which may be
// an imitating player's, stopped on an old song. One that says it does not
// is not taken, nor its song named, while its title names that song; one
// that does not answer in time is judged by its title. Without a window that
// plays, the first window is the player, naming no song; no window when
// there is none.
struct Player {
  WindowHandle window = kNoWindow;
  std::optional<Text> song;  // the song its title names now, while it plays
};
Player find_player(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget);

// The song the window's title names now (see song_in_title).
std::optional<Text> song_named_by(Desktop& desktop, WindowHandle window);

// Posted to the player that find_player gives; nothing without a player.
void player_next(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget);
void player_previous(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget);
void player_play(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget);
void player_pause(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget);
void player_stop(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget);
void player_close(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget);

// The player's answers, unchecked, within what is left of the budget.
Answer<std::int32_t> player_playlist_length(Desktop& desktop, WaitBudget& budget,
                                            WindowHandle player);
// As the player counts, from 0.
Answer<std::int32_t> player_playlist_position(Desktop& desktop, WaitBudget& budget,
                                              WindowHandle player);
// -1: no track, or a stream.
Answer<std::int32_t> player_track_length(Desktop& desktop, WaitBudget& budget, WindowHandle player);

}  // namespace tunelet
