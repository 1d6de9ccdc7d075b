// A line from the chat room, stripped of its mark-up: no '<' is left, and
// nothing grows; the room's reading of it never fails. Made of text and tags
// from the input (split at U+0001, tags at the odd places), it keeps the text
// outside the tags, in order.
#include "chat/chat_commands.h"
#include "chat/room_text.h"
#include "fuzz_input.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text text = fuzz::as_text(data, size), stripped = StripHTML(text);
  fuzz::require(stripped.size() <= text.size() && !contains(stripped, u"<") &&
                as_the_room_shows(text).size() <= text.size());

  Text line = u"", outside, part;
  bool tag = false;
  for (const char16_t c : text + u'\x01') {
    if (c != u'\x01') {
      part += c == u'<' || c == u'>' ? Text() : Text(1, c);
      continue;
    }
    line += tag ? u"<" + part + u">" : part;
    outside += tag ? Text() : part;
    tag = !tag, part.clear();
  }
  fuzz::require(StripHTML(line) == outside);
  return 0;
}
