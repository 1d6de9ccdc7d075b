#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {

std::vector<char> to_system_code_page(const Text& text) {
  const int size = static_cast<int>(text.size());
  const int needed =
      size == 0 ? 0
                : WideCharToMultiByte(CP_ACP, 0, wide(text), size, nullptr, 0, nullptr, nullptr);
  std::vector<char> bytes(static_cast<std::size_t>(needed > 0 ? needed : 0) + 1, '\0');
  if (needed > 0) {
    WideCharToMultiByte(CP_ACP, 0, wide(text), size, bytes.data(), needed, nullptr, nullptr);
  }
  return bytes;
}

Text own_window_text(HWND window) {
  Text text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  const int copied = GetWindowTextW(window, wide_buffer(text), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace tunelet::win32
