// The posting cycle: announces every new song once in the chat room.
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// Every 350 ms: posts the status message when the title box holds a song
// other than the last one posted and "Enabled" is not off.
//
// The song, its figures and the title recorded as posted are one moment's:
// the message is composed only while the player names the song of the title
// box, before and after its figures were asked. One post waits for the
// player and the chat room together for 0.9 s at most, and not at all for
// one the system counts as hung. A text that the chat room did not take is
// tried again on later ticks, for ten seconds while its song stays in the
// title box and "Enabled" stays on; a peer that let a message go is left
// alone for a second, and a chat room that let a text go is asked something
// harmless before the text is set again, on the next tick. Send is pressed
// once, after the text was taken. No post starts while another waits.
void Timer1_Timer(Platform& platform, ProgramState& state);

}  // namespace tunelet
