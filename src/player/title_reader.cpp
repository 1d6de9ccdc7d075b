#include "player/title_reader.h"

namespace tunelet {

Text unscroll_title(const Text& title) {
  // The scrolled text is the title and " *** " turned round: read twice over,
  // the whole title follows the first "*** ", five characters short of the
  // turn. A song whose own name holds "***" gives no title ending so.
  const Text twice = title + title;
  const Text::size_type marker = twice.find(u"*** ");
  if (title.size() < 5 || marker == Text::npos) {
    return title;
  }
  const Text unscrolled = twice.substr(marker + 4, title.size() - 5);
  const Text tail = u" - Winamp";
  const bool ends_so = unscrolled.size() >= tail.size() &&
                       unscrolled.compare(unscrolled.size() - tail.size(), tail.size(), tail) == 0;
  return ends_so ? unscrolled : title;
}

Text cut_title(const Text& title) {
  // Only the leading number goes: a '1.' later in the song's name stays. The
  // blank after it stays too, so the song begins with a blank.
  const Text::size_type blank = title.find(u' ');
  Text song = blank == Text::npos ? Text() : title.substr(blank);
  return replace_all(std::move(song), u" - Winamp", Text());
}

Text read_title(Desktop& desktop) {
  return cut_title(unscroll_title(desktop.window_title(desktop.find_window(u"winamp v1.x"))));
}

void Timer2_Timer(Desktop& desktop, ProgramState& state) {
  if (state.controls.Check1 != kChecked) {
    return;
  }
  state.current_song = read_title(desktop);
  const Text second = read_title(desktop);
  if (second == state.current_song) {
    // The song and the title box from the same read, so that a post never
    // announces one song under the other's title.
    state.current_song = state.controls.Text3 = read_title(desktop);
  }
}

}  // namespace tunelet
