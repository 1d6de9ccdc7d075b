// The system's millisecond count is 32 bits wide on Windows XP and wraps to 0
// every 49.7 days. Read at least once a wrap, it widens to 64 bits by
// counting the wraps seen.
#pragma once

#include <cstdint>

namespace tunelet {

struct WideTickCount {
  std::uint64_t wraps;         // times the count went past 2^32 - 1
  std::uint64_t milliseconds;  // wraps * 2^32 + the count
};

// The count `current`, read after `previous`, with the wraps seen up to
// `previous`: a count below the one before means one more wrap.
WideTickCount widen_tick_count(std::uint32_t previous, std::uint32_t current, std::uint64_t wraps);

}  // namespace tunelet
