// The screen's scale, per monitor where Windows knows it (Windows 8.1 and
// later; per window from Windows 10), else the system's: the program lays
// itself out at it. The functions that tell it are looked up when the program
// runs, so that it still starts on Windows XP, which has one scale for all.
#pragma once

#include <windows.h>

#include "platform/screen_scale.h"

namespace tunelet::app {

// Sent when the window moves to a monitor of another scale, or the scale
// changes: the new scale in wParam, the rectangle Windows suggests in lParam.
constexpr UINT kDpiChanged = 0x02E0;

// The scale of the monitor the window is on, in dots per inch.
int window_dpi(HWND window);

// A system metric (an icon's size, a frame's width) at that scale.
int system_metric(int index, int dpi);

// The window's outer rectangle around this client rectangle at that scale.
void adjust_window_rect(RECT& rect, DWORD style, DWORD extended_style, int dpi);

}  // namespace tunelet::app
