#include "shell/tray.h"

namespace tunelet {
namespace {

constexpr std::uint32_t kIconId = 1;  // the program's only icon

void fill_tray_record(Platform& platform, TrayRecord& record) {
  record = {platform.runtime.window_handle(), kIconId, kTrayIconMessage,
            platform.runtime.tray_icon(), u"Tune Let"};
}

// An add is refused for an icon that is there already: whether it is there
// is asked of the notification area, not taken from the answer to the add.
// Refused, the window shows on the taskbar, still minimised.
bool add_icon(Platform& platform, ProgramState& state) {
  Desktop& desktop = platform.desktop;
  state.icon_in_tray = desktop.notify_icon(IconAction::kAdd, state.tray_record) ||
                       desktop.notify_icon(IconAction::kModify, state.tray_record);
  if (!state.icon_in_tray) {
    platform.runtime.show_window();
  }
  return state.icon_in_tray;
}

void go_to_tray(Platform& platform, ProgramState& state) {
  if (add_icon(platform, state)) {
    platform.runtime.hide_window();
  }
}

void delete_icon(Platform& platform, ProgramState& state) {
  if (state.icon_in_tray) {
    platform.desktop.notify_icon(IconAction::kDelete, state.tray_record);
    state.icon_in_tray = false;
  }
}

}  // namespace

void Form_Resize(Platform& platform, ProgramState& state) {
  if (platform.runtime.window_state() == kMinimised) {
    fill_tray_record(platform, state.tray_record);
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
  delete_icon(platform, state);
}

void TmrHotkey_Timer(Platform& platform, ProgramState& state) {
  const std::uint16_t control = platform.desktop.async_key_state(kControlKey);
  const std::uint16_t a = platform.desktop.async_key_state(kAKey);
  if ((control & a) == 0) {
    return;
  }
  // Hidden completely from the tray, the window is still minimised: it
  // comes back restored.
  if (platform.runtime.window_state() == kMinimised && !state.icon_in_tray &&
      !platform.runtime.window_visible()) {
    platform.runtime.restore_window();
  }
  platform.runtime.show_window();
}

void leave_tray(Platform& platform, ProgramState& state) {
  delete_icon(platform, state);
}

void TrayIcon_ScaleChanged(Platform& platform, ProgramState& state) {
  state.tray_record.icon = platform.runtime.tray_icon();
  if (state.icon_in_tray) {
    platform.desktop.notify_icon(IconAction::kModify, state.tray_record);
  }
}

void Taskbar_Created(Platform& platform, ProgramState& state) {
  if (platform.runtime.window_state() != kMinimised) {
    return;
  }
  if (state.icon_in_tray) {
    add_icon(platform, state);  // the icons went with the old notification area, or are there
  } else if (platform.runtime.window_visible()) {
    go_to_tray(platform, state);  // left on the taskbar by a refused icon
  }                               // else hidden completely: no icon wanted
}

}  // namespace tunelet
