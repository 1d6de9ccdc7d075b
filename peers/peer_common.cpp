#include "peer_common.h"

#include <shellapi.h>

#include <cstdio>

namespace peers {

std::wstring option(const wchar_t* name, const wchar_t* fallback) {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring value = fallback;
  for (int i = 1; i + 1 < count; ++i) {
    if (lstrcmpW(words[i], name) == 0) {
      value = words[i + 1];
    }
  }
  LocalFree(words);
  return value;
}

void append_line(const std::wstring& path, const std::wstring& line) {
  FILE* file = path.empty() ? nullptr : _wfopen(path.c_str(), L"ab");
  if (file != nullptr) {
    char bytes[8192];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    std::fprintf(file, "%s\n", length > 0 ? bytes : "");
    std::fclose(file);
  }
}

void register_window_class(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = name;
  RegisterClassW(&window_class);
}

HWND add_child(HWND parent, const wchar_t* window_class, DWORD style, DWORD extended_style, int id,
               RECT place, const wchar_t* text) {
  HWND child = CreateWindowExW(
      extended_style, window_class, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return child;
}

int run_message_loop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace peers
