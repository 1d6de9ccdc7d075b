#include "chat/chat_poster.h"

namespace tunelet {

void post_to_chat(WindowSystem& windows, const Text& message) {
  const WindowHandle chat = windows.find_window(kChatWindowClass);
  if (chat == kNoWindow) {
    return;  // with parent 0 the child lookups would search other programs' windows
  }
  const WindowHandle transcript = windows.find_child_window(chat, kNoWindow, kChatTextBoxClass);
  const WindowHandle input = windows.find_child_window(chat, transcript, kChatTextBoxClass);
  if (transcript == kNoWindow || input == kNoWindow) {
    return;  // pressing send now would send whatever the user had typed
  }
  if (!windows.set_window_text(input, message)) {
    return;  // a client that did not take the text would send the user's draft, or nothing
  }
  // A press is always followed by its release. A client that let the press
  // go unanswered may still take it later: the release is queued after it
  // rather than waited for a second time.
  const WindowHandle send = windows.find_child_window(chat, input, kChatSendButtonClass);
  if (windows.send_message(send, wm::kLButtonDown, 0, 0)) {
    windows.send_message(send, wm::kLButtonUp, 0, 0);
  } else {
    windows.post_message(send, wm::kLButtonUp, 0, 0);
  }
}

}  // namespace tunelet
