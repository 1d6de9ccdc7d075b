// The window system on Win32. Other programs' windows get single-byte text in
// the system code page. Every message waits at most a second for its answer,
// and a window that let one go unanswered is not waited for again for a
// while, so a hung player or chat client costs the program one second, not
// one for each message of a post.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace tunelet::win32 {

class Win32WindowSystem : public WindowSystem {
 public:
  WindowHandle find_window(const Text& class_name) override;
  WindowHandle find_child_window(WindowHandle parent, WindowHandle after,
                                 const Text& class_name) override;
  std::int32_t send_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                            std::int32_t lparam) override;
  void post_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                    std::int32_t lparam) override;
  bool set_window_text(WindowHandle window, const Text& text) override;
  Text window_title(WindowHandle window) override;
  std::optional<Text> ask_window_text(WindowHandle window) override;
  std::uint16_t async_key_state(int virtual_key) override;
  void notify_icon(IconAction action, const TrayRecord& record) override;

 private:
  // Sends and waits for the answer; false when none came in time.
  bool send_with_timeout(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                         std::intptr_t lparam, std::intptr_t* answer);

  WindowHandle silent_window_ = kNoWindow;  // the last one that did not answer in time
  std::uint32_t silent_since_ = 0;          // tick count of that
};

}  // namespace tunelet::win32
