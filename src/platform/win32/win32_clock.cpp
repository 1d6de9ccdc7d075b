#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

// GetTickCount64 arrived with Vista; on XP it is missing.
const auto kTickCount64 = reinterpret_cast<ULONGLONG(WINAPI*)()>(
    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));

std::uint64_t tick_count_64() {
  return kTickCount64();
}

std::uint32_t tick_count_32() {
  return GetTickCount();
}

}  // namespace

Win32Clock::Win32Clock()
    : ticks_(kTickCount64 != nullptr ? tick_count_64 : nullptr, tick_count_32) {}

std::uint64_t Win32Clock::milliseconds_since_start() {
  return ticks_.now();
}

// The system keeps the last input's time as a 32-bit tick count, which is
// behind the count now by less than a wrap.
std::uint64_t Win32Clock::last_input() {
  LASTINPUTINFO input{};
  input.cbSize = sizeof input;
  const std::uint64_t now = ticks_.now();
  if (!GetLastInputInfo(&input)) {
    return 0;
  }
  const std::uint32_t ago = GetTickCount() - input.dwTime;
  return now > ago ? now - ago : 0;
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
