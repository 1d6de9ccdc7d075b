// What the fuzz targets share: the input as the UTF-16 text Windows gives,
// and a check that ends the run when a property does not hold.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/text.h"

namespace fuzz {

inline tunelet::Text as_text(const std::uint8_t* data, std::size_t size) {
  tunelet::Text text(size / 2, u'\0');
  std::memcpy(&text[0], data, text.size() * 2);
  return text;
}

inline void require(bool holds) {
  holds ? void() : std::abort();
}

}  // namespace fuzz
