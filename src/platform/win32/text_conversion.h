// Program text to and from the single-byte text of the system code page,
// which is how text crosses to other programs' windows.
#pragma once

#include <string>

#include "platform/text.h"

namespace tunelet::win32 {

// Characters the code page lacks become its best fit or '?'.
std::string to_system_code_page(const Text& text);
Text from_system_code_page(const std::string& bytes);

// The program's text is UTF-16, like Windows' own wide text.
inline std::wstring to_wide(const Text& text) {
  return std::wstring(text.begin(), text.end());
}
inline Text from_wide(const std::wstring& text) {
  return Text(text.begin(), text.end());
}

}  // namespace tunelet::win32
