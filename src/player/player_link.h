// Drives the player through its main window. Nothing is cached: every
// operation looks the window up afresh, so the player may come and go.
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

WindowHandle find_player(Desktop& desktop);

void player_next(Desktop& desktop);
void player_previous(Desktop& desktop);
void player_play(Desktop& desktop);
void player_pause(Desktop& desktop);
void player_stop(Desktop& desktop);
void player_close(Desktop& desktop);

// 0 when there is no player; nothing when the player did not answer within
// what is left of the budget; otherwise its answer, unchecked.
using PlayerAnswer = std::optional<std::int32_t>;
PlayerAnswer player_playlist_length(Desktop& desktop, WaitBudget& budget);
// As the player counts, from 0.
PlayerAnswer player_playlist_position(Desktop& desktop, WaitBudget& budget);
PlayerAnswer player_track_length(Desktop& desktop, WaitBudget& budget);  // -1: no track

}  // namespace tunelet
