// Drives the player through its main window. Nothing is cached: every
// operation looks the window up afresh, so the player may come and go.
// Several windows may have the player's class (a player that imitates it
// keeps a hidden one, or a second copy sits idle): the player is the one
// whose title names a song, and every operation asks and reads that one.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"
#include "platform/wait_budget.h"

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
}  // namespace player_query

// Of the windows of the player's class, the first whose title names a song,
// with that song; the first of them when none does; no window when there is
// none.
struct Player {
  WindowHandle window = kNoWindow;
  std::optional<Text> song;
};
Player find_player(Desktop& desktop);

// Posted to the player that find_player gives; nothing without a player.
void player_next(Desktop& desktop);
void player_previous(Desktop& desktop);
void player_play(Desktop& desktop);
void player_pause(Desktop& desktop);
void player_stop(Desktop& desktop);
void player_close(Desktop& desktop);

// The player's answers, unchecked, within what is left of the budget.
Answer<std::int32_t> player_playlist_length(Desktop& desktop, WaitBudget& budget,
                                            WindowHandle player);
// As the player counts, from 0.
Answer<std::int32_t> player_playlist_position(Desktop& desktop, WaitBudget& budget,
                                              WindowHandle player);
// -1: no track, or a stream.
Answer<std::int32_t> player_track_length(Desktop& desktop, WaitBudget& budget, WindowHandle player);

}  // namespace tunelet
