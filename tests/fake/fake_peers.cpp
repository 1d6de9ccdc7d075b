#include "fake_peers.h"

namespace tunelet::fake {

WindowHandle add_player(FakeWindowSystem& windows, FakePlayer& player) {
  const WindowHandle handle = windows.create_window(u"Winamp v1.x", player.title);
  Window& window = windows.window(handle);
  window.answer = [&player](std::uint32_t message, std::uint32_t wparam,
                            std::int32_t lparam) -> std::int32_t {
    if (message != wm::kUser) {
      return 0;
    }
    if (wparam == 0 && lparam == 124) {
      return player.count;
    }
    if (wparam == 0 && lparam == 125) {
      return player.position;
    }
    if (wparam == 1 && lparam == 105) {
      return player.track_length;
    }
    return 0;
  };
  window.before_title_read = [&player](Window& w) { w.title = player.title; };
  return handle;
}

FakeChatRoom add_chat_room(FakeWindowSystem& windows) {
  FakeChatRoom room;
  room.window = windows.create_window(u"AIM_ChatWnd", u"Chat room");
  room.transcript = windows.create_window(u"WndAte32Class", Text(), room.window);
  room.input = windows.create_window(u"WndAte32Class", Text(), room.window);
  room.send = windows.create_window(u"_Oscar_IconBtn", Text(), room.window);
  return room;
}

}  // namespace tunelet::fake
