// How the main window looks: its controls placed at the screen's scale, its
// picture, fonts and colours, and the labels drawn on the picture.
#pragma once

#include <windows.h>

namespace tunelet::app {

// The window's outer size for the designed client area at the screen's
// scale, which is read here once.
SIZE form_window_size(DWORD style, DWORD extended_style);

// Makes the fonts, brushes and picture, and creates the controls.
void create_form_controls(HWND form);

void paint_form(HWND form);

// The brush behind a check box; nullptr for the other controls.
HBRUSH control_background(HDC dc, HWND control);

// Whether a point of the client area lies on the "Opts" label.
bool is_on_opts_label(POINT at);

}  // namespace tunelet::app
