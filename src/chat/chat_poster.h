// Types a message into the open chat room window and presses its send button.
#pragma once

#include "platform/platform.h"
#include "platform/wait_budget.h"

namespace tunelet {

inline const Text kChatWindowClass = u"AIM_ChatWnd";
inline const Text kChatTextBoxClass = u"WndAte32Class";  // transcript, then input box
inline const Text kChatSendButtonClass = u"_Oscar_IconBtn";

enum class Delivery {
  kSent,        // the input box holds the text, and send was pressed
  kNoRoom,      // no chat room with an input box and a send button, or it went
  kRefused,     // the input box refused the text and kept its own
  kTextLetGo,   // the room did not take the text in time: it lands late, or is dropped
  kUnanswered,  // the room did not tell in time what its input box holds
  kNotSent,     // the room was not asked: no time was left, or it is hung
  kTypedOver,   // the text landed late and the box now holds other words: not pressed
};

// Send is pressed only once the input box holds the text: pressed
// otherwise, it would send whatever the user had typed.
//
// `text_sent`: the room was given the text and let it go. Setting it again
// would only overwrite the box again once the room catches up; the box is
// asked what it holds instead (the room answers after it has taken the
// text), and send is pressed only when it still shows the text's words, in
// whatever HTML form the box gives them back. An empty box never got the
// text (a message still queued when the wait ends may be dropped): it is set
// again.
Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget, bool text_sent);

}  // namespace tunelet
