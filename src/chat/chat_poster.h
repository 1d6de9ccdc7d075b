// Types a message into the open chat room window and presses its send button.
#pragma once

#include "platform/platform.h"

namespace tunelet {

inline const Text kChatWindowClass = u"AIM_ChatWnd";
inline const Text kChatTextBoxClass = u"WndAte32Class";  // transcript, then input box
inline const Text kChatSendButtonClass = u"_Oscar_IconBtn";

// Reports nothing: without a chat room, or one that lacks its input box or
// does not take the text, the message is dropped and send is not pressed.
void post_to_chat(WindowSystem& windows, const Text& message);

}  // namespace tunelet
