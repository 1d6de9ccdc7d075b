// The system's millisecond count is 32 bits wide on Windows XP and wraps to 0
// every 49.7 days. Read at least once a wrap, it widens to 64 bits by
// counting the wraps seen.
#pragma once

#include <cstdint>

namespace tunelet {

class TickWidener {
 public:
  // The count read now, widened: a count below the one read before means
  // one more wrap.
  std::uint64_t widen(std::uint32_t tick);

 private:
  std::uint32_t last_ = 0;
  std::uint64_t wraps_ = 0;
};

}  // namespace tunelet
