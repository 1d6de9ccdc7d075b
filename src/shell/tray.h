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

constexpr int kControlKey = 17;
constexpr int kAKey = 65;

// The window was resized or its state changed: minimised, it goes to the
// tray; otherwise the icon is removed.
//
// Wherever the icon is added, the window hides only once the icon is there;
// when the notification area refuses it, the window stays minimised on the
// taskbar, so that it is never lost.
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

// The program ends: its icon goes with it, not when the user next points at it.
void leave_tray(Platform& platform, ProgramState& state);

// The window's scale changed, and the notification icon's image with it: the
// icon shows the new one (the old one may go once this returns), and so does
// any icon added later.
void TrayIcon_ScaleChanged(Platform& platform, ProgramState& state);

// The notification area was made anew (Explorer restarted, or started after
// us), or says so again: the icon comes back if the window had one, and a
// window left on the taskbar by a refused icon goes to the tray now.
void Taskbar_Created(Platform& platform, ProgramState& state);

}  // namespace tunelet
