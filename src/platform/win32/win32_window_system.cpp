#include "platform/win32/win32_window_system.h"

#include <windows.h>

#include <vector>

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

constexpr UINT kAnswerTimeoutMs = 1000;

HWND to_hwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
}

WindowHandle from_hwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(window));
}

bool has_class(HWND window, const char* class_name) {
  char found[256];
  return GetClassNameA(window, found, sizeof found) > 0 && lstrcmpiA(found, class_name) == 0;
}

// Sends and waits for the answer, but never longer than the timeout and not
// at all to a window that has stopped answering. False when no answer came.
bool send_with_timeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* answer) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                           &result)) {
    *answer = 0;
    return false;
  }
  *answer = static_cast<LRESULT>(result);
  return true;
}

}  // namespace

WindowHandle Win32WindowSystem::find_window(const Text& class_name) {
  return from_hwnd(FindWindowA(to_system_code_page(class_name).data(), nullptr));
}

// FindWindowEx under Wine finds nothing when the child to start after is of
// another class, so the children are walked here, as FindWindowEx documents.
WindowHandle Win32WindowSystem::find_child_window(WindowHandle parent, WindowHandle after,
                                                  const Text& class_name) {
  const std::vector<char> wanted = to_system_code_page(class_name);
  HWND child = nullptr;
  if (after != kNoWindow) {
    child = GetWindow(to_hwnd(after), GW_HWNDNEXT);
  } else if (parent != kNoWindow) {
    child = GetWindow(to_hwnd(parent), GW_CHILD);
  } else {
    child = GetTopWindow(nullptr);
  }
  for (; child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (has_class(child, wanted.data())) {
      return from_hwnd(child);
    }
  }
  return kNoWindow;
}

std::int32_t Win32WindowSystem::send_message(WindowHandle window, std::uint32_t message,
                                             std::uint32_t wparam, std::int32_t lparam) {
  if (window == kNoWindow) {
    return 0;
  }
  LRESULT answer = 0;
  send_with_timeout(to_hwnd(window), message, wparam, lparam, &answer);
  return static_cast<std::int32_t>(answer);
}

void Win32WindowSystem::post_message(WindowHandle window, std::uint32_t message,
                                     std::uint32_t wparam, std::int32_t lparam) {
  if (window != kNoWindow) {
    PostMessageA(to_hwnd(window), message, wparam, lparam);
  }
}

bool Win32WindowSystem::set_window_text(WindowHandle window, const Text& text) {
  if (window == kNoWindow) {
    return false;
  }
  const std::vector<char> bytes = to_system_code_page(text);
  LRESULT answer = 0;
  return send_with_timeout(to_hwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.data()),
                           &answer);
}

// GetWindowText reads another program's title without sending it a message,
// so a hung player cannot stall the poll.
std::int32_t Win32WindowSystem::window_text_length(WindowHandle window) {
  if (window == kNoWindow) {
    return 0;
  }
  return GetWindowTextLengthA(to_hwnd(window));
}

Text Win32WindowSystem::window_text(WindowHandle window, std::int32_t buffer_size) {
  if (window == kNoWindow || buffer_size <= 0) {
    return Text();
  }
  std::vector<char> buffer(static_cast<std::size_t>(buffer_size), '\0');
  const int copied = GetWindowTextA(to_hwnd(window), buffer.data(), buffer_size);
  return from_system_code_page(buffer.data(), copied);
}

std::uint16_t Win32WindowSystem::async_key_state(int virtual_key) {
  return static_cast<std::uint16_t>(GetAsyncKeyState(virtual_key));
}

}  // namespace tunelet::win32
