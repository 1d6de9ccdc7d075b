// What the main window is drawn with: its brushes and picture, made once,
// and its fonts and the picture scaled smoothly for the scale it is laid out
// at, made anew for each.
#pragma once

#include <windows.h>

#include "app/gdi_objects.h"
#include "shell/form_geometry.h"

namespace tunelet::app {

// The fonts and the picture for one scale.
struct ScaledLooks {
  GdiObject<HFONT> fonts[3];   // by FontFace
  GdiObject<HBITMAP> picture;  // none at 100%, where the picture is shown as designed
  HFONT font(FontFace face) const { return fonts[static_cast<int>(face)].get(); }
};

struct FormLooks {
  GdiObject<HBRUSH> background;
  GdiObject<HBRUSH> check_box;
  GdiObject<HBITMAP> picture;  // as designed, for 100%; none when it could not be decoded
  ScaledLooks scaled;
  // The picture as shown at the scale.
  HBITMAP shown_picture() const {
    return scaled.picture.get() != nullptr ? scaled.picture.get() : picture.get();
  }
};

// The window's looks: the brushes and the picture once loaded, the scaled
// ones once made.
FormLooks& form_looks();
void load_form_looks();

// The fonts and picture for the window laid out at a scale, to be given to
// the controls before the old ones go.
ScaledLooks looks_at(const FormGeometry& geometry);

}  // namespace tunelet::app
