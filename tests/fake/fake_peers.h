// The player and the chat room as windows of the fake window system.
#pragma once

#include "fake_platform.h"

namespace tunelet::fake {

struct FakePlayer {
  Text title;
  std::int32_t track_length = 0;  // seconds
  std::int32_t position = 0;      // from 0
  std::int32_t count = 0;
};

// A top-level "Winamp v1.x" window that answers the three queries from
// `player`, which the test may change at any time.
WindowHandle add_player(FakeWindowSystem& windows, FakePlayer& player);

struct FakeChatRoom {
  WindowHandle window = kNoWindow;
  WindowHandle transcript = kNoWindow;
  WindowHandle input = kNoWindow;
  WindowHandle send = kNoWindow;
};

// A chat room window with its transcript, input box and send button.
FakeChatRoom add_chat_room(FakeWindowSystem& windows);

}  // namespace tunelet::fake
