#include "app/form_layout.h"

#include "app/background_picture.h"
#include "app/form_design.h"
#include "app/resource_ids.h"

namespace tunelet::app {
namespace {

int dpi = 96;
HFONT fonts[3] = {};
HBRUSH background_brush = nullptr;
HBRUSH check_box_brush = nullptr;
HBITMAP picture = nullptr;

int to_pixels(int twips) {
  return MulDiv(twips, dpi, 1440);
}

RECT to_rect(const Bounds& bounds) {
  return RECT{to_pixels(bounds.left), to_pixels(bounds.top), to_pixels(bounds.left + bounds.width),
              to_pixels(bounds.top + bounds.height)};
}

HFONT font(FontFace face) {
  return fonts[static_cast<int>(face)];
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
  GetObjectW(picture, sizeof size, &size);
  HDC picture_dc = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(picture_dc, picture);
  BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, picture_dc, 0, 0, SRCCOPY);
  SelectObject(picture_dc, previous);
  DeleteDC(picture_dc);
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
  fonts[static_cast<int>(FontFace::kVerdana)] = create_font(L"Verdana");
  fonts[static_cast<int>(FontFace::kTahoma)] = create_font(L"Tahoma");
  fonts[static_cast<int>(FontFace::kMsSansSerif)] = create_font(L"MS Sans Serif");
  background_brush = CreateSolidBrush(kBackgroundColour);
  check_box_brush = CreateSolidBrush(kCheckBoxColour);
  picture = load_background_picture(GetModuleHandleW(nullptr), IDR_BACKGROUND);
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
  FillRect(dc, &client, background_brush);
  if (picture != nullptr) {
    draw_picture(dc);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kLabelColour);
  for (const ControlDesign& label : kDesign) {
    if (label.kind == ControlKind::kLabel && label.shown) {
      RECT place = to_rect(label.bounds);
      HGDIOBJ previous = SelectObject(dc, font(label.font));
      DrawTextW(dc, label.text, -1, &place, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
      SelectObject(dc, previous);
    }
  }
  EndPaint(form, &paint);
}

HBRUSH control_background(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  if (id != kCheck1 && id != kCheck2 && id != kCheck4) {
    return nullptr;
  }
  SetBkColor(dc, kCheckBoxColour);
  return check_box_brush;
}

bool is_on_opts_label(POINT at) {
  for (const ControlDesign& label : kDesign) {
    const RECT place = to_rect(label.bounds);
    if (label.id == kLabel5 && PtInRect(&place, at)) {
      return true;
    }
  }
  return false;
}

}  // namespace tunelet::app
