#include "platform/win32/text_conversion.h"

#include <windows.h>

namespace tunelet::win32 {

std::string to_system_code_page(const Text& text) {
  if (text.empty()) {
    return std::string();
  }
  const std::wstring wide = to_wide(text);
  const int size = static_cast<int>(wide.size());
  const int needed =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
  if (needed > 0) {
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, &bytes[0], needed, nullptr, nullptr);
  }
  return bytes;
}

Text from_system_code_page(const std::string& bytes) {
  if (bytes.empty()) {
    return Text();
  }
  const int size = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
  if (needed > 0) {
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &wide[0], needed);
  }
  return from_wide(wide);
}

}  // namespace tunelet::win32
