#include "player/title_reader.h"

#include <algorithm>

namespace tunelet {
namespace {

// A bound on the buffer asked for, far above any real title, so that a
// nonsensical length cannot overflow or exhaust memory.
constexpr std::int32_t kLongestTitle = 1 << 24;

}  // namespace

Text cut_title(const Text& title) {
  // Only the leading number goes: a '1.' later in the song's name stays. The
  // blank after it stays too, so the song begins with a blank.
  const Text::size_type blank = title.find(u' ');
  Text song = blank == Text::npos ? Text() : title.substr(blank);
  return replace_all(std::move(song), u" - Winamp", Text());
}

Text read_title(WindowSystem& windows) {
  const WindowHandle player = windows.find_window(u"winamp v1.x");
  const std::int32_t length = std::min(windows.window_text_length(player), kLongestTitle);
  if (length <= 0) {
    return Text();
  }
  Text title = windows.window_text(player, length + 1);
  if (title.size() > static_cast<std::size_t>(length)) {
    title.resize(static_cast<std::size_t>(length));
  }
  return cut_title(title);
}

void Timer2_Timer(WindowSystem& windows, ProgramState& state) {
  if (state.form.Check1 != kChecked) {
    return;
  }
  state.current_song = read_title(windows);
  const Text second = read_title(windows);
  if (second == state.current_song) {
    state.form.Text3 = read_title(windows);
  }
}

}  // namespace tunelet
