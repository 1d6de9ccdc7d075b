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
  kNotTaken,    // the input box refused the text, or is to get it on the next try
  kUnanswered,  // the chat room let a message go unanswered, or it is hung
};

// Send is pressed only once the input box has taken the text: pressed
// otherwise, it would send whatever the user had typed.
//
// A text that the room let go may still reach it late (Windows delivers it
// all the same). After one, `ask_first`: the room is asked something
// harmless instead, and gets the text again on the next try, with the whole
// wait, once it answers; a slow room does not get it again and again.
Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget, bool ask_first);

}  // namespace tunelet
