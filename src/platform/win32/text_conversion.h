// Program text on Win32. The program's text is UTF-16 like Windows' wide
// text, so it passes to the wide API as it is. The notification icon's tip
// alone goes in single-byte text, in the system code page.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/text.h"

namespace tunelet::win32 {

// NUL-terminated; characters the code page lacks become its best fit or '?'.
std::vector<char> to_system_code_page(const Text& text);

inline const wchar_t* wide(const Text& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline wchar_t* wide_buffer(Text& text) {
  return reinterpret_cast<wchar_t*>(&text[0]);
}
inline Text from_wide(const wchar_t* text) {
  return Text(reinterpret_cast<const char16_t*>(text));
}

// The text of one of the program's own windows.
Text own_window_text(HWND window);

}  // namespace tunelet::win32
