#include "chat/chat_commands.h"

#include "player/player_link.h"

namespace tunelet {
namespace {

struct ChatCommand {
  const char16_t* text;
  void (*player_command)(Desktop&, PlayerWindows&, WaitBudget&);
  bool ends_program;
};

// Looked up in this order, whole and exact: no blanks trimmed, no case folded.
const ChatCommand kChatCommands[] = {
    {u"/skip", player_next, false},   {u"/prev", player_previous, false},
    {u"/pause", player_pause, false}, {u"/unpause", player_pause, false},  // the player toggles
    {u"/play", player_play, false},   {u"/stop", player_stop, false},
    {u"/exit", player_close, true},
};

}  // namespace

Text StripHTML(const Text& text) {
  Text work = text;
  for (Text::size_type open = work.find(u'<'); open != Text::npos; open = work.find(u'<', open)) {
    const Text::size_type close = work.find(u'>', open + 1);
    // Without a '>' the '<' and the character after it go (only the '<' when it is last).
    work.erase(open, close == Text::npos ? 2 : close - open + 1);
  }
  return work;
}

void interpret_chat_line(Platform& platform, ProgramState& state, const Text& sender,
                         const Text& message, void (*Hitit)()) {
  platform.runtime.message_box(sender + u":" + message, kPlainBox, std::nullopt);
  if (sender != state.master_operator) {
    return;
  }
  const Text command = StripHTML(message);
  for (const ChatCommand& known : kChatCommands) {
    if (command == known.text) {
      WaitBudget budget(platform.clock, state.waiting_for_peer);
      known.player_command(platform.desktop, state.player_windows, budget);
      if (known.ends_program) {
        Hitit();
      }
      return;
    }
  }
}

void Check4_Click(Platform& platform, ProgramState& state) {
  if (state.controls.Check4 != kChecked) {
    return;
  }
  state.master_operator = platform.runtime.input_box(u"Master operator of ccom?", u"Enter your SN");
}

}  // namespace tunelet
