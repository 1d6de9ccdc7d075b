#include "chat/chat_poster.h"

#include "chat/room_text.h"

namespace tunelet {
namespace {

// More than any input box holds: the whole box is read, so that words the
// user added after the text are seen.
constexpr std::size_t kWholeInputBox = 1 << 16;

// What became of a message the room did not answer: the text, or the
// question what the box holds.
Delivery unanswered(Reply reply, Delivery timed_out) {
  return reply == Reply::kTimedOut ? timed_out
         : reply == Reply::kGone   ? Delivery::kNoRoom
                                   : Delivery::kNotSent;
}

// The press and its release follow the text in the room's queue and go
// ahead of the next post's text; they are not waited for, and none is lost
// or handled twice.
Delivery press_send(Desktop& desktop, WindowHandle send) {
  desktop.send_without_waiting(send, wm::kLButtonDown, 0, 0);
  desktop.send_without_waiting(send, wm::kLButtonUp, 0, 0);
  return Delivery::kSent;
}

}  // namespace

Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget,
                      EarlierText earlier) {
  // Without a room, the lookups of its boxes find none.
  const WindowHandle chat = desktop.find_window(kChatWindowClass, kNoWindow);
  const WindowHandle transcript = desktop.find_child_window(chat, kNoWindow, kChatTextBoxClass);
  const WindowHandle input = desktop.find_child_window(chat, transcript, kChatTextBoxClass);
  const WindowHandle send = desktop.find_child_window(chat, input, kChatSendButtonClass);
  if (transcript == kNoWindow || input == kNoWindow || send == kNoWindow) {
    return Delivery::kNoRoom;
  }
  const Answer<Text> read = budget.read_text(desktop, input, kWholeInputBox);
  if (read.reply != Reply::kAnswered) {
    return unanswered(read.reply, Delivery::kUnanswered);
  }
  if (earlier != EarlierText::kNone) {
    const Text held = as_the_room_shows(read.value);
    if (held == as_the_room_shows(message)) {
      return press_send(desktop, send);
    }
    if (!held.empty()) {
      return Delivery::kTypedOver;
    }
    if (earlier == EarlierText::kLetGoThenUserActed) {
      return Delivery::kUserEmptied;
    }
  }
  const Answer<bool> taken = budget.set_text(desktop, input, message);
  if (taken.reply != Reply::kAnswered) {
    return unanswered(taken.reply, Delivery::kTextLetGo);
  }
  return taken.value ? press_send(desktop, send) : Delivery::kRefused;
}

}  // namespace tunelet
