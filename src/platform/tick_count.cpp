#include "platform/tick_count.h"

namespace tunelet {

WideTickCount widen_tick_count(std::uint32_t previous, std::uint32_t current, std::uint64_t wraps) {
  if (current < previous) {
    ++wraps;
  }
  return {wraps, (wraps << 32) + current};
}

}  // namespace tunelet
