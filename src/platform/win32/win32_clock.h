// System uptime and the current time and date in the user's regional format.
#pragma once

#include "platform/platform.h"
#include "platform/tick_count.h"

namespace tunelet::win32 {

class Win32Clock : public Clock {
 public:
  Win32Clock();
  std::uint64_t milliseconds_since_start() override;
  std::uint64_t last_input() override;
  Text time_text() override;
  Text date_text() override;

  // On Windows XP, whose count is 32 bits wide: called at least once a
  // wrap (every 49.7 days), so that none goes unseen.
  void keep_wrap_count() { ticks_.keep_wrap_count(); }

 private:
  TickCount ticks_;
};

}  // namespace tunelet::win32
