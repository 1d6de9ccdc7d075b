#include "chat/room_text.h"

#include <cstdint>
#include <optional>

#include "chat/chat_commands.h"

namespace tunelet {
namespace {

bool is_blank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0';
}

// A digit's value, up to 15 for 'f'; 99 for what is no digit.
std::uint32_t digit_value(char16_t c) {
  return c >= u'0' && c <= u'9'   ? c - u'0'
         : c >= u'a' && c <= u'f' ? c - u'a' + 10
         : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                  : 99;
}

// The text an entity stands for, by its name ('amp', '#39', '#x27'); nothing
// for a name the room does not know.
std::optional<Text> entity(const Text& name) {
  const struct {
    const char16_t* name;
    char16_t character;
  } kNamed[] = {{u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
                {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u'\u00A0'}};
  for (const auto& known : kNamed) {
    if (name == known.name) {
      return Text(1, known.character);
    }
  }
  if (name.size() < 2 || name[0] != u'#') {
    return std::nullopt;
  }
  const bool hex = name[1] == u'x' || name[1] == u'X';
  const std::uint32_t base = hex ? 16 : 10;
  std::uint32_t code = 0;
  for (auto c = name.begin() + (hex ? 2 : 1); c != name.end(); ++c) {
    const std::uint32_t digit = digit_value(*c);
    if (digit >= base || (code = code * base + digit) > 0x10FFFF) {
      return std::nullopt;
    }
  }
  if (code == 0) {
    return std::nullopt;
  }
  if (code < 0x10000) {
    return Text(1, static_cast<char16_t>(code));
  }
  code -= 0x10000;
  return Text{static_cast<char16_t>(0xD800 + (code >> 10)),
              static_cast<char16_t>(0xDC00 + (code & 0x3FF))};
}

}  // namespace

Text as_the_room_shows(const Text& html) {
  const Text text = StripHTML(html);
  Text shown;
  bool blank_before = false;
  for (Text::size_type at = 0; at < text.size(); ++at) {
    Text character(1, text[at]);
    const Text::size_type end = text[at] == u'&' ? text.find(u';', at) : Text::npos;
    if (end != Text::npos) {
      if (const std::optional<Text> decoded = entity(text.substr(at + 1, end - at - 1))) {
        character = *decoded;
        at = end;
      }
    }
    if (character.size() == 1 && is_blank(character[0])) {
      blank_before = !shown.empty();
      continue;
    }
    shown += blank_before ? u" " + character : character;
    blank_before = false;
  }
  return shown;
}

}  // namespace tunelet
