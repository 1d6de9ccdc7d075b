#include "shell/tray.h"

namespace tunelet {
namespace {

// The layout of the system's first notification icon record.
constexpr std::uint32_t kTrayRecordSize = 88;
constexpr std::uint32_t kTrayFlags = kIconMessage | kIconImage | kIconTip;
constexpr std::size_t kTipLength = 64;

void fill_tray_record(Platform& platform, TrayRecord& tray) {
  tray.size = kTrayRecordSize;
  tray.window = platform.runtime.window_handle();
  tray.id = 1;
  tray.flags = kTrayFlags;
  tray.callback_message = kTrayIconMessage;
  tray.icon = platform.runtime.window_icon();
  tray.tip = Text(u"Tune Let") + u'\0';
  tray.tip.resize(kTipLength, u' ');
}

// Hidden, with the icon in the notification area; back on the taskbar,
// still minimised, when the notification area refuses it. An add for the
// icon that is there already is refused, and it stays.
void go_to_tray(Platform& platform, ProgramState& state) {
  platform.runtime.hide_window();
  state.tray_icon = platform.desktop.notify_icon(IconAction::kAdd, state.tray) || state.tray_icon;
  if (!state.tray_icon) {
    platform.runtime.show_window();
  }
}

void delete_icon(Platform& platform, ProgramState& state) {
  platform.desktop.notify_icon(IconAction::kDelete, state.tray);
  state.tray_icon = false;
}

}  // namespace

void Form_Resize(Platform& platform, ProgramState& state) {
  if (platform.runtime.window_state() == kMinimised) {
    fill_tray_record(platform, state.tray);
    go_to_tray(platform, state);
  } else {
    delete_icon(platform, state);
  }
}

void TrayIcon_Event(Platform& platform, std::uint32_t mouse_message) {
  if (mouse_message == wm::kLButtonDown) {
    platform.runtime.restore_window();
    platform.runtime.show_window();
  } else if (mouse_message == wm::kRButtonDown) {
    platform.runtime.popup_menu(PopupMenu::kMiniopts);
  }
}

void Showamp_Click(Platform& platform, ProgramState& state) {
  platform.runtime.show_window();
  delete_icon(platform, state);
  platform.runtime.restore_window();
}

void hidecomp_Click(Platform& platform, ProgramState& state) {
  platform.runtime.hide_window();
  if (state.tray_icon) {
    delete_icon(platform, state);
  }
}

void TmrHotkey_Timer(Platform& platform, ProgramState& state) {
  const std::uint16_t control = platform.desktop.async_key_state(kControlKey);
  const std::uint16_t a = platform.desktop.async_key_state(kAKey);
  if ((control & a) == 0) {
    return;
  }
  // Hidden completely from the tray, the window is still minimised: it
  // comes back restored.
  if (platform.runtime.window_state() == kMinimised && !state.tray_icon &&
      !platform.runtime.window_visible()) {
    platform.runtime.restore_window();
  }
  platform.runtime.show_window();
}

void Taskbar_Created(Platform& platform, ProgramState& state) {
  if (platform.runtime.window_state() != kMinimised) {
    return;
  }
  if (state.tray_icon) {  // all icons went with the old notification area
    state.tray_icon = platform.desktop.notify_icon(IconAction::kAdd, state.tray);
  } else if (platform.runtime.window_visible()) {
    go_to_tray(platform, state);  // left on the taskbar by a refused icon
  }                               // else hidden completely: no icon wanted
}

}  // namespace tunelet
