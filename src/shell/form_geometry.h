// The main window laid out at a scale (dots per inch): its design in twips
// turned into pixels, so that it keeps its proportions, sharp, at every
// scale.
#pragma once

#include "shell/form_design.h"

namespace tunelet {

struct PixelRect {
  int left, top, right, bottom;
  bool operator==(const PixelRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

struct FormGeometry {
  int client_width, client_height;
  PixelRect places[kControls];  // of the controls and labels, as kDesign lists them
  int picture_width, picture_height;
  int font_height;  // as a font is asked for: negative, the height of its characters
};

FormGeometry form_geometry(int dpi);

// A control or label of kDesign by its identifier; nullptr for none.
const ControlDesign* design_of(int id);

// Where a control or label of kDesign is at a scale.
PixelRect place_of(ControlId id, int dpi);

// Whether a point of the client area lies on the "Opts" label.
bool is_on_opts_label(int x, int y, int dpi);

}  // namespace tunelet
