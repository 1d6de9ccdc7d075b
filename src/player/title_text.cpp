#include "player/title_text.h"

#include <algorithm>
#include <iterator>

namespace tunelet {
namespace {

// How the player, and its community continuation, end the title of a song
// that plays. Paused or stopped, the title goes on with " [Paused]" or
// " [Stopped]"; idle, it is the player's name and version alone.
const Text kTitleEndings[] = {u" - Winamp", u" - WACUP"};

// What the scrolled title puts between the turns.
const Text kScrollMark = u" *** ";

// What a stream shows in brackets ahead of its name until its song plays,
// besides "[Buffer: 37%]".
const Text kStreamStatus[] = {u"Connecting",
                              u"Reading ID3",
                              u"Stream temporarily interrupted",
                              u"Stream terminated",
                              u"Error syncing to stream",
                              u"No valid Multiconnect URL",
                              u"Redirect limit exceeded"};

bool is_digit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool is_buffer_status(const Text& status) {
  const Text lead = u"Buffer: ";
  return starts_with(status, lead) && ends_with(status, u"%") && status.size() > lead.size() + 1 &&
         std::all_of(status.begin() + lead.size(), status.end() - 1, is_digit);
}

bool is_stream_status(const Text& name) {
  const Text::size_type close = name.find(u']');
  if (!starts_with(name, u"[") || close == Text::npos) {
    return false;
  }
  const Text status = name.substr(1, close - 1);
  return is_buffer_status(status) || std::find(std::begin(kStreamStatus), std::end(kStreamStatus),
                                               status) != std::end(kStreamStatus);
}

// A stream names its address alone until it has connected.
bool is_stream_address(const Text& name) {
  return contains(name, u"://") && !contains(name, u" ");
}

}  // namespace

Text unscroll_title(const Text& title) {
  // The player writes the turned title into 4096 characters: a longer title
  // is no step of a turn, and none is searched at length.
  constexpr Text::size_type kLongestTurn = 4095;
  const Text::size_type mark = kScrollMark.size();
  if (title.size() > kLongestTurn) {
    return title;
  }
  // The last steps of a turn: the tail of the mark, the caption, the mark.
  // (A caption ends as the player's titles do, never in the mark.)
  if (ends_with(title, kScrollMark)) {
    for (Text::size_type lead = mark; lead > mark - 3; --lead) {
      if (title.size() > lead + mark &&
          title.compare(0, lead, kScrollMark, mark - lead, lead) == 0) {
        return title.substr(lead, title.size() - lead - mark);
      }
    }
  }
  // The other steps: the caption from its k-th character on, the mark, the
  // whole caption, which thus ends with what came before the mark. A song's
  // own " *** " can make a step read as a longer caption too: the shortest
  // is taken, the one after the last mark that fits.
  for (Text::size_type at = title.rfind(kScrollMark, (title.size() - mark) / 2);
       at != Text::npos && at >= 1; at = title.rfind(kScrollMark, at - 1)) {
    if (title.compare(0, at, title, title.size() - at, at) == 0) {
      return title.substr(at + mark);
    }
  }
  return title;
}

std::optional<Text> song_in_title(const Text& title) {
  const Text caption = unscroll_title(title);
  for (const Text& ending : kTitleEndings) {
    if (!ends_with(caption, ending)) {
      continue;
    }
    Text name = caption.substr(0, caption.size() - ending.size());
    // The entry's number, digits and a full stop, goes; the blank after it
    // stays. Without a number the song gets that blank all the same, so that
    // it reads alike with the number shown or not.
    Text::size_type digits = 0;
    while (digits < name.size() && is_digit(name[digits])) {
      ++digits;
    }
    const bool numbered = digits > 0 && name.compare(digits, 2, u". ") == 0;
    name = numbered ? name.substr(digits + 1) : u" " + name;
    const Text shown = name.substr(1);
    if (is_stream_status(shown) || is_stream_address(shown)) {
      return std::nullopt;
    }
    return name;
  }
  return std::nullopt;
}

}  // namespace tunelet
