// The main window as Windows knows it: its class, caption and colours, its
// menus' items and its timers. Its controls and their places are in
// shell/form_design.h.
#pragma once

#include <windows.h>

#include "shell/form_design.h"

namespace tunelet::app {

constexpr wchar_t kFormClass[] = L"TuneletForm";
constexpr wchar_t kFormCaption[] = L"TuneLET";
constexpr COLORREF kBackgroundColour = RGB(1, 0, 66);
constexpr COLORREF kCheckBoxColour = RGB(0, 0, 64);
constexpr COLORREF kLabelColour = RGB(192, 192, 192);

// Menu item identifiers.
enum MenuId : int {
  kMenuHelp = 2001,
  kMenuAbout = 2002,
  kMenuCcom = 2003,
  kMenuShowamp = 2101,
  kMenuHidecomp = 2102,
  kMenuClose = 2103,
};

// Timer identifiers and periods.
constexpr UINT_PTR kTimer1 = 1;     // posting cycle
constexpr UINT_PTR kTimer2 = 2;     // title poll
constexpr UINT_PTR kTmrHotkey = 3;  // hotkey poll: a chord held for a tenth of a second is seen
constexpr UINT kTmrHotkeyMs = 50;

}  // namespace tunelet::app
