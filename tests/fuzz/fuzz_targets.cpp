// libFuzzer targets for the code that takes text from other programs and
// from the user. One source, built once for each target: TUNELET_FUZZ_TARGET
// names it. Besides the sanitizers' findings, each target checks what must
// hold for every input.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "chat/chat_commands.h"
#include "chat/chat_intake.h"
#include "player/title_reader.h"
#include "status/duration_format.h"
#include "status/status_composer.h"

namespace {

using namespace tunelet;

void require(bool holds) {
  if (!holds) {
    std::abort();
  }
}

bool begins_with(const Text& text, const Text& start) {
  return text.compare(0, start.size(), start) == 0;
}

bool ends_with(const Text& text, const Text& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void title_cut(const Text& title) {
  const Text song = cut_title(title);
  require(song.size() <= title.size());
  require(song.empty() || contains(title, u" "));
}

void template_expansion(const Text& status_template) {
  // Values that look like variables must come out as they are.
  const TemplateValues values{u"%s", u"%t%", u"", u"%%", u"%z", u"%f%u", u"%"};
  const Text message = expand_template(status_template, values);
  require(contains(status_template, u"%") || message == status_template);
}

void durations(const std::uint8_t* data, std::size_t size) {
  std::int64_t milliseconds = 0;
  std::int32_t style = 0;
  std::int32_t seconds = 0;
  std::memcpy(&milliseconds, data, std::min(size, sizeof milliseconds));
  if (size > 8) {
    std::memcpy(&style, data + 8, std::min(size - 8, sizeof style));
  }
  if (size > 12) {
    std::memcpy(&seconds, data + 12, std::min(size - 12, sizeof seconds));
  }
  require(format_duration(milliseconds, style).empty() == (style < 0 || style > 3));
  const Text length = format_track_length(seconds, u":");
  require(length.empty() == (seconds < 0));
}

void html_stripping(const Text& text) {
  const Text stripped = StripHTML(text);
  require(stripped.size() <= text.size() && !contains(stripped, u"<"));
}

void chat_lines(const Text& transcript) {
  // The transcript as read once, and again after more came in.
  const std::vector<Text> before = complete_lines(transcript.substr(0, transcript.size() / 2));
  const std::vector<Text> now = complete_lines(transcript);
  Text joined;
  for (const Text& line : now) {
    require(!contains(line, u"\r\n"));
    joined += line + u"\r\n";
    if (const std::optional<ChatLine> chat_line = parse_chat_line(line)) {
      require(ends_with(line, chat_line->message) && !contains(chat_line->sender, u"<"));
    }
  }
  require(begins_with(transcript, joined));
  const std::vector<Text> fresh = lines_after(before, now);
  require(fresh.size() <= now.size() &&
          std::equal(fresh.begin(), fresh.end(), now.end() - fresh.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Text text(size / 2, u'\0');  // the input as UTF-16, as Windows gives text
  std::memcpy(&text[0], data, text.size() * 2);
  switch (TUNELET_FUZZ_TARGET) {
    case 0:
      title_cut(text);
      break;
    case 1:
      template_expansion(text);
      break;
    case 2:
      durations(data, size);
      break;
    case 3:
      html_stripping(text);
      break;
    default:
      chat_lines(text);
      break;
  }
  return 0;
}
