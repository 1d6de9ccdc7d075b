#include "peer_common.h"

#include <shellapi.h>

namespace peers {
namespace {

std::wstring from_utf8(const std::string& bytes) {
  const int needed = MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, &text[0], needed);
  text.resize(text.size() - 1);
  return text;
}

}  // namespace

std::string to_utf8(const std::wstring& text) {
  const int needed =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &bytes[0], needed, nullptr, nullptr);
  bytes.resize(bytes.size() - 1);
  return bytes;
}

std::vector<std::wstring> arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) {
    args.emplace_back(words[i]);
  }
  LocalFree(words);
  return args;
}

std::wstring option(const std::vector<std::wstring>& args, const wchar_t* name,
                    const std::wstring& fallback) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == name) {
      return args[i + 1];
    }
  }
  return fallback;
}

void append_line(const std::wstring& path, const std::wstring& line) {
  if (path.empty()) {
    return;
  }
  if (FILE* file = _wfopen(path.c_str(), L"ab")) {
    const std::string bytes = to_utf8(line) + "\n";
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

std::vector<std::wstring> read_lines(const std::wstring& path) {
  std::vector<std::wstring> lines;
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) {
    return lines;
  }
  std::string line;
  for (int c = std::fgetc(file);; c = std::fgetc(file)) {
    if (c == EOF || c == '\n') {
      if (!line.empty() && line.back() == '\r') {
        line.pop_back();
      }
      if (!line.empty()) {
        lines.push_back(from_utf8(line));
      }
      line.clear();
      if (c == EOF) {
        break;
      }
    } else {
      line += static_cast<char>(c);
    }
  }
  std::fclose(file);
  return lines;
}

void register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                           int background) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background));
  window_class.lpszClassName = name;
  RegisterClassW(&window_class);
}

int run_message_loop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace peers
