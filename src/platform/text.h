// Text inside the program: sequences of 16-bit characters, so that positions
// and lengths mean the same on every compiler. Conversion to the single-byte
// text of other programs' windows happens only in the platform implementation.
#pragma once

#include <cstdint>
#include <string>

namespace tunelet {

using Text = std::u16string;

bool contains(const Text& text, const Text& part);
bool starts_with(const Text& text, const Text& part);
bool ends_with(const Text& text, const Text& part);

// Upper-case ASCII letters turned into lower case; everything else unchanged.
Text to_lower_ascii(Text text);

// Plain decimal: no leading zeros, no separators, "-" ahead of a negative value.
Text decimal(std::int64_t value);

// At least two digits, with leading zeros; "-" ahead of a negative value's
// digits (-1 is "-01").
Text two_digits(std::int32_t value);

}  // namespace tunelet
