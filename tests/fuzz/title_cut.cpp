// A song from the input, in the player's title: it reads whole, whatever it
// holds (the entry's number, " - Winamp", digits), unless it shows as a
// stream's status or address, or holds the scroll mark; and every step of the
// scrolled turn of a caption made from the input reads as that caption. (A
// caption holding " *** " more than once can have a step that is also a step
// of a shorter caption, which is what such a step reads as.)
#include "fuzz_input.h"
#include "player/title_text.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text song = fuzz::as_text(data, size), mark = u" *** ";
  if (!starts_with(song, u"[") && !contains(song, u"://") && !contains(song, mark)) {
    fuzz::require(song_in_title(u"12. " + song + u" - Winamp") == u" " + song);
  }

  const Text caption = song.substr(0, 200) + u" - Winamp";
  if (caption.find(mark) != caption.rfind(mark)) {
    return 0;  // the mark twice
  }
  for (std::size_t step = 0; step < caption.size() + 3; ++step) {
    const Text shown = step < caption.size() ? caption.substr(step) + mark + caption
                                             : mark.substr(step - caption.size()) + caption + mark;
    fuzz::require(unscroll_title(shown) == caption);
  }
  return 0;
}
