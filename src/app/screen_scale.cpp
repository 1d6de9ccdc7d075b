#include "app/screen_scale.h"

#include "app/gdi_objects.h"

namespace tunelet::app {
namespace {

// A function of user32 that this Windows may lack, or nullptr.
template <typename Function>
Function from_user32(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int window_dpi(HWND window) {
  static const auto dpi_for_window = from_user32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  if (dpi_for_window != nullptr) {
    return static_cast<int>(dpi_for_window(window));
  }
  const MemoryDc screen(nullptr);  // like the screen's
  return GetDeviceCaps(screen.get(), LOGPIXELSX);
}

int system_metric(int index, int dpi) {
  static const auto metric_for_dpi = from_user32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  return metric_for_dpi != nullptr ? metric_for_dpi(index, static_cast<UINT>(dpi))
                                   : GetSystemMetrics(index);
}

void adjust_window_rect(RECT& rect, DWORD style, DWORD extended_style, int dpi) {
  static const auto adjust_for_dpi =
      from_user32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  if (adjust_for_dpi != nullptr) {
    adjust_for_dpi(&rect, style, FALSE, extended_style, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, extended_style);
  }
}

}  // namespace tunelet::app
