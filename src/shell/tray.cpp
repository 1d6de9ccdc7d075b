#include "shell/tray.h"

namespace tunelet {
namespace {

// The layout of the system's first notification icon record.
constexpr std::uint32_t kTrayRecordSize = 88;
constexpr std::uint32_t kTrayFlags = 7;  // callback message, icon and tip
constexpr std::size_t kTipLength = 64;

void fill_tray_record(Platform& platform, TrayRecord& tray) {
  tray.size = kTrayRecordSize;
  tray.window = platform.form.window_handle();
  tray.id = 1;
  tray.flags = kTrayFlags;
  tray.callback_message = kTrayIconMessage;
  tray.icon = platform.form.window_icon();
  tray.tip = Text(u"Tune Let") + u'\0';
  tray.tip.resize(kTipLength, u' ');
}

}  // namespace

void Form_Resize(Platform& platform, ProgramState& state) {
  if (platform.form.window_state() == kMinimised) {
    platform.form.hide_window();
    fill_tray_record(platform, state.tray);
    platform.windows.notify_icon(IconAction::kAdd, state.tray);
  } else {
    platform.windows.notify_icon(IconAction::kDelete, state.tray);
  }
}

void TrayIcon_Event(Platform& platform, std::uint32_t mouse_message) {
  if (mouse_message == wm::kLButtonDown) {
    platform.form.set_window_state(kNormal);
    platform.form.show_window();
  } else if (mouse_message == wm::kRButtonDown) {
    platform.form.popup_menu(PopupMenu::kMiniopts);
  }
}

void Showamp_Click(Platform& platform, ProgramState& state) {
  platform.form.show_window();
  platform.windows.notify_icon(IconAction::kDelete, state.tray);
  platform.form.set_window_state(kNormal);
}

void hidecomp_Click(Platform& platform) {
  platform.form.hide_window();
}

void TmrHotkey_Timer(Platform& platform) {
  const std::uint16_t control = platform.windows.async_key_state(kControlKey);
  const std::uint16_t a = platform.windows.async_key_state(kAKey);
  if ((control & a) != 0) {
    platform.form.show_window();
  }
}

void Taskbar_Created(Platform& platform, const ProgramState& state) {
  if (platform.form.window_state() == kMinimised) {
    platform.windows.notify_icon(IconAction::kAdd, state.tray);
  }
}

}  // namespace tunelet
