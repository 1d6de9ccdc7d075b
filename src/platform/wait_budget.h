// The time that one post may spend waiting for other programs' answers, the
// player and the chat room together. Once it is spent, nothing more is sent:
// a message that Windows gave up waiting for is still delivered later, so
// asking with no time left would only queue work for a busy program. A
// program the system counts as hung is not waited for at all.
#pragma once

#include <type_traits>

#include "platform/platform.h"

namespace tunelet {

// What became of a message given to the budget.
enum class Reply {
  kAnswered,
  kTimedOut,  // sent, and not answered in the time left: the window may still handle it later
  kNotSent,   // no time was left, or the system counts the window's program as hung
  kGone,      // the window is gone
};

// A chat client that is busy for a moment answers within a few tenths of a
// second, some within most of a second. Our window takes no input while it
// waits, so one tick waits this long at most, and a click is never left
// unanswered for more than a second.
constexpr std::uint32_t kPeerWaitMs = 900;

template <typename Value>
struct Answer {
  Reply reply;
  Value value{};  // the window's answer, when it answered
};

class WaitBudget {
 public:
  // `waiting` is set while a message waits for its answer: what our window
  // handles meanwhile (another program's message to it) starts no wait of
  // its own.
  WaitBudget(Clock& clock, bool& waiting, std::uint32_t milliseconds = kPeerWaitMs)
      : clock_(clock),
        waiting_(waiting),
        deadline_(clock.milliseconds_since_start() + milliseconds) {}

  bool spent() const { return clock_.milliseconds_since_start() >= deadline_; }

  Answer<std::int32_t> send(Desktop& desktop, WindowHandle window, std::uint32_t message,
                            std::uint32_t wparam, std::int32_t lparam) {
    return within(desktop, window, [&](std::uint32_t wait) {
      return desktop.send_message(window, message, wparam, lparam, wait);
    });
  }
  Answer<bool> set_text(Desktop& desktop, WindowHandle window, const Text& text) {
    return within(desktop, window,
                  [&](std::uint32_t wait) { return desktop.set_window_text(window, text, wait); });
  }
  Answer<Text> read_text(Desktop& desktop, WindowHandle window, std::size_t longest) {
    return within(desktop, window, [&](std::uint32_t wait) {
      return desktop.read_window_text(window, longest, wait);
    });
  }

 private:
  // The clock is read once: the wait is what was left at that moment.
  template <typename Ask,
            typename Value = typename std::invoke_result_t<Ask, std::uint32_t>::value_type>
  Answer<Value> within(Desktop& desktop, WindowHandle window, Ask ask) {
    const std::uint64_t now = clock_.milliseconds_since_start();
    if (now >= deadline_ || desktop.is_hung(window)) {
      return {Reply::kNotSent};
    }
    waiting_ = true;
    const std::optional<Value> answer = ask(static_cast<std::uint32_t>(deadline_ - now));
    waiting_ = false;
    if (!answer) {
      return {desktop.window_exists(window) ? Reply::kTimedOut : Reply::kGone};
    }
    return {Reply::kAnswered, *answer};
  }

  Clock& clock_;
  bool& waiting_;
  std::uint64_t deadline_;
};

}  // namespace tunelet
