// The program's one window: the template box and switches on a picture, the
// options menu, and the timers that drive the title poll and posting cycle.
#pragma once

#include <windows.h>

#include "platform/win32/win32_platform.h"
#include "state/program_state.h"

namespace tunelet::app {

// Creates the window, loads the settings into it, starts the timers and
// shows it. Returns nullptr when the window cannot be created.
HWND create_main_window(HINSTANCE instance, win32::Win32Platform& platform, ProgramState& state);

// The program's one exit: the tray menu's "Close", closing the window,
// Windows ending the session and the dormant "/exit" chat command end here.
// Stops the timers, removes the notification icon, saves the settings as
// "Save State" says (a failed write is told in a box, unless the session is
// ending) and ends the process.
[[noreturn]] void Hitit();

}  // namespace tunelet::app
