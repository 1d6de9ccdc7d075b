#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/tick_count.h"
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
  const std::uint32_t tick = GetTickCount();
  const WideTickCount wide = widen_tick_count(last_tick_, tick, wraps_);
  last_tick_ = tick;
  wraps_ = wide.wraps;
  return wide.milliseconds;
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
