// The time that one post may spend waiting for other programs' answers, the
// player and the chat room together. Once it is spent, nothing more is sent:
// a message that Windows gave up waiting for is still delivered later, so
// asking with no time left would only queue work for a busy program.
#pragma once

#include "platform/platform.h"

namespace tunelet {

class WaitBudget {
 public:
  WaitBudget(Clock& clock, std::uint32_t milliseconds)
      : clock_(clock), deadline_(clock.milliseconds_since_start() + milliseconds) {}

  std::uint32_t left() const {
    const std::uint64_t now = clock_.milliseconds_since_start();
    return now >= deadline_ ? 0 : static_cast<std::uint32_t>(deadline_ - now);
  }

  // Nothing when no time is left or the window did not answer in what was.
  std::optional<std::int32_t> send(Desktop& desktop, WindowHandle window, std::uint32_t message,
                                   std::uint32_t wparam, std::int32_t lparam) {
    const std::uint32_t wait = left();
    return wait == 0 ? std::nullopt : desktop.send_message(window, message, wparam, lparam, wait);
  }
  std::optional<bool> set_text(Desktop& desktop, WindowHandle window, const Text& text) {
    const std::uint32_t wait = left();
    return wait == 0 ? std::nullopt : desktop.set_window_text(window, text, wait);
  }

 private:
  Clock& clock_;
  std::uint64_t deadline_;
};

}  // namespace tunelet
