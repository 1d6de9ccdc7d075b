// Types a message into the open chat room window and presses its send button.
#pragma once

#include "platform/platform.h"
#include "platform/wait_budget.h"

namespace tunelet {

inline const Text kChatWindowClass = u"AIM_ChatWnd";
inline const Text kChatTextBoxClass = u"WndAte32Class";  // transcript, then input box
inline const Text kChatSendButtonClass = u"_Oscar_IconBtn";

enum class Delivery {
  kSent,         // the input box holds the text, and send was pressed
  kNoRoom,       // no chat room with an input box and a send button, or it went
  kRefused,      // the input box refused the text and kept its own
  kTextLetGo,    // the room did not take the text in time: it lands late, or is dropped
  kUnanswered,   // the room did not tell in time what its input box holds
  kNotSent,      // the room was not asked: no time was left, or it is hung
  kTypedOver,    // the text landed late and the box now holds other words: not pressed
  kUserEmptied,  // the box is empty, and the user acted since the text was let go
};

// What became of the text the room was last given.
enum class EarlierText {
  kNone,                // it was given none
  kLetGo,               // it let the text go: it lands late, or was cancelled while queued
  kLetGoThenUserActed,  // and the user has pressed a key or used the mouse since
};

// The input box is asked what it holds before it is given a text: a room
// that cannot answer in time is given nothing (it would take the text late,
// over the user's draft, and could not be asked about it). Send is pressed
// only once the input box holds the text: pressed otherwise, it would send
// whatever the user had typed.
//
// A text the room let go is not set again while it may still land: send is
// pressed when the box shows the text's words, in whatever HTML form the
// box gives them back, and never over other words. An empty box either
// never got the text (a message still queued when the wait ends is
// cancelled), and gets it again, or, when the user acted since, was emptied
// by the user, who sent the text or cleared it: it is left alone.
Delivery post_to_chat(Desktop& desktop, const Text& message, WaitBudget& budget,
                      EarlierText earlier);

}  // namespace tunelet
