// The notification-area icon, hiding and restoring the main window, and the
// Ctrl+A hotkey that shows a hidden window again.
//
//   Shown              visible, normal or maximised    no icon
//   In the tray        hidden, minimised               icon
//   Hidden completely  hidden, normal or maximised     no icon
//   Shown minimised    visible, minimised              icon
#pragma once

#include "platform/platform.h"
#include "shell/program_state.h"

namespace tunelet {

// The icon's events reach the main window as this message, with the mouse
// message (WM_LBUTTONDOWN, ...) as lParam.
constexpr std::uint32_t kTrayIconMessage = wm::kApp + 1;

constexpr int kControlKey = 17;
constexpr int kAKey = 65;

// The window was resized or its state changed: minimised, it hides and the
// icon is added; otherwise the icon is removed.
void Form_Resize(Platform& platform, ProgramState& state);

// An event on the icon: a left press restores the window, a right press
// opens the tray menu; everything else does nothing.
void TrayIcon_Event(Platform& platform, std::uint32_t mouse_message);

// The tray menu's "Show Tunelet" and "Hide Tunelet Completely".
void Showamp_Click(Platform& platform, ProgramState& state);
void hidecomp_Click(Platform& platform);

// The hotkey poll: shows the window while Ctrl and A are held.
void TmrHotkey_Timer(Platform& platform);

// The notification area was made anew (Explorer restarted): the icon comes
// back if the window is in the tray.
void Taskbar_Created(Platform& platform, const ProgramState& state);

}  // namespace tunelet
