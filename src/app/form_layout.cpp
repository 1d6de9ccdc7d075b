#include "app/form_layout.h"

#include <utility>

#include "app/form_looks.h"
#include "app/screen_scale.h"
#include "shell/form_geometry.h"

namespace tunelet::app {
namespace {

// Placed and sized by lay_out_form.
void create_control(HWND form, const ControlDesign& design) {
  DWORD style = WS_CHILD | (design.shown ? WS_VISIBLE | WS_TABSTOP : 0);
  DWORD extended_style = 0;
  const wchar_t* window_class = L"BUTTON";
  if (design.kind == ControlKind::kCheckBox) {
    style |= BS_AUTOCHECKBOX;
  } else {
    window_class = L"EDIT";
    style |= ES_AUTOHSCROLL;
    extended_style = WS_EX_CLIENTEDGE;
  }
  HWND created = CreateWindowExW(extended_style, window_class,
                                 reinterpret_cast<const wchar_t*>(design.text), style, 0, 0, 0, 0,
                                 form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (design.kind == ControlKind::kTextBox) {
    SendMessageW(created, EM_LIMITTEXT, 0, 0);  // no limit but the system's
  }
}

}  // namespace

SIZE form_window_size(DWORD style, DWORD extended_style, int dpi) {
  const FormGeometry geometry = form_geometry(dpi);
  RECT frame{0, 0, geometry.client_width, geometry.client_height};
  adjust_window_rect(frame, style, extended_style, dpi);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void create_form_controls(HWND form, int dpi) {
  load_form_looks();
  for (const ControlDesign& design : kDesign) {
    if (design.kind != ControlKind::kLabel) {
      create_control(form, design);
    }
  }
  lay_out_form(form, dpi);
}

void lay_out_form(HWND form, int dpi) {
  const FormGeometry geometry = form_geometry(dpi);
  ScaledLooks looks = looks_at(geometry);
  for (int at = 0; at < kControls; ++at) {
    const ControlDesign& design = kDesign[at];
    if (design.kind != ControlKind::kLabel) {
      HWND control = GetDlgItem(form, design.id);
      const PixelRect& place = geometry.places[at];
      MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 FALSE);
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(looks.font(design.font)), TRUE);
    }
  }
  // The controls hold the new fonts now: the old ones go with `looks`.
  std::swap(form_looks().scaled, looks);
  InvalidateRect(form, nullptr, TRUE);
}

POINT below_opts_label(HWND form, int dpi) {
  const PixelRect label = place_of(kLabel5, dpi);
  POINT corner{label.left, label.bottom};
  ClientToScreen(form, &corner);
  return corner;
}

}  // namespace tunelet::app
