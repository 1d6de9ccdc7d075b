#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

constexpr int kLongestTitle = 1 << 24;  // characters read at most

HWND to_hwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
}

WindowHandle from_hwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(window));
}

bool has_class(HWND window, const Text& class_name) {
  wchar_t found[256];
  return GetClassNameW(window, found, 256) > 0 && lstrcmpiW(found, wide(class_name)) == 0;
}

// Sends and waits for the answer; nothing when none came in time.
std::optional<LRESULT> send_waiting(WindowHandle window, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT wait_ms) {
  DWORD_PTR answer = 0;
  if (window == kNoWindow || !SendMessageTimeoutW(to_hwnd(window), message, wparam, lparam,
                                                  SMTO_NORMAL, wait_ms, &answer)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(answer);
}

}  // namespace

// The window to start after is of the class searched for, which Wine's
// FindWindowEx needs.
WindowHandle Win32Desktop::find_window(const Text& class_name, WindowHandle after) {
  return from_hwnd(FindWindowExW(nullptr, to_hwnd(after), wide(class_name), nullptr));
}

// FindWindowEx under Wine finds nothing when the child to start after is of
// another class, so the children are walked here, as FindWindowEx documents.
WindowHandle Win32Desktop::find_child_window(WindowHandle parent, WindowHandle after,
                                             const Text& class_name) {
  HWND child = after != kNoWindow ? GetWindow(to_hwnd(after), GW_HWNDNEXT)
                                  : GetWindow(to_hwnd(parent), GW_CHILD);
  for (; child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (has_class(child, class_name)) {
      return from_hwnd(child);
    }
  }
  return kNoWindow;
}

std::optional<std::int32_t> Win32Desktop::send_message(WindowHandle window, std::uint32_t message,
                                                       std::uint32_t wparam, std::int32_t lparam,
                                                       std::uint32_t wait_ms) {
  const std::optional<LRESULT> answer = send_waiting(window, message, wparam, lparam, wait_ms);
  return answer ? std::optional<std::int32_t>(static_cast<std::int32_t>(*answer)) : std::nullopt;
}

bool Win32Desktop::is_hung(WindowHandle window) {
  return window != kNoWindow && IsHungAppWindow(to_hwnd(window)) != FALSE;
}

bool Win32Desktop::window_exists(WindowHandle window) {
  return window != kNoWindow && IsWindow(to_hwnd(window)) != FALSE;
}

// A window of another thread gets such a message in the same queue as those
// sent and waited for, in the order they were sent.
void Win32Desktop::send_without_waiting(WindowHandle window, std::uint32_t message,
                                        std::uint32_t wparam, std::int32_t lparam) {
  if (window != kNoWindow) {
    SendNotifyMessageW(to_hwnd(window), message, wparam, lparam);
  }
}

void Win32Desktop::post_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                                std::int32_t lparam) {
  if (window != kNoWindow) {
    PostMessageW(to_hwnd(window), message, wparam, lparam);
  }
}

// An edit box that cannot hold the text answers FALSE and keeps what it had.
std::optional<bool> Win32Desktop::set_window_text(WindowHandle window, const Text& text,
                                                  std::uint32_t wait_ms) {
  const std::optional<LRESULT> answer =
      send_waiting(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(text)), wait_ms);
  return answer ? std::optional<bool>(*answer != FALSE) : std::nullopt;
}

std::optional<Text> Win32Desktop::read_window_text(WindowHandle window, std::size_t longest,
                                                   std::uint32_t wait_ms) {
  Text text(longest + 1, u'\0');
  const std::optional<LRESULT> copied = send_waiting(
      window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(wide_buffer(text)), wait_ms);
  if (!copied) {
    return std::nullopt;
  }
  text.resize(
      static_cast<std::size_t>(std::clamp<LRESULT>(*copied, 0, static_cast<LRESULT>(longest))));
  return text;
}

// GetWindowText reads another program's title without sending it a message,
// so a hung player cannot stall the poll. The title may change between the
// two calls: what fits the length read first is taken.
Text Win32Desktop::window_title(WindowHandle window) {
  const int length =
      window == kNoWindow ? 0 : std::min(GetWindowTextLengthW(to_hwnd(window)), kLongestTitle);
  if (length <= 0) {
    return Text();
  }
  Text title(static_cast<std::size_t>(length) + 1, u'\0');
  const int copied = GetWindowTextW(to_hwnd(window), wide_buffer(title), length + 1);
  title.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
  return title;
}

std::uint16_t Win32Desktop::async_key_state(int virtual_key) {
  return static_cast<std::uint16_t>(GetAsyncKeyState(virtual_key));
}

// The record in its first form, which every version of Windows takes: a tip
// of 64 single-byte characters at most.
bool Win32Desktop::notify_icon(IconAction action, const TrayRecord& record) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = to_hwnd(record.window);
  data.uID = record.id;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = record.callback_message;
  data.hIcon = reinterpret_cast<HICON>(static_cast<UINT_PTR>(record.icon));
  constexpr std::size_t kTipSize = 64;
  const std::vector<char> tip = to_system_code_page(record.tip);
  std::memcpy(data.szTip, tip.data(), std::min(tip.size(), kTipSize));
  data.szTip[kTipSize - 1] = '\0';
  const DWORD message = action == IconAction::kAdd      ? NIM_ADD
                        : action == IconAction::kModify ? NIM_MODIFY
                                                        : NIM_DELETE;
  return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace tunelet::win32
