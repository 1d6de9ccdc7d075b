// How the main window looks: its controls placed at the screen's scale, its
// picture, fonts and colours, and the labels drawn on the picture. The
// design is in twips, so that the window keeps its proportions, sharp, at
// every scale.
#pragma once

#include <windows.h>

namespace tunelet::app {

// The window's outer size for the designed client area at a scale (dots per
// inch).
SIZE form_window_size(DWORD style, DWORD extended_style, int dpi);

// Makes the brushes and loads the picture, creates the controls, and lays
// them out at a scale.
void create_form_controls(HWND form, int dpi);

// Lays the window out at a scale: the controls at their design places, the
// fonts made anew and the picture scaled smoothly to it; the old ones go.
void lay_out_form(HWND form, int dpi);

void paint_form(HWND form, int dpi);

// The brush behind a check box; nullptr for the other controls.
HBRUSH control_background(HDC dc, HWND control);

// Whether a point of the client area lies on the "Opts" label.
bool is_on_opts_label(POINT at, int dpi);

// The bottom-left corner of the "Opts" label, on the screen: where its menu
// opens when asked for from the keyboard.
POINT below_opts_label(HWND form, int dpi);

}  // namespace tunelet::app
