// Feeds the chat command interpreter from the chat room's transcript, the
// first text box of the chat room window, while "CCOM" is checked.
//
// The transcript's lines end with CR LF. A chat line reads 'sender: message'
// with the sender in the client's mark-up ('<b>Boss</b>: /skip'); a line
// without ': ', or whose part before it holds no tag, is a notice or the
// next line of a message someone typed over several lines, and no chat line.
#pragma once

#include <optional>
#include <vector>

#include "platform/platform.h"
#include "shell/program_state.h"

namespace tunelet {

struct ChatLine {
  Text sender;   // without mark-up
  Text message;  // as received
};

// The lines that end with CR LF; a last line without one is not complete yet.
std::vector<Text> complete_lines(const Text& transcript);

std::optional<ChatLine> parse_chat_line(const Text& line);

// The lines of `now` that came after `seen`: lines may have dropped off the
// top of `seen` meanwhile, or all of it may be gone.
std::vector<Text> lines_after(const std::vector<Text>& seen, const std::vector<Text>& now);

// What the transcript holds now is history, never handed over.
void start_chat_intake(Platform& platform, ProgramState& state);

// Every second: reads the transcript and hands each new chat line, once and
// in order, to the interpreter; the program's own posts are not handed
// over. Reads nothing while one of the program's boxes is open.
void read_chat_room(Platform& platform, ProgramState& state);

}  // namespace tunelet
