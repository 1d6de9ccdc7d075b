// The main window painted: the background colour, the picture at the scale,
// and the labels drawn on it; the check boxes' own background.
#pragma once

#include <windows.h>

namespace tunelet::app {

void paint_form(HWND form, int dpi);

// The brush behind a check box; nullptr for the other controls.
HBRUSH control_background(HDC dc, HWND control);

}  // namespace tunelet::app
