// The main window as designed: sizes in twips (1/1440 inch), colours, fonts,
// and the controls and labels, the controls in their order of creation,
// which is also the tab order.
#pragma once

#include <windows.h>

namespace tunelet::app {

constexpr wchar_t kFormClass[] = L"TuneletForm";
constexpr wchar_t kFormCaption[] = L"TuneLET";
constexpr int kClientWidthTwips = 4635;
constexpr int kClientHeightTwips = 1980;
constexpr COLORREF kBackgroundColour = RGB(1, 0, 66);
constexpr COLORREF kCheckBoxColour = RGB(0, 0, 64);
constexpr COLORREF kLabelColour = RGB(192, 192, 192);

// Control identifiers, also used by the end-to-end tests to find them.
enum ControlId : int {
  kCheck1 = 1001,
  kCheck2 = 1002,
  kText3 = 1003,
  kText4 = 1004,
  kCheck4 = 1005,
  kLabel6 = 1006,
  kLabel5 = 1007,
  kLabel4 = 1008,
  kLabel1 = 1009,
};

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

enum class FontFace { kVerdana, kTahoma, kMsSansSerif };

struct Bounds {
  int left, top, width, height;  // twips
};

// Labels are drawn on the picture by the window itself, so that it shows
// through around their letters.
enum class ControlKind { kCheckBox, kTextBox, kLabel };

struct ControlDesign {
  ControlId id;
  ControlKind kind;
  const wchar_t* text;
  Bounds bounds;
  bool shown;
  FontFace font;
};

// clang-format off
constexpr ControlDesign kDesign[] = {
    {kText3, ControlKind::kTextBox, L"Text3", {1440, 120, 1095, 285}, false, FontFace::kMsSansSerif},
    {kCheck1, ControlKind::kCheckBox, L"", {3360, 1440, 255, 255}, true, FontFace::kMsSansSerif},
    {kText4, ControlKind::kTextBox, L"", {600, 600, 3375, 645}, true, FontFace::kTahoma},
    {kCheck2, ControlKind::kCheckBox, L"Check2", {3360, 1680, 255, 255}, true, FontFace::kMsSansSerif},
    {kCheck4, ControlKind::kCheckBox, L"Check4", {2280, 1440, 255, 255}, false, FontFace::kVerdana},
    {kLabel6, ControlKind::kLabel, L"CCOM", {2640, 1440, 615, 255}, false, FontFace::kTahoma},
    {kLabel5, ControlKind::kLabel, L"Opts", {120, 1680, 375, 255}, true, FontFace::kVerdana},
    {kLabel4, ControlKind::kLabel, L"Save State", {3720, 1680, 975, 255}, true, FontFace::kTahoma},
    {kLabel1, ControlKind::kLabel, L" Enabled", {3720, 1440, 1095, 255}, true, FontFace::kTahoma},
};
// clang-format on

}  // namespace tunelet::app
