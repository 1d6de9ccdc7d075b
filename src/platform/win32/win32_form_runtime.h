// Modal boxes, the main window's operations and menus, regional number
// formatting and the end of the process, on Win32.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/platform.h"

namespace tunelet::win32 {

// The program's dialog template for the input box, and its prompt and text
// field; OK and Cancel are IDOK and IDCANCEL.
struct InputBoxDialog {
  int dialog, prompt, text;
};

class Win32FormRuntime : public FormRuntime {
 public:
  // The main window, its two pop-up menus and the input box, once they exist.
  void set_owner(HWND owner, HMENU opts, HMENU miniopts, InputBoxDialog input_box) {
    owner_ = owner;
    opts_ = opts;
    miniopts_ = miniopts;
    input_box_ = input_box;
  }

  // Starts one of the main window's timers.
  void start_timer(UINT_PTR id, UINT milliseconds) {
    SetTimer(owner_, id, milliseconds, nullptr);
    timers_.push_back(id);
  }

  void message_box(const Text& prompt, int style, const std::optional<Text>& title) override;
  Text input_box(const Text& prompt, const Text& title) override;
  void show_window() override;
  void hide_window() override;
  bool window_visible() override { return IsWindowVisible(owner_) != FALSE; }
  int window_state() override;
  void restore_window() override;
  WindowHandle window_handle() override;
  std::uint32_t tray_icon() override {
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(tray_icon_));
  }
  // The notification icon's image, kept by the window until it gives another.
  void set_tray_icon(HICON icon) { tray_icon_ = icon; }
  void popup_menu(PopupMenu menu) override;
  // Opens the menu at a point of the screen.
  void popup_menu_at(PopupMenu menu, POINT at);
  Text time_separator() override;

  // Stops the main window's timers: no tick runs after this.
  void stop_timers();

 private:
  HWND owner_ = nullptr;
  HMENU opts_ = nullptr;
  HMENU miniopts_ = nullptr;
  InputBoxDialog input_box_{};
  HICON tray_icon_ = nullptr;
  std::vector<UINT_PTR> timers_;
};

}  // namespace tunelet::win32
