#include "platform/tick_count.h"

namespace tunelet {

std::uint64_t TickCount::now() {
  if (count64_ != nullptr) {
    return count64_();
  }
  const std::uint32_t tick = count32_();
  if (tick < last_) {  // a count below the one read before: it wrapped
    ++wraps_;
  }
  last_ = tick;
  return (wraps_ << 32) + tick;
}

void TickCount::keep_wrap_count() {
  now();
}

}  // namespace tunelet
