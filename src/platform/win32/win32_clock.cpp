#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

using TickCount64 = ULONGLONG(WINAPI*)();

// GetTickCount64 arrived with Vista; on XP it is missing.
TickCount64 tick_count_64() {
  static const TickCount64 function = reinterpret_cast<TickCount64>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
  return function;
}

}  // namespace

std::uint64_t Win32Clock::milliseconds_since_start() {
  if (TickCount64 function = tick_count_64()) {
    return function();
  }
  return widener_.widen(GetTickCount());
}

void Win32Clock::keep_wrap_count() {
  if (tick_count_64() == nullptr) {
    widener_.widen(GetTickCount());
  }
}

Text Win32Clock::time_text() {
  wchar_t text[128] = L"";
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 128);
  return from_wide(text);
}

Text Win32Clock::date_text() {
  wchar_t text[128] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 128);
  return from_wide(text);
}

}  // namespace tunelet::win32
