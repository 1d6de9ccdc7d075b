#include "chat/chat_intake.h"

#include <algorithm>

#include "chat/chat_commands.h"
#include "chat/chat_poster.h"

namespace tunelet {
namespace {

// The transcript's complete lines; nothing when there is no chat room or it
// does not answer in time.
std::optional<std::vector<Text>> read_transcript(WindowSystem& windows) {
  const WindowHandle chat = windows.find_window(kChatWindowClass);
  if (chat == kNoWindow) {
    return std::nullopt;
  }
  const std::optional<Text> text =
      windows.ask_window_text(windows.find_child_window(chat, kNoWindow, kChatTextBoxClass));
  if (!text) {
    return std::nullopt;
  }
  return complete_lines(*text);
}

}  // namespace

std::vector<Text> complete_lines(const Text& transcript) {
  std::vector<Text> lines;
  Text::size_type start = 0;
  for (Text::size_type end; (end = transcript.find(u"\r\n", start)) != Text::npos;
       start = end + 2) {
    lines.push_back(transcript.substr(start, end - start));
  }
  return lines;
}

std::optional<ChatLine> parse_chat_line(const Text& line) {
  const Text::size_type colon = line.find(u": ");
  if (colon == Text::npos) {
    return std::nullopt;
  }
  const Text head = line.substr(0, colon);
  const Text::size_type tag = head.find(u'<');
  if (tag == Text::npos || head.find(u'>', tag) == Text::npos) {
    return std::nullopt;
  }
  return ChatLine{StripHTML(head), line.substr(colon + 2)};
}

std::vector<Text> lines_after(const std::vector<Text>& seen, const std::vector<Text>& now) {
  // The longest end of `seen` that `now` begins with is what both share.
  for (std::size_t dropped = 0; dropped < seen.size(); ++dropped) {
    const std::size_t shared = seen.size() - dropped;
    if (shared <= now.size() && std::equal(seen.begin() + dropped, seen.end(), now.begin())) {
      return std::vector<Text>(now.begin() + shared, now.end());
    }
  }
  return now;
}

void start_chat_intake(Platform& platform, ProgramState& state) {
  state.seen_chat_lines = read_transcript(platform.windows);
}

void read_chat_room(Platform& platform, ProgramState& state) {
  if (state.form.Check4 != kChecked) {
    state.seen_chat_lines.reset();
    return;
  }
  if (platform.form.modal_open()) {
    return;  // lines that come meanwhile are handed over after the box
  }
  std::optional<std::vector<Text>> now = read_transcript(platform.windows);
  if (!now) {
    return;
  }
  if (!state.seen_chat_lines) {
    state.seen_chat_lines = std::move(now);
    return;
  }
  const std::vector<Text> fresh = lines_after(*state.seen_chat_lines, *now);
  state.seen_chat_lines = std::move(now);
  for (const Text& line : fresh) {
    const std::optional<ChatLine> chat_line = parse_chat_line(line);
    if (chat_line && chat_line->message != state.form.status_message) {
      interpret_chat_line(platform, state, chat_line->sender, chat_line->message);
    }
  }
}

}  // namespace tunelet
