#include "platform/text.h"

namespace tunelet {

bool contains(const Text& text, const Text& part) {
  return text.find(part) != Text::npos;
}

bool starts_with(const Text& text, const Text& part) {
  return text.compare(0, part.size(), part) == 0;
}

bool ends_with(const Text& text, const Text& part) {
  return text.size() >= part.size() &&
         text.compare(text.size() - part.size(), part.size(), part) == 0;
}

Text to_lower_ascii(Text text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') {
      c = static_cast<char16_t>(c - u'A' + u'a');
    }
  }
  return text;
}

Text decimal(std::int64_t value) {
  // Digits are taken from the negative side so that the smallest value works.
  Text digits;
  std::int64_t rest = value < 0 ? value : -value;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' - rest % 10));
    rest /= 10;
  } while (rest != 0);
  if (value < 0) {
    digits.insert(digits.begin(), u'-');
  }
  return digits;
}

Text two_digits(std::int32_t value) {
  Text digits = decimal(value < 0 ? -static_cast<std::int64_t>(value) : value);
  if (digits.size() < 2) {
    digits.insert(digits.begin(), u'0');
  }
  return value < 0 ? u"-" + digits : digits;
}

}  // namespace tunelet
