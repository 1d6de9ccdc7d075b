// Types a message into the open chat room window and presses its send button.
#pragma once

#include "platform/platform.h"
#include "platform/wait_budget.h"

namespace tunelet {

inline const Text kChatWindowClass = u"AIM_ChatWnd";
inline const Text kChatTextBoxClass = u"WndAte32Class";  // transcript, then input box
inline const Text kChatSendButtonClass = u"_Oscar_IconBtn";

enum class Delivery {
  kDone,        // typed and sent, or there is no chat room with an input box to take it
  kRefused,     // the input box answered that it did not take the text
  kUnanswered,  // the chat room let the text go unanswered
  kNoTime,      // the budget was spent before the chat room was asked
};

// Send is pressed only once the input box has taken the text: pressed
// otherwise, it would send whatever the user had typed.
Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget);

}  // namespace tunelet
