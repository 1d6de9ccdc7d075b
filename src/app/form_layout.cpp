#include "app/form_layout.h"

#include "app/background_picture.h"
#include "app/form_design.h"
#include "app/gdi_objects.h"
#include "app/resource_ids.h"

namespace tunelet::app {
namespace {

int dpi = 96;

// What the window is drawn with, for as long as it lives.
struct Looks {
  GdiObject<HFONT> fonts[3];
  GdiObject<HBRUSH> background;
  GdiObject<HBRUSH> check_box;
  GdiObject<HBITMAP> picture;
};
Looks looks;

int to_pixels(int twips) {
  return MulDiv(twips, dpi, 1440);
}

RECT to_rect(const Bounds& bounds) {
  return RECT{to_pixels(bounds.left), to_pixels(bounds.top), to_pixels(bounds.left + bounds.width),
              to_pixels(bounds.top + bounds.height)};
}

HFONT font(FontFace face) {
  return looks.fonts[static_cast<int>(face)].get();
}

HFONT create_font(const wchar_t* face) {
  // 8.25 points, regular.
  return CreateFontW(-MulDiv(825, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

void create_control(HWND form, const ControlDesign& design) {
  const RECT place = to_rect(design.bounds);
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
  HWND created = CreateWindowExW(extended_style, window_class, design.text, style, place.left,
                                 place.top, place.right - place.left, place.bottom - place.top,
                                 form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font(design.font)), FALSE);
  if (design.kind == ControlKind::kTextBox) {
    SendMessageW(created, EM_LIMITTEXT, 0, 0);  // no limit but the system's
  }
}

void draw_picture(HDC dc) {
  BITMAP size;
  GetObjectW(looks.picture.get(), sizeof size, &size);
  const MemoryDc picture_dc(dc);
  const Selected selected(picture_dc.get(), looks.picture.get());
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

SIZE form_window_size(DWORD style, DWORD extended_style) {
  HDC screen = GetDC(nullptr);
  dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  RECT frame{0, 0, to_pixels(kClientWidthTwips), to_pixels(kClientHeightTwips)};
  AdjustWindowRectEx(&frame, style, FALSE, extended_style);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void create_form_controls(HWND form) {
  looks.fonts[static_cast<int>(FontFace::kVerdana)] = GdiObject<HFONT>(create_font(L"Verdana"));
  looks.fonts[static_cast<int>(FontFace::kTahoma)] = GdiObject<HFONT>(create_font(L"Tahoma"));
  looks.fonts[static_cast<int>(FontFace::kMsSansSerif)] =
      GdiObject<HFONT>(create_font(L"MS Sans Serif"));
  looks.background = GdiObject<HBRUSH>(CreateSolidBrush(kBackgroundColour));
  looks.check_box = GdiObject<HBRUSH>(CreateSolidBrush(kCheckBoxColour));
  looks.picture =
      GdiObject<HBITMAP>(load_background_picture(GetModuleHandleW(nullptr), IDR_BACKGROUND));
  for (const ControlDesign& design : kDesign) {
    if (design.kind != ControlKind::kLabel) {
      create_control(form, design);
    }
  }
}

void paint_form(HWND form) {
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
      RECT place = to_rect(label.bounds);
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

bool is_on_opts_label(POINT at) {
  const RECT place = to_rect(design_of(kLabel5)->bounds);
  return PtInRect(&place, at) != FALSE;
}

}  // namespace tunelet::app
