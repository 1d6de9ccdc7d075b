// libFuzzer targets for the code that takes text from other programs and
// from the user, built once for each target that TUNELET_FUZZ_TARGET names.
// Besides the sanitizers' findings, each checks what holds for every input.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "chat/chat_commands.h"
#include "player/title_reader.h"
#include "status/duration_format.h"
#include "status/status_template.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto require = [](bool holds) { holds ? void() : std::abort(); };
  Text text(size / 2, u'\0');  // the input as UTF-16, as Windows gives text
  std::memcpy(&text[0], data, text.size() * 2);
  std::int32_t numbers[4] = {};  // milliseconds (two halves), a style, seconds
  std::memcpy(numbers, data, std::min(size, sizeof numbers));
  std::int64_t milliseconds = 0;
  std::memcpy(&milliseconds, numbers, sizeof milliseconds);
  switch (TUNELET_FUZZ_TARGET) {
    case 0: {  // a song keeps its leading blank, and is no longer than the title
      const std::optional<Text> song = song_in_title(text);
      require(!song || (song->size() <= text.size() + 1 && (*song)[0] == u' '));
      break;
    }
    case 1: {  // the values, split from the template by U+0001: whole, unscanned, no mark-up
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
      require(n(expand_template(parts[0], values), u'<') == n(parts[0], u'<'));
      // Each value whole, '&' written in 5 characters, '<' and '>' in 4.
      const Text message = expand_template(u"%s%t%d%l%z%f%u", values);
      require(n(message, u'>') == 0 &&
              message.size() == all.size() + 4 * n(all, u'&') + 3 * (n(all, u'<') + n(all, u'>')));
      break;
    }
    case 2:
      require(format_duration(milliseconds, numbers[2]).empty() ==
              (numbers[2] < 0 || numbers[2] > 3));
      require(format_track_length(numbers[3], u":").empty() == (numbers[3] < 0));
      break;
    default:
      require(StripHTML(text).size() <= text.size() && !contains(StripHTML(text), u"<"));
      break;
  }
  return 0;
}
