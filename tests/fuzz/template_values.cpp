// The template's values. A template and seven values, split from the input
// at U+0001: the values add no mark-up, and the room shows each as it is
// (when it holds no blanks, which the room folds). The message for the room
// fits whenever the template's own text does, and is the template with the
// song whole, left out, or cut (never inside a surrogate pair) and followed
// by "...".
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

  const Text message = message_for_room(status_template, values);
  const auto with_song = [&](const Text& song) {
    TemplateValues cut = values;
    cut[0].value = song;
    return expand_template(status_template, cut);
  };
  const Text& song = values[0].value;
  if (with_song(Text()).size() <= kLongestChatMessage) {
    fuzz::require(message.size() <= kLongestChatMessage);
  }
  bool found = message == with_song(song) || message == with_song(Text());
  for (std::size_t kept = 0; !found && kept < song.size(); ++kept) {
    const bool splits_pair = kept > 0 && song[kept - 1] >= 0xD800 && song[kept - 1] <= 0xDBFF &&
                             song[kept] >= 0xDC00 && song[kept] <= 0xDFFF;
    found = !splits_pair && message == with_song(song.substr(0, kept) + u"...");
  }
  fuzz::require(found);
  return 0;
}
