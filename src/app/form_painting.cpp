#include "app/form_painting.h"

#include "app/form_design.h"
#include "app/form_looks.h"
#include "shell/form_geometry.h"

namespace tunelet::app {
namespace {

void draw_picture(HDC dc, HBITMAP shown) {
  BITMAP size;
  GetObjectW(shown, sizeof size, &size);
  const MemoryDc picture_dc(dc);
  const Selected selected(picture_dc.get(), shown);
  BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, picture_dc.get(), 0, 0, SRCCOPY);
}

}  // namespace

void paint_form(HWND form, int dpi) {
  const FormLooks& looks = form_looks();
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(form, &paint);
  RECT client;
  GetClientRect(form, &client);
  FillRect(dc, &client, looks.background.get());
  if (looks.shown_picture() != nullptr) {
    draw_picture(dc, looks.shown_picture());
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kLabelColour);
  const FormGeometry geometry = form_geometry(dpi);
  for (int at = 0; at < kControls; ++at) {
    const ControlDesign& label = kDesign[at];
    if (label.kind == ControlKind::kLabel && label.shown) {
      const PixelRect& place = geometry.places[at];
      RECT rect{place.left, place.top, place.right, place.bottom};
      const Selected selected(dc, looks.scaled.font(label.font));
      DrawTextW(dc, reinterpret_cast<const wchar_t*>(label.text), -1, &rect,
                DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    }
  }
  EndPaint(form, &paint);
}

HBRUSH control_background(HDC dc, HWND control) {
  const ControlDesign* design = design_of(GetDlgCtrlID(control));
  if (design == nullptr || design->kind != ControlKind::kCheckBox) {
    return nullptr;
  }
  SetBkColor(dc, kCheckBoxColour);
  return form_looks().check_box.get();
}

}  // namespace tunelet::app
