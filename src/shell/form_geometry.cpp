#include "shell/form_geometry.h"

#include "platform/screen_scale.h"

namespace tunelet {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kCentipointsPerInch = 7200;

// value * numerator / denominator, to the nearest whole number (halves away
// from zero), as the system scales.
int scaled(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

PixelRect to_pixels(const Bounds& bounds, int dpi) {
  return {scaled(bounds.left, dpi, kTwipsPerInch), scaled(bounds.top, dpi, kTwipsPerInch),
          scaled(bounds.left + bounds.width, dpi, kTwipsPerInch),
          scaled(bounds.top + bounds.height, dpi, kTwipsPerInch)};
}

}  // namespace

FormGeometry form_geometry(int dpi) {
  FormGeometry geometry{scaled(kClientWidthTwips, dpi, kTwipsPerInch),
                        scaled(kClientHeightTwips, dpi, kTwipsPerInch),
                        {},
                        scaled(kPictureWidth, dpi, kDefaultDpi),
                        scaled(kPictureHeight, dpi, kDefaultDpi),
                        -scaled(kFontCentipoints, dpi, kCentipointsPerInch)};
  for (int control = 0; control < kControls; ++control) {
    geometry.places[control] = to_pixels(kDesign[control].bounds, dpi);
  }
  return geometry;
}

const ControlDesign* design_of(int id) {
  for (const ControlDesign& design : kDesign) {
    if (design.id == id) {
      return &design;
    }
  }
  return nullptr;
}

PixelRect place_of(ControlId id, int dpi) {
  return to_pixels(design_of(id)->bounds, dpi);
}

bool is_on_opts_label(int x, int y, int dpi) {
  const PixelRect label = place_of(kLabel5, dpi);
  return x >= label.left && x < label.right && y >= label.top && y < label.bottom;
}

}  // namespace tunelet
