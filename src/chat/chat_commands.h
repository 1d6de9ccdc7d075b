// Chat commands ("CCOM"): one participant of the chat room, the master
// operator, drives the player with slash commands such as "/skip". Built but
// dormant: nothing reads the chat room, so no line reaches the interpreter
// and no participant can drive the player.
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// The text with every stretch from a '<' to the first '>' after it removed,
// scanning left to right. A '<' with no '>' after it goes together with the
// one character that follows it.
Text StripHTML(const Text& text);

// One line from the chat room: shown in a box as 'sender:message'; when the
// sender is the master operator, the message, stripped of its mark-up, is
// looked up among the commands and carried out. "/exit" closes the player
// and ends the program through its exit, `Hitit`.
void interpret_chat_line(Platform& platform, ProgramState& state, const Text& sender,
                         const Text& message, void (*Hitit)());

// The "CCOM" switch changed: checked, it asks for the master operator's
// screen name (Cancel clears it).
void Check4_Click(Platform& platform, ProgramState& state);

}  // namespace tunelet
