#include "chat/chat_poster.h"

#include "chat/room_text.h"

namespace tunelet {
namespace {

// More than any input box holds: the whole box is read, so that words the
// user added after the text are seen.
constexpr std::size_t kWholeInputBox = 1 << 16;

Delivery unanswered(Reply reply) {
  return reply == Reply::kTimedOut ? Delivery::kTimedOut : Delivery::kNotSent;
}

}  // namespace

Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget, bool text_sent) {
  const WindowHandle chat = desktop.find_window(kChatWindowClass, kNoWindow);
  // Without a room, the child lookups would search other programs' windows.
  if (chat == kNoWindow) {
    return Delivery::kNoRoom;
  }
  const WindowHandle transcript = desktop.find_child_window(chat, kNoWindow, kChatTextBoxClass);
  const WindowHandle input = desktop.find_child_window(chat, transcript, kChatTextBoxClass);
  if (transcript == kNoWindow || input == kNoWindow) {
    return Delivery::kNoRoom;
  }
  if (text_sent) {
    const Answer<Text> held = budget.read_text(desktop, input, kWholeInputBox);
    if (held.reply != Reply::kAnswered) {
      return unanswered(held.reply);
    }
    // The box may give the text back in its own HTML form: the same words
    // are the same text.
    if (as_the_room_shows(held.value) != as_the_room_shows(message)) {
      return Delivery::kTypedOver;
    }
  } else {
    const Answer<bool> taken = budget.set_text(desktop, input, message);
    if (taken.reply != Reply::kAnswered) {
      return unanswered(taken.reply);
    }
    if (!taken.value) {
      return Delivery::kRefused;
    }
  }
  // The press and its release follow the text in the room's queue and go
  // ahead of the next post's text; they are not waited for, and none is lost
  // or handled twice.
  const WindowHandle send = desktop.find_child_window(chat, input, kChatSendButtonClass);
  desktop.send_without_waiting(send, wm::kLButtonDown, 0, 0);
  desktop.send_without_waiting(send, wm::kLButtonUp, 0, 0);
  return Delivery::kSent;
}

}  // namespace tunelet
