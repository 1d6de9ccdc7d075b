// The main window, made in this process at the screen's scale (the dots per
// inch given as the argument), then told ten times that it moved to a
// monitor of another scale (WM_DPICHANGED with the rectangle Windows
// suggests, which only a message from inside the process can carry), back
// and forth between that scale and 100%. At the start and after each
// change: it has the size of the scale, or takes the rectangle, the
// controls are at their places, the picture reaches every edge of the client area,
// and the controls show the type of the scale in fonts that exist. After
// all ten: it is as it was. Run by the end-to-end suite; exits 1 at the
// first failure, saying what failed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/form_design.h"
#include "app/form_layout.h"
#include "app/main_window.h"
#include "app/screen_scale.h"
#include "shell/form_geometry.h"

using namespace tunelet;
using namespace tunelet::app;

namespace {

win32::Win32Platform platform;
ProgramState state;

void expect(bool holds, const char* what, int dpi) {
  if (!holds) {
    std::printf("scale change to %d dpi: %s\n", dpi, what);
    std::exit(1);
  }
}

// The width of an icon's image.
int icon_width(HICON icon) {
  ICONINFO info{};
  BITMAP image{};
  GetIconInfo(icon, &info);
  GetObjectW(info.hbmColor, sizeof image, &image);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return image.bmWidth;
}

// Every pixel along the client area's right and bottom edges unlike the
// bare fill: the picture's.
bool picture_reaches_the_edges(HWND form) {
  RECT client{};
  GetClientRect(form, &client);
  HDC dc = GetDC(form);
  int unlike = 255;
  for (int at = 0; at < client.bottom; ++at) {
    for (const POINT edge : {POINT{client.right - 1, at}, POINT{at, client.bottom - 1}}) {
      const COLORREF pixel = GetPixel(dc, edge.x, edge.y);
      unlike = std::min(unlike, std::abs(GetRValue(pixel) - GetRValue(kBackgroundColour)) +
                                    std::abs(GetGValue(pixel) - GetGValue(kBackgroundColour)) +
                                    std::abs(GetBValue(pixel) - GetBValue(kBackgroundColour)));
    }
  }
  ReleaseDC(form, dc);
  return unlike > 4;
}

// The window laid out at a scale: the place of the template box, the type
// and the picture; at the screen's scale, the size of its client area too
// (Wine draws every frame at that scale). Where the window is.
RECT laid_out(HWND form, int dpi, bool at_screen_scale) {
  SetForegroundWindow(form);
  UpdateWindow(form);
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    DispatchMessageW(&message);
  }
  const FormGeometry geometry = form_geometry(dpi);
  LOGFONTW font{};  // of the template box, which must exist
  GetObjectW(reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(form, kText4, WM_GETFONT, 0, 0)),
             sizeof font, &font);
  RECT window{}, client{}, text4{};
  GetWindowRect(form, &window);
  GetClientRect(form, &client);
  GetWindowRect(GetDlgItem(form, kText4), &text4);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&text4), 2);
  expect((!at_screen_scale ||
          (client.right == geometry.client_width && client.bottom == geometry.client_height)) &&
             text4.left == place_of(kText4, dpi).left &&
             text4.bottom == place_of(kText4, dpi).bottom,
         "the client area, or a control, not laid out at the scale", dpi);
  expect(font.lfHeight == geometry.font_height, "fonts not of the scale", dpi);
  expect(picture_reaches_the_edges(form), "the picture short of an edge", dpi);
  const int small = system_metric(SM_CXSMICON, dpi);
  expect(
      icon_width(reinterpret_cast<HICON>(SendMessageW(form, WM_GETICON, ICON_SMALL, 0))) == small &&
          icon_width(reinterpret_cast<HICON>(
              static_cast<UINT_PTR>(platform.runtime.tray_icon()))) == small,
      "the small icons not drawn for the scale", dpi);
  return window;
}

}  // namespace

int wmain(int arguments, wchar_t** argument) {
  HWND form = create_main_window(GetModuleHandleW(nullptr), platform, state);
  const int first_dpi = window_dpi(form);
  expect(arguments < 2 || first_dpi == _wtoi(argument[1]), "not started at the screen's scale",
         first_dpi);
  const RECT before = laid_out(form, first_dpi, true);
  const int other_dpi = first_dpi == kDefaultDpi ? kDefaultDpi * 3 / 2 : kDefaultDpi;
  for (int change = 1; change <= 10; ++change) {
    const int dpi = change % 2 == 1 ? other_dpi : first_dpi;
    const SIZE size = form_window_size(static_cast<DWORD>(GetWindowLongW(form, GWL_STYLE)),
                                       static_cast<DWORD>(GetWindowLongW(form, GWL_EXSTYLE)), dpi);
    const LONG left = before.left + change % 2 * 40;
    const RECT suggested{left, before.top, left + size.cx, before.top + size.cy};
    SendMessageW(form, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    const RECT now = laid_out(form, dpi, false);
    expect(EqualRect(&now, &suggested) != FALSE, "the suggested rectangle not taken", dpi);
  }
  const RECT after = laid_out(form, first_dpi, true);
  expect(EqualRect(&after, &before) != FALSE, "not as it was after ten changes", first_dpi);
  std::printf("the window followed ten changes of scale between %d and %d dpi\n", first_dpi,
              other_dpi);
  return 0;
}
