// Reads the song that the player is playing from its window title, and the
// once-a-second title poll that publishes it.
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// The player's title cut down to the song: '12. Artist - Title - Winamp'
// reads ' Artist - Title'. Empty without a player window.
Text read_title(Desktop& desktop);

// The player can scroll its title in the taskbar: 'tist - Song - Winamp *** 12. Ar'
// then reads as '12. Artist - Song - Winamp'. Any other title stays as it is.
Text unscroll_title(const Text& title);

// The title cut alone: drops the leading playlist number (the first word)
// and every " - Winamp". A title without a blank is all number: empty.
Text cut_title(const Text& title);

// Every 1000 ms: while "Enabled" is checked, the current song is read; when a
// second read agrees, a third read becomes both the song and the title box.
void Timer2_Timer(Desktop& desktop, ProgramState& state);

}  // namespace tunelet
