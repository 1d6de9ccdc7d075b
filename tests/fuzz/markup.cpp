// Mark-up. A template and seven values, split from the input at U+0001: the
// values add no mark-up, come out whole and are not scanned again, and the
// room shows a value without blanks as it is. The input as a chat line
// stripped of its mark-up: no '<' is left, and nothing grows.
#include <algorithm>
#include <vector>

#include "chat/chat_commands.h"
#include "chat/room_text.h"
#include "fuzz_input.h"
#include "status/status_template.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text text = fuzz::as_text(data, size), stripped = StripHTML(text);
  fuzz::require(stripped.size() <= text.size() && !contains(stripped, u"<"));
  std::vector<Text> parts(1);
  for (const char16_t c : text) {
    c == u'\x01' ? void(parts.emplace_back()) : void(parts.back() += c);
  }
  parts.resize(8);
  TemplateValues values;
  Text all;
  for (int i = 0; i < 7; ++i) {
    values.push_back({u"stdlzfu"[i], parts[i + 1]});
    all += parts[i + 1];
  }
  const auto n = [](const Text& t, char16_t c) { return std::count(t.begin(), t.end(), c); };
  fuzz::require(n(expand_template(parts[0], values), u'<') == n(parts[0], u'<'));
  // Each value whole: '&' written in 5 characters, '<' and '>' in 4, quotes in 6 and 5.
  const Text message = expand_template(u"%s%t%d%l%z%f%u", values);
  fuzz::require(n(message, u'>') == 0 && n(message, u'"') == 0 && n(message, u'\'') == 0 &&
                message.size() == all.size() + 4 * n(all, u'&') +
                                      3 * (n(all, u'<') + n(all, u'>')) + 5 * n(all, u'"') +
                                      4 * n(all, u'\''));
  const Text& song = parts[1];
  const bool blanks = song.find_first_of(u" \t\r\n\u00A0") != Text::npos;
  fuzz::require(blanks || as_the_room_shows(expand_template(u"%s", {{u's', song}})) == song);
  return 0;
}
