// libFuzzer targets for the code that takes text from other programs and
// from the user, built once for each target that TUNELET_FUZZ_TARGET names.
// Besides the sanitizers' findings, each checks what holds for every input.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "chat/chat_commands.h"
#include "player/title_reader.h"
#include "status/duration_format.h"
#include "status/status_composer.h"

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
    case 0: {  // the title cut: a title without a blank is all number
      require(cut_title(text).size() <= (contains(text, u" ") ? text.size() : 0));
      const Text unscrolled = unscroll_title(text);  // the title itself, or a title in it
      require(unscrolled == text || (unscrolled.size() + 5 == text.size() &&
                                     unscrolled.rfind(u" - Winamp") + 9 == unscrolled.size()));
      break;
    }
    case 1:  // values that look like variables come out as they are
      require(contains(text, u"%") ||
              expand_template(text, {u"%s", u"%t%", u"", u"%%", u"%z", u"%f%u", u"%"}) == text);
      break;
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
