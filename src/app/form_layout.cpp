#include "app/form_layout.h"

#include <utility>

#include "app/background_picture.h"
#include "app/form_design.h"
#include "app/gdi_objects.h"
#include "app/resource_ids.h"
#include "app/screen_scale.h"

namespace tunelet::app {
namespace {

// What the window is drawn with, made for one scale.
struct Looks {
  GdiObject<HFONT> fonts[3];
  GdiObject<HBRUSH> background;
  GdiObject<HBRUSH> check_box;
  GdiObject<HBITMAP> picture;  // as designed, for 100%
  GdiObject<HBITMAP> scaled;   // at the window's scale; none at 100%
};
Looks looks;

int to_pixels(int twips, int dpi) {
  return MulDiv(twips, dpi, 1440);
}

RECT to_rect(const Bounds& bounds, int dpi) {
  return RECT{to_pixels(bounds.left, dpi), to_pixels(bounds.top, dpi),
              to_pixels(bounds.left + bounds.width, dpi),
              to_pixels(bounds.top + bounds.height, dpi)};
}

HFONT font(FontFace face) {
  return looks.fonts[static_cast<int>(face)].get();
}

HFONT create_font(const wchar_t* face, int dpi) {
  // 8.25 points, regular.
  return CreateFontW(-MulDiv(825, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

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
  HWND created = CreateWindowExW(extended_style, window_class, design.text, style, 0, 0, 0, 0, form,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (design.kind == ControlKind::kTextBox) {
    SendMessageW(created, EM_LIMITTEXT, 0, 0);  // no limit but the system's
  }
}

// The picture at a scale, drawn smoothly onto a bitmap of its own.
HBITMAP scaled_picture(HBITMAP picture, int dpi) {
  BITMAP size;
  if (picture == nullptr || GetObjectW(picture, sizeof size, &size) == 0) {
    return nullptr;
  }
  const int width = MulDiv(size.bmWidth, dpi, kDefaultDpi);
  const int height = MulDiv(size.bmHeight, dpi, kDefaultDpi);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP scaled = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (scaled == nullptr) {
    return nullptr;
  }
  const MemoryDc from(nullptr), to(nullptr);
  const Selected original(from.get(), picture), target(to.get(), scaled);
  SetStretchBltMode(to.get(), HALFTONE);
  SetBrushOrgEx(to.get(), 0, 0, nullptr);
  StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  return scaled;
}

void draw_picture(HDC dc) {
  HBITMAP shown = looks.scaled.get() != nullptr ? looks.scaled.get() : looks.picture.get();
  BITMAP size;
  GetObjectW(shown, sizeof size, &size);
  const MemoryDc picture_dc(dc);
  const Selected selected(picture_dc.get(), shown);
  BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, picture_dc.get(), 0, 0, SRCCOPY);
}

const ControlDesign* design_of(int id) {
  for (const ControlDesign& design : kDesign) {
    if (design.id == id) {
      return &design;
    }
  }
  return nullptr;
}

}  // namespace

SIZE form_window_size(DWORD style, DWORD extended_style, int dpi) {
  RECT frame{0, 0, to_pixels(kClientWidthTwips, dpi), to_pixels(kClientHeightTwips, dpi)};
  adjust_window_rect(frame, style, extended_style, dpi);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void create_form_controls(HWND form, int dpi) {
  looks.background = GdiObject<HBRUSH>(CreateSolidBrush(kBackgroundColour));
  looks.check_box = GdiObject<HBRUSH>(CreateSolidBrush(kCheckBoxColour));
  looks.picture =
      GdiObject<HBITMAP>(load_background_picture(GetModuleHandleW(nullptr), IDR_BACKGROUND));
  for (const ControlDesign& design : kDesign) {
    if (design.kind != ControlKind::kLabel) {
      create_control(form, design);
    }
  }
  lay_out_form(form, dpi);
}

void lay_out_form(HWND form, int dpi) {
  GdiObject<HFONT> fonts[] = {GdiObject<HFONT>(create_font(L"Verdana", dpi)),
                              GdiObject<HFONT>(create_font(L"Tahoma", dpi)),
                              GdiObject<HFONT>(create_font(L"MS Sans Serif", dpi))};
  for (const ControlDesign& design : kDesign) {
    if (design.kind != ControlKind::kLabel) {
      HWND control = GetDlgItem(form, design.id);
      const RECT place = to_rect(design.bounds, dpi);
      MoveWindow(control, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 FALSE);
      SendMessageW(control, WM_SETFONT,
                   reinterpret_cast<WPARAM>(fonts[static_cast<int>(design.font)].get()), TRUE);
    }
  }
  // The controls hold the new fonts now: the old ones go with `fonts`.
  std::swap(looks.fonts, fonts);
  looks.scaled =
      GdiObject<HBITMAP>(dpi != kDefaultDpi ? scaled_picture(looks.picture.get(), dpi) : nullptr);
  InvalidateRect(form, nullptr, TRUE);
}

void paint_form(HWND form, int dpi) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(form, &paint);
  RECT client;
  GetClientRect(form, &client);
  FillRect(dc, &client, looks.background.get());
  if (looks.picture.get() != nullptr) {
    draw_picture(dc);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kLabelColour);
  for (const ControlDesign& label : kDesign) {
    if (label.kind == ControlKind::kLabel && label.shown) {
      RECT place = to_rect(label.bounds, dpi);
      const Selected selected(dc, font(label.font));
      DrawTextW(dc, label.text, -1, &place, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
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
  return looks.check_box.get();
}

bool is_on_opts_label(POINT at, int dpi) {
  const RECT place = to_rect(design_of(kLabel5)->bounds, dpi);
  return PtInRect(&place, at) != FALSE;
}

POINT below_opts_label(HWND form, int dpi) {
  const RECT place = to_rect(design_of(kLabel5)->bounds, dpi);
  POINT corner{place.left, place.bottom};
  ClientToScreen(form, &corner);
  return corner;
}

}  // namespace tunelet::app
