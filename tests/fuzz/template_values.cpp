// The template's values. A template and seven values, split from the input
// at U+0001: the values add no mark-up, and the room shows each as it is
// (when it holds no blanks, which the room folds). The message for the room
// is the template with the song whole where it fits, else cut to the most
// that fits ahead of "..." (never inside a surrogate pair), or left out.
#include <algorithm>
#include <vector>

#include "chat/room_text.h"
#include "fuzz_input.h"
#include "status/status_template.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<Text> parts(1);
  for (const char16_t c : fuzz::as_text(data, size)) {
    c == u'\x01' ? void(parts.emplace_back()) : void(parts.back() += c);
  }
  parts.resize(8);
  TemplateValues values;
  Text all;
  for (int i = 0; i < 7; ++i) {
    values.push_back({u"stdlzfu"[i], parts[i + 1]});
    all += parts[i + 1];
  }
  const Text& status_template = parts[0];
  const auto n = [](const Text& t, char16_t c) { return std::count(t.begin(), t.end(), c); };
  fuzz::require(n(expand_template(status_template, values), u'<') == n(status_template, u'<'));
  const bool blanks = all.find_first_of(u" \t\r\n\u00A0") != Text::npos;
  fuzz::require(blanks || as_the_room_shows(expand_template(u"%s%t%d%l%z%f%u", values)) == all);

  // Whole where it fits, or where the template's own text does not; else
  // the most of the song that fits ahead of "...", never ending in half a
  // surrogate pair (the ending alone, where no more fits), or none of it.
  const auto with_song = [&](const Text& song) {
    TemplateValues cut = values;
    cut[0].value = song;
    return expand_template(status_template, cut);
  };
  const Text& song = values[0].value;
  Text expected = with_song(song);
  if (expected.size() > kLongestChatMessage && with_song(Text()).size() <= kLongestChatMessage) {
    expected = with_song(Text());
    for (std::size_t kept = std::min(song.size(), kLongestChatMessage); kept-- > 0;) {
      const Text cut = with_song(song.substr(0, kept) + u"...");
      if ((kept == 0 || song[kept - 1] < 0xD800 || song[kept - 1] > 0xDBFF) &&
          cut.size() <= kLongestChatMessage) {
        expected = cut;
        break;
      }
    }
  }
  fuzz::require(message_for_room(status_template, values) == expected);
  return 0;
}
