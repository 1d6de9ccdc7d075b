// The main window's controls, created and placed at the scale it is shown
// at, with the fonts of that scale.
#pragma once

#include <windows.h>

namespace tunelet::app {

// The window's outer size for the designed client area at a scale (dots per
// inch).
SIZE form_window_size(DWORD style, DWORD extended_style, int dpi);

// Loads the window's looks, creates the controls, and lays them out at a
// scale.
void create_form_controls(HWND form, int dpi);

// Lays the window out at a scale: the controls at their design places, with
// the fonts and picture made anew for it; the old ones go once the controls
// hold the new.
void lay_out_form(HWND form, int dpi);

// The bottom-left corner of the "Opts" label, on the screen: where its menu
// opens when asked for from the keyboard.
POINT below_opts_label(HWND form, int dpi);

}  // namespace tunelet::app
