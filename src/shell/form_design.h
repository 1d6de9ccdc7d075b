// The main window as designed: its client area, controls and labels in twips
// (1/1440 inch), in their order of creation, which is also the tab order;
// its picture and type.
#pragma once

namespace tunelet {

constexpr int kClientWidthTwips = 4635;
constexpr int kClientHeightTwips = 1980;

// The picture behind the controls, in pixels at 100%, and the type of
// every control and label, in hundredths of a point.
constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 200;
constexpr int kFontCentipoints = 825;

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
  const char16_t* text;
  Bounds bounds;
  bool shown;
  FontFace font;
};

// clang-format off
constexpr ControlDesign kDesign[] = {
    {kText3, ControlKind::kTextBox, u"Text3", {1440, 120, 1095, 285}, false, FontFace::kMsSansSerif},
    {kCheck1, ControlKind::kCheckBox, u"", {3360, 1440, 255, 255}, true, FontFace::kMsSansSerif},
    {kText4, ControlKind::kTextBox, u"", {600, 600, 3375, 645}, true, FontFace::kTahoma},
    {kCheck2, ControlKind::kCheckBox, u"Check2", {3360, 1680, 255, 255}, true, FontFace::kMsSansSerif},
    {kCheck4, ControlKind::kCheckBox, u"Check4", {2280, 1440, 255, 255}, false, FontFace::kVerdana},
    {kLabel6, ControlKind::kLabel, u"CCOM", {2640, 1440, 615, 255}, false, FontFace::kTahoma},
    {kLabel5, ControlKind::kLabel, u"Opts", {120, 1680, 375, 255}, true, FontFace::kVerdana},
    {kLabel4, ControlKind::kLabel, u"Save State", {3720, 1680, 975, 255}, true, FontFace::kTahoma},
    {kLabel1, ControlKind::kLabel, u" Enabled", {3720, 1440, 1095, 255}, true, FontFace::kTahoma},
};
// clang-format on
constexpr int kControls = sizeof kDesign / sizeof kDesign[0];

}  // namespace tunelet
