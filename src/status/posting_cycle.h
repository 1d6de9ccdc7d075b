// The posting cycle: announces every new song once in the chat room.
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// The posting cycle's period.
constexpr unsigned kPostingTickMs = 350;

// Every kPostingTickMs: posts the status message when the title box holds a song
// other than the last one posted and "Enabled" is not off.
//
// The song and its figures are one moment's: the player is asked only while
// it names the title box's song, before and after. A player that lets a
// question go rests, and the song waits a while for the figures still
// missing before it goes out without them. One tick waits for the player and
// the chat room together for less than a second, and not at all for one the
// system counts as hung. The chat room is given the text only once its input
// box has answered what it holds, and gets it once: one that refused it
// gets it again, and one that let it go (it lands late, or is cancelled) is
// asked, after a rest, what its input box holds: send is pressed when it
// shows the text's words, and an empty box gets the text again, unless the
// user pressed a key or used the mouse since the text was let go (they sent
// it, or cleared it). A song the room has not taken within a few seconds of
// its composing, or whose text the user typed over, is given up. Whether
// its text was set stays with the song while "Enabled" is off. No tick
// starts inside another's wait.
void Timer1_Timer(Platform& platform, ProgramState& state);

}  // namespace tunelet
