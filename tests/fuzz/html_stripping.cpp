// Mark-up stripped from a chat line: no '<' is left, and nothing grows.
#include "chat/chat_commands.h"
#include "fuzz_input.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text text = fuzz::as_text(data, size);
  const Text stripped = StripHTML(text);
  fuzz::require(stripped.size() <= text.size() && !contains(stripped, u"<"));
  return 0;
}
