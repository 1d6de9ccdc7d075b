// The main window, made in this process, told ten times that it moved to a
// monitor of another scale (WM_DPICHANGED with the rectangle Windows
// suggests, which only a message from inside the process can carry), back
// and forth between 100% and 150%. After each change: it takes the
// rectangle, the picture reaches every edge of its client area, and the
// controls show the type of the new scale in fonts that exist. After all
// ten: it is as it was. Run by the end-to-end suite; exits 1 at the first
// failure, saying what failed.
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

void expect(bool holds, const char* what, int dpi) {
  if (!holds) {
    std::printf("scale change to %d dpi: %s\n", dpi, what);
    std::exit(1);
  }
}

void handle_messages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageW(&message);
  }
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

// The character height of a control's font, 0 when it has none that exists.
int font_height(HWND form, ControlId id) {
  LOGFONTW font{};
  HGDIOBJ held = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(form, id, WM_GETFONT, 0, 0));
  return GetObjectW(held, sizeof font, &font) == sizeof font ? font.lfHeight : 0;
}

struct Seen {
  RECT window;
  int fonts[2];
};

Seen seen(HWND form) {
  Seen now{{}, {font_height(form, kText4), font_height(form, kCheck1)}};
  GetWindowRect(form, &now.window);
  return now;
}

}  // namespace

int wmain() {
  static win32::Win32Platform platform;
  static ProgramState state;
  HWND form = create_main_window(GetModuleHandleW(nullptr), platform, state);
  expect(form != nullptr, "no window", 0);
  const int first_dpi = window_dpi(form);
  handle_messages();
  const Seen before = seen(form);
  for (int change = 1; change <= 10; ++change) {
    const int dpi = change % 2 == 1 ? first_dpi * 3 / 2 : first_dpi;
    const SIZE size = form_window_size(static_cast<DWORD>(GetWindowLongW(form, GWL_STYLE)),
                                       static_cast<DWORD>(GetWindowLongW(form, GWL_EXSTYLE)), dpi);
    const RECT suggested{before.window.left + change % 2 * 40, before.window.top,
                         before.window.left + change % 2 * 40 + size.cx,
                         before.window.top + size.cy};
    SendMessageW(form, kDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    SetForegroundWindow(form);
    UpdateWindow(form);
    handle_messages();
    const Seen now = seen(form);
    expect(EqualRect(&now.window, &suggested) != FALSE, "the suggested rectangle not taken", dpi);
    const int height = form_geometry(dpi).font_height;
    expect(now.fonts[0] == height && now.fonts[1] == height, "fonts not of the scale", dpi);
    expect(picture_reaches_the_edges(form), "the picture short of an edge", dpi);
  }
  const Seen after = seen(form);
  expect(EqualRect(&after.window, &before.window) != FALSE && after.fonts[0] == before.fonts[0] &&
             after.fonts[1] == before.fonts[1],
         "not as it was after ten changes", first_dpi);
  std::printf("the window followed ten changes of scale between %d and %d dpi\n", first_dpi,
              first_dpi * 3 / 2);
  return 0;
}
