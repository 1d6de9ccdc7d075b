#include "platform/win32/win32_window_system.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

constexpr UINT kAnswerTimeoutMs = 1000;
constexpr DWORD kSilenceRemembered = 5000;     // ms; Windows itself calls a window hung after 5 s
constexpr std::size_t kLongestText = 1 << 24;  // characters asked for at most

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

}  // namespace

bool Win32WindowSystem::send_with_timeout(WindowHandle window, std::uint32_t message,
                                          std::uintptr_t wparam, std::intptr_t lparam,
                                          std::intptr_t* answer) {
  *answer = 0;
  if (window == silent_window_ && GetTickCount() - silent_since_ < kSilenceRemembered) {
    return false;
  }
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(to_hwnd(window), message, wparam, lparam, SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &result)) {
    silent_window_ = window;
    silent_since_ = GetTickCount();
    return false;
  }
  if (window == silent_window_) {
    silent_window_ = kNoWindow;
  }
  *answer = static_cast<std::intptr_t>(result);
  return true;
}

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
  std::intptr_t answer = 0;
  send_with_timeout(window, message, wparam, lparam, &answer);
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
  std::intptr_t answer = 0;
  return send_with_timeout(window, WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(bytes.data()),
                           &answer);
}

// GetWindowText reads another program's title without sending it a message,
// so a hung player cannot stall the poll. The title may change between the
// two calls: what fits the length read first is taken.
Text Win32WindowSystem::window_title(WindowHandle window) {
  const int length = window == kNoWindow ? 0
                                         : std::min(GetWindowTextLengthA(to_hwnd(window)),
                                                    static_cast<int>(kLongestText));
  if (length <= 0) {
    return Text();
  }
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(to_hwnd(window), buffer.data(), length + 1);
  return from_system_code_page(buffer.data(), copied);
}

// The length is not asked for first: under Wine that question waits for a
// hung window without a bound. The buffer grows until the text fits.
std::optional<Text> Win32WindowSystem::ask_window_text(WindowHandle window) {
  if (window == kNoWindow) {
    return std::nullopt;
  }
  for (std::size_t size = 1 << 16;; size *= 4) {
    std::vector<char> buffer(size, '\0');
    std::intptr_t copied = 0;
    if (!send_with_timeout(window, WM_GETTEXT, size, reinterpret_cast<std::intptr_t>(buffer.data()),
                           &copied)) {
      return std::nullopt;
    }
    if (static_cast<std::size_t>(copied) + 1 < size || size >= kLongestText) {
      return from_system_code_page(buffer.data(), static_cast<int>(copied));
    }
  }
}

std::uint16_t Win32WindowSystem::async_key_state(int virtual_key) {
  return static_cast<std::uint16_t>(GetAsyncKeyState(virtual_key));
}

void Win32WindowSystem::notify_icon(IconAction action, const TrayRecord& record) {
  NOTIFYICONDATAA data{};
  data.cbSize = record.size;
  data.hWnd = to_hwnd(record.window);
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callback_message;
  data.hIcon = reinterpret_cast<HICON>(static_cast<UINT_PTR>(record.icon));
  // The first form of the record has room for 64 characters of tip.
  constexpr std::size_t kTipSize = 64;
  const std::vector<char> tip = to_system_code_page(record.tip);
  std::memcpy(data.szTip, tip.data(), std::min(tip.size(), kTipSize));
  data.szTip[kTipSize - 1] = '\0';
  Shell_NotifyIconA(static_cast<DWORD>(action), &data);
}

}  // namespace tunelet::win32
