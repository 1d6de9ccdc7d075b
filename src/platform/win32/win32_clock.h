// System uptime and the current time and date in the user's regional format.
#pragma once

#include "platform/platform.h"

namespace tunelet::win32 {

class Win32Clock : public Clock {
 public:
  std::uint64_t milliseconds_since_start() override;
  Text time_text() override;
  Text date_text() override;

 private:
  std::uint32_t last_tick_ = 0;
  std::uint64_t wraps_ = 0;
};

}  // namespace tunelet::win32
