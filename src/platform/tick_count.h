// Milliseconds since the system started, never wrapping: the system's 64-bit
// count where it has one (Windows Vista and later); on Windows XP its 32-bit
// count, which wraps to 0 every 49.7 days, widened by the wraps seen.
#pragma once

#include <cstdint>

namespace tunelet {

class TickCount {
 public:
  using Count64 = std::uint64_t (*)();
  using Count32 = std::uint32_t (*)();

  // `count64` is null where the system has no 64-bit count.
  TickCount(Count64 count64, Count32 count32) : count64_(count64), count32_(count32) {}

  std::uint64_t now();

  // With the 32-bit count: to be called at least once a wrap, so that none
  // goes unseen.
  void keep_wrap_count();

 private:
  Count64 count64_;
  Count32 count32_;
  std::uint32_t last_ = 0;
  std::uint64_t wraps_ = 0;
};

}  // namespace tunelet
