#include "platform/tick_count.h"

namespace tunelet {

std::uint64_t TickWidener::widen(std::uint32_t tick) {
  if (tick < last_) {
    ++wraps_;
  }
  last_ = tick;
  return (wraps_ << 32) + tick;
}

}  // namespace tunelet
