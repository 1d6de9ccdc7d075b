#include "player/title_reader.h"

namespace tunelet {

Text cut_title(const Text& title) {
  // Only the leading number goes: a '1.' later in the song's name stays. The
  // blank after it stays too, so the song begins with a blank.
  const Text::size_type blank = title.find(u' ');
  Text song = blank == Text::npos ? Text() : title.substr(blank);
  return replace_all(std::move(song), u" - Winamp", Text());
}

Text read_title(WindowSystem& windows) {
  return cut_title(windows.window_title(windows.find_window(u"winamp v1.x")));
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
