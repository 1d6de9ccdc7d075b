// The time that one post may spend waiting for other programs' answers, the
// player and the chat room together. Once it is spent, nothing more is sent:
// a message that Windows gave up waiting for is still delivered later, so
// asking with no time left would only queue work for a busy program. A
// program the system counts as hung is not waited for at all.
#pragma once

#include "platform/platform.h"

namespace tunelet {

class WaitBudget {
 public:
  WaitBudget(Clock& clock, std::uint32_t milliseconds)
      : clock_(clock), deadline_(clock.milliseconds_since_start() + milliseconds) {}

  bool spent() const { return clock_.milliseconds_since_start() >= deadline_; }

  // Nothing when the window did not answer in the time left, or was not
  // asked: no time was left, or it is hung.
  std::optional<std::int32_t> send(Desktop& desktop, WindowHandle window, std::uint32_t message,
                                   std::uint32_t wparam, std::int32_t lparam) {
    const std::uint32_t wait = wait_for(desktop, window);
    return wait == 0 ? std::nullopt : desktop.send_message(window, message, wparam, lparam, wait);
  }
  std::optional<bool> set_text(Desktop& desktop, WindowHandle window, const Text& text) {
    const std::uint32_t wait = wait_for(desktop, window);
    return wait == 0 ? std::nullopt : desktop.set_window_text(window, text, wait);
  }

 private:
  std::uint32_t wait_for(Desktop& desktop, WindowHandle window) const {
    return spent() || desktop.is_hung(window)
               ? 0
               : static_cast<std::uint32_t>(deadline_ - clock_.milliseconds_since_start());
  }

  Clock& clock_;
  std::uint64_t deadline_;
};

}  // namespace tunelet
