// The window system on Win32. Text goes to and comes from other programs'
// windows through the wide API: the system converts it for a window that
// keeps single-byte text, and nothing is lost for one that keeps wide text.
// A message waits for its answer as long as the caller says.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace tunelet::win32 {

class Win32Desktop : public Desktop {
 public:
  WindowHandle find_window(const Text& class_name, WindowHandle after) override;
  WindowHandle find_child_window(WindowHandle parent, WindowHandle after,
                                 const Text& class_name) override;
  bool is_hung(WindowHandle window) override;
  bool window_exists(WindowHandle window) override;
  std::optional<std::int32_t> send_message(WindowHandle window, std::uint32_t message,
                                           std::uint32_t wparam, std::int32_t lparam,
                                           std::uint32_t wait_ms) override;
  void send_without_waiting(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                            std::int32_t lparam) override;
  void post_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                    std::int32_t lparam) override;
  std::optional<bool> set_window_text(WindowHandle window, const Text& text,
                                      std::uint32_t wait_ms) override;
  std::optional<Text> read_window_text(WindowHandle window, std::size_t longest,
                                       std::uint32_t wait_ms) override;
  Text window_title(WindowHandle window) override;
  std::uint16_t async_key_state(int virtual_key) override;
  bool notify_icon(IconAction action, const TrayRecord& record) override;
};

}  // namespace tunelet::win32
