#include "chat/chat_poster.h"

namespace tunelet {

Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget, bool ask_first) {
  const WindowHandle chat = desktop.find_window(kChatWindowClass);
  if (chat == kNoWindow) {
    return Delivery::kDone;  // with parent 0 the child lookups would search other programs' windows
  }
  const WindowHandle transcript = desktop.find_child_window(chat, kNoWindow, kChatTextBoxClass);
  const WindowHandle input = desktop.find_child_window(chat, transcript, kChatTextBoxClass);
  if (transcript == kNoWindow || input == kNoWindow) {
    return Delivery::kDone;
  }
  if (ask_first) {
    return budget.send(desktop, input, wm::kNull, 0, 0) ? Delivery::kNotTaken
                                                        : Delivery::kUnanswered;
  }
  const std::optional<bool> taken = budget.set_text(desktop, input, message);
  if (!taken) {
    return Delivery::kUnanswered;
  }
  if (!*taken) {
    return Delivery::kNotTaken;
  }
  // The press and its release follow the text in the room's queue and go
  // ahead of the next post's text; they are not waited for, and none is lost
  // or handled twice.
  const WindowHandle send = desktop.find_child_window(chat, input, kChatSendButtonClass);
  desktop.send_without_waiting(send, wm::kLButtonDown, 0, 0);
  desktop.send_without_waiting(send, wm::kLButtonUp, 0, 0);
  return Delivery::kDone;
}

}  // namespace tunelet
