#include "chat/room_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "chat/html_entities.h"

namespace tunelet {
namespace {

// A reference is looked for this far at most past its '&': longer than any
// name HTML knows, and room for leading zeros ahead of the largest
// character's digits.
constexpr Text::size_type kLongestReference = 16;

bool is_blank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0';
}

bool is_letter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A digit's value, up to 15 for 'f'; 99 for what is no digit.
std::uint32_t digit_value(char16_t c) {
  return c >= u'0' && c <= u'9'   ? c - u'0'
         : c >= u'a' && c <= u'f' ? c - u'a' + 10
         : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                  : 99;
}

// The character a reference stands for, by what stands between '&' and ';'
// ('amp', '#39', '#x27'); nothing for what HTML does not know.
std::optional<char32_t> entity(std::u16string_view name) {
  if (name.empty() || name[0] != u'#') {
    const std::optional<char16_t> named = named_entity(name);
    return named ? std::optional<char32_t>(*named) : std::nullopt;
  }
  const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
  const std::uint32_t base = hex ? 16 : 10;
  const std::u16string_view digits = name.substr(hex ? 2 : 1);
  std::uint32_t code = 0;
  for (const char16_t c : digits) {
    const std::uint32_t digit = digit_value(c);
    if (digit >= base || (code = code * base + digit) > 0x10FFFF) {
      return std::nullopt;
    }
  }
  if (digits.empty() || code == 0) {
    return std::nullopt;
  }
  return code;
}

// The reference that begins at `at` ('&amp;'), and `at` moved to its ';';
// nothing when none begins there.
std::optional<char32_t> reference(const Text& html, Text::size_type& at) {
  const Text::size_type farthest = std::min(html.size(), at + 2 + kLongestReference);
  for (Text::size_type end = at + 1; end < farthest; ++end) {
    if (html[end] == u';') {
      const std::optional<char32_t> referred =
          entity(std::u16string_view(html).substr(at + 1, end - at - 1));
      at = referred ? end : at;
      return referred;
    }
  }
  return std::nullopt;
}

// A '<' opens a tag only before a letter, '/', '!' or '?'; else it is text.
bool opens_tag(const Text& html, Text::size_type at) {
  const char16_t next = at + 1 < html.size() ? html[at + 1] : u'\0';
  return html[at] == u'<' && (is_letter(next) || next == u'/' || next == u'!' || next == u'?');
}

// <BR>, <P> and </P> break the line.
bool breaks_line(const Text& html, Text::size_type open, Text::size_type close) {
  Text name;
  for (Text::size_type at = open + (html[open + 1] == u'/' ? 2 : 1);
       at < close && is_letter(html[at]) && name.size() < 3; ++at) {
    name += static_cast<char16_t>(html[at] | 0x20);
  }
  return name == u"br" || name == u"p";
}

}  // namespace

Text as_the_room_shows(const Text& html) {
  Text shown;
  bool blank_before = false;
  const auto show = [&](char32_t c) {
    if (blank_before && !shown.empty()) {
      shown += u' ';
    }
    blank_before = false;
    if (c < 0x10000) {
      shown += static_cast<char16_t>(c);
    } else {
      shown += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      shown += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  };
  for (Text::size_type at = 0; at < html.size(); ++at) {
    if (opens_tag(html, at)) {
      const Text::size_type close = html.find(u'>', at);
      if (close == Text::npos) {
        break;  // a tag left open takes the rest
      }
      blank_before = blank_before || breaks_line(html, at, close);
      at = close;
      continue;
    }
    Text::size_type end = at;
    const std::optional<char32_t> referred = html[at] == u'&' ? reference(html, end) : std::nullopt;
    const char32_t character = referred ? *referred : html[at];
    at = end;
    if (character < 0x10000 && is_blank(static_cast<char16_t>(character))) {
      blank_before = true;
    } else {
      show(character);
    }
  }
  return shown;
}

}  // namespace tunelet
