#include "chat/chat_poster.h"

namespace tunelet {
namespace {

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
    // One character more than the text, so that a longer one does not compare equal.
    const Answer<Text> held = budget.read_text(desktop, input, message.size() + 1);
    if (held.reply != Reply::kAnswered) {
      return unanswered(held.reply);
    }
    if (held.value != message) {
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
