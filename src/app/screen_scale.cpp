#include "app/screen_scale.h"

#include "app/gdi_objects.h"

namespace tunelet::app {
namespace {

// A function of a system DLL that this Windows may lack, or nullptr. The DLL
// is loaded from the system's folder only (on XP, which lacks the flag,
// nothing is: none of these is there).
template <typename Function>
Function from_system(const wchar_t* dll, const char* name) {
  HMODULE module = GetModuleHandleW(dll);
  module = module != nullptr ? module : LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module == nullptr ? nullptr
                           : reinterpret_cast<Function>(
                                 reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

HWND to_hwnd(ScreenScale::Window window) {
  return reinterpret_cast<HWND>(window);
}

const auto kDpiForWindow = from_system<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
const auto kDpiForMonitor =
    from_system<HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*)>(L"shcore.dll", "GetDpiForMonitor");
const auto kMetricForDpi =
    from_system<int(WINAPI*)(int, UINT)>(L"user32.dll", "GetSystemMetricsForDpi");
const auto kAdjustForDpi = from_system<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(
    L"user32.dll", "AdjustWindowRectExForDpi");

unsigned dpi_for_window(ScreenScale::Window window) {
  return kDpiForWindow(to_hwnd(window));
}

unsigned dpi_for_monitor(ScreenScale::Window window) {
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose
  UINT x = 0, y = 0;
  HMONITOR monitor = MonitorFromWindow(to_hwnd(window), MONITOR_DEFAULTTONEAREST);
  return SUCCEEDED(kDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) ? x : 0;
}

int metric_for_dpi(int index, unsigned dpi) {
  return kMetricForDpi(index, dpi);
}

unsigned screen_dpi() {
  const MemoryDc screen(nullptr);  // like the screen's
  return static_cast<unsigned>(GetDeviceCaps(screen.get(), LOGPIXELSX));
}

int metric(int index) {
  return GetSystemMetrics(index);
}

const ScreenScale kScale({kDpiForWindow != nullptr ? dpi_for_window : nullptr,
                          kDpiForMonitor != nullptr ? dpi_for_monitor : nullptr,
                          kMetricForDpi != nullptr ? metric_for_dpi : nullptr, screen_dpi, metric});

}  // namespace

int window_dpi(HWND window) {
  return kScale.window_dpi(reinterpret_cast<ScreenScale::Window>(window));
}

int system_metric(int index, int dpi) {
  return kScale.system_metric(index, dpi);
}

void adjust_window_rect(RECT& rect, DWORD style, DWORD extended_style, int dpi) {
  if (kAdjustForDpi != nullptr) {
    kAdjustForDpi(&rect, style, FALSE, extended_style, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, extended_style);
  }
}

}  // namespace tunelet::app
