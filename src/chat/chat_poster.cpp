#include "chat/chat_poster.h"

namespace tunelet {

Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget) {
  const WindowHandle chat = desktop.find_window(kChatWindowClass);
  if (chat == kNoWindow) {
    return Delivery::kDone;  // with parent 0 the child lookups would search other programs' windows
  }
  const WindowHandle transcript = desktop.find_child_window(chat, kNoWindow, kChatTextBoxClass);
  const WindowHandle input = desktop.find_child_window(chat, transcript, kChatTextBoxClass);
  if (transcript == kNoWindow || input == kNoWindow) {
    return Delivery::kDone;
  }
  if (budget.left() == 0) {
    return Delivery::kNoTime;
  }
  const std::optional<bool> taken = budget.set_text(desktop, input, message);
  if (!taken) {
    return Delivery::kUnanswered;
  }
  if (!*taken) {
    return Delivery::kRefused;
  }
  // The press and its release are queued, not waited for: a busy client
  // takes them in order when it can, and none is lost or sent twice.
  const WindowHandle send = desktop.find_child_window(chat, input, kChatSendButtonClass);
  desktop.post_message(send, wm::kLButtonDown, 0, 0);
  desktop.post_message(send, wm::kLButtonUp, 0, 0);
  return Delivery::kDone;
}

}  // namespace tunelet
