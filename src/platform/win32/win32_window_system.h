// The window system on Win32. Other programs' windows get single-byte text in
// the system code page; every message waits at most a second, so a hung
// player or chat client cannot freeze the program.
#pragma once

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
  std::int32_t window_text_length(WindowHandle window) override;
  Text window_text(WindowHandle window, std::int32_t buffer_size) override;
  std::uint16_t async_key_state(int virtual_key) override;
};

}  // namespace tunelet::win32
