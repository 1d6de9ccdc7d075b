// The song a player's window title names, read from the title as the
// player writes it: numbered or not, paused or stopped, idle, a stream's
// stages, or turned round in the taskbar.
#pragma once

#include <optional>

#include "platform/text.h"

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

}  // namespace tunelet
