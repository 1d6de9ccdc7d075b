// The notification-area icon, hiding and restoring the main window, and the
// Ctrl+A hotkey that shows a hidden window again.
//
//   Shown              visible, normal or maximised    no icon
//   In the tray        hidden, minimised               icon
//   Hidden completely  hidden                          no icon
//   Shown minimised    visible, minimised              icon
//   Waiting for tray   visible, minimised              no icon: the notification area refused it
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// The icon's events reach the main window as this message, with the mouse
// message (WM_LBUTTONDOWN, ...) as lParam.
constexpr std::uint32_t kTrayIconMessage = wm::kApp + 1;

// What the icon record carries: its callback message, its image, its tip.
constexpr std::uint32_t kIconMessage = 1;
constexpr std::uint32_t kIconImage = 2;
constexpr std::uint32_t kIconTip = 4;

constexpr int kControlKey = 17;
constexpr int kAKey = 65;

// The window was resized or its state changed: minimised, the icon is added
// and the window hides, unless the notification area refused the icon: then
// it stays on the taskbar. Otherwise the icon is removed.
void Form_Resize(Platform& platform, ProgramState& state);

// An event on the icon: a left press restores the window, a right press
// opens the tray menu; everything else does nothing.
void TrayIcon_Event(Platform& platform, std::uint32_t mouse_message);

// The tray menu's "Show Tunelet" (also what a second start of the program
// asks of the running one) and "Hide Tunelet Completely", which hides the
// window and removes the icon.
void Showamp_Click(Platform& platform, ProgramState& state);
void hidecomp_Click(Platform& platform, ProgramState& state);

// The hotkey poll: shows the window while Ctrl and A are held, restored
// when it was hidden completely from the tray.
void TmrHotkey_Timer(Platform& platform, ProgramState& state);

// The notification area was made anew (Explorer restarted, or started after
// us): the icon comes back if the window is in the tray, and a window left
// on the taskbar by a refused icon goes to the tray now.
void Taskbar_Created(Platform& platform, ProgramState& state);

}  // namespace tunelet
