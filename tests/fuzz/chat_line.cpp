// A line from the chat room, stripped of its mark-up: no '<' is left, and
// nothing grows; the room's reading of it never fails.
#include "chat/chat_commands.h"
#include "chat/room_text.h"
#include "fuzz_input.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text text = fuzz::as_text(data, size), stripped = StripHTML(text);
  fuzz::require(stripped.size() <= text.size() && !contains(stripped, u"<") &&
                as_the_room_shows(text).size() <= text.size());
  return 0;
}
