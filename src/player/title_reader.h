// Reads the song that the player is playing from its window title, and the
// once-a-second title poll that publishes it.
#pragma once

#include <optional>

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// The song a player's title names: '12. Artist - Title - Winamp' reads
// ' Artist - Title', and so does 'Artist - Title - Winamp' (the entry number
// switched off). Nothing when the title names no song playing: paused or
// stopped, no player, the player idle under its name and version, or a
// stream's address or status ('[Connecting] ...', '[Buffer: 37%] ...').
std::optional<Text> song_in_title(const Text& title);

// The player can scroll its title in the taskbar, turning it round a step
// every 200 ms: 'tist - Song - Winamp *** 12. Artist - Song - Winamp' reads
// '12. Artist - Song - Winamp'. A title that is no such step stays as it is;
// one that reads as a step of several captions reads as the shortest.
Text unscroll_title(const Text& title);

// The title poll's period.
constexpr unsigned kTitlePollMs = 1000;

// Every kTitlePollMs, while "Enabled" is checked: a song that the player names at
// polls at least 0.9 s apart, by the clock, becomes the title box, so that
// one skipped past within a second is never announced, even when a late
// timer delivers two polls close together. A title that names no song
// leaves the box as it is, so the song that plays on after a pause, or
// after the player was closed and started again, is no new title.
void Timer2_Timer(Platform& platform, ProgramState& state);

}  // namespace tunelet
