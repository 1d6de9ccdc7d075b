// Driving the real programs as a user would: starting them, finding their
// windows and boxes, reading their text, the settings in the registry, and
// real mouse and keyboard input.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form_design.h"
#include "peer_common.h"
#include "player/player_link.h"

namespace e2e {

inline bool wait_until(const std::function<bool()>& condition, DWORD milliseconds = 10000) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
    if (GetTickCount() - start >= milliseconds) {
      return false;
    }
  }
  return true;
}

// tunelet.exe or a stand-in, from the programs' folder; ended, if it still
// runs, when this goes.
struct Process {
  PROCESS_INFORMATION info{};
  explicit Process(const wchar_t* program) {
    wchar_t folder[MAX_PATH] = L".";
    GetEnvironmentVariableW(L"TUNELET_PROGRAMS", folder, MAX_PATH);
    std::wstring command_line = std::wstring(folder) + L"\\" + program;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(nullptr, &command_line[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                   &info);
  }
  ~Process() {
    TerminateProcess(info.hProcess, 1);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
  bool ends_within(DWORD milliseconds) const {
    return WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0;
  }
  // A visible top-level window of the process with this class (and title,
  // when given); waits for it.
  HWND window(const wchar_t* window_class, const wchar_t* title = nullptr,
              DWORD milliseconds = 10000) const {
    HWND found = nullptr;
    wait_until(
        [&] {
          for (found = FindWindowExW(nullptr, nullptr, window_class, title); found != nullptr;
               found = FindWindowExW(nullptr, found, window_class, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == info.dwProcessId && IsWindowVisible(found)) {
              return true;
            }
          }
          return false;
        },
        milliseconds);
    return found;
  }
};

// The window's text, asked for with WM_GETTEXT; empty when it does not answer.
inline std::wstring text_of(HWND window) {
  std::wstring text(1 << 16, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  return text.substr(0, copied);
}

inline std::wstring box_text(HWND box) {
  return text_of(GetDlgItem(box, 0xFFFF));  // a message box's prompt
}

const wchar_t kSettings[] = L"Software\\VB and VBA Program Settings\\Tunelet\\Main";

// The stored settings: values of text, nullptr for none.
inline void store_settings(const wchar_t* string, const wchar_t* enabled, const wchar_t* save_it) {
  const wchar_t* names[] = {L"String", L"Enabled", L"SaveIt"};
  const wchar_t* values[] = {string, enabled, save_it};
  for (int i = 0; i < 3; ++i) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, names[i]);
    if (values[i] != nullptr) {
      RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, names[i], REG_SZ, values[i],
                      static_cast<DWORD>((lstrlenW(values[i]) + 1) * sizeof(wchar_t)));
    }
  }
}

inline std::wstring stored(const wchar_t* name) {
  wchar_t value[1024] = L"(none)";
  DWORD size = sizeof value;
  RegGetValueW(HKEY_CURRENT_USER, kSettings, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

// A real click at a point of the window's client area, by default its middle.
inline void click(HWND window, bool right = false, int x = -1, int y = -1) {
  RECT client;
  GetClientRect(window, &client);
  POINT at{x < 0 ? client.right / 2 : x, y < 0 ? client.bottom / 2 : y};
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  Sleep(50);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

// The OK or Cancel button of a box, pressed; true when the box went.
inline bool press(HWND box, int button) {
  click(GetDlgItem(box, button));
  return wait_until([&] { return !IsWindow(box); }, 5000);
}

// Real keys, held down together for a while.
inline void hold_keys(std::initializer_list<WORD> keys, DWORD milliseconds = 150) {
  std::vector<INPUT> input(keys.size() * 2);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    input[i].type = input[input.size() - 1 - i].type = INPUT_KEYBOARD;
    input[i].ki.wVk = input[input.size() - 1 - i].ki.wVk = keys.begin()[i];
    input[input.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(static_cast<UINT>(keys.size()), input.data(), sizeof(INPUT));
  Sleep(milliseconds);
  SendInput(static_cast<UINT>(keys.size()), &input[keys.size()], sizeof(INPUT));
  Sleep(50);
}

// Tunelet beside the stand-in chat room and player, started in that order.
struct Session {
  Process chat{L"standin_chat.exe"};
  HWND chat_window = chat.window(L"AIM_ChatWnd");
  Process player{L"standin_player.exe"};
  HWND player_window = player.window(L"Winamp v1.x");
  std::unique_ptr<Process> tunelet = std::make_unique<Process>(L"tunelet.exe");
  HWND form = tunelet->window(tunelet::app::kFormClass);

  void restart_tunelet() {
    tunelet = std::make_unique<Process>(L"tunelet.exe");
    form = tunelet->window(tunelet::app::kFormClass);
  }
  HWND control(int id) const { return GetDlgItem(form, id); }
  int checked(int id) const {
    DWORD_PTR value = 0;
    SendMessageTimeoutW(control(id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &value);
    return static_cast<int>(value);
  }
  // The chat room's lines, each ended with CR LF.
  std::vector<std::wstring> transcript() const {
    std::vector<std::wstring> lines;
    const std::wstring text =
        text_of(FindWindowExW(chat_window, nullptr, L"WndAte32Class", nullptr));
    for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2) {
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }
  bool wait_for_lines(std::size_t count) const {
    return wait_until([&] { return transcript().size() >= count; });
  }
  // Another participant's line, put in through the chat room's own box.
  void say(const wchar_t* sender, const wchar_t* line) const {
    SetDlgItemTextW(chat_window, peers::kSenderBox, sender);
    SetDlgItemTextW(chat_window, peers::kLineBox, line);
    SendMessageW(GetDlgItem(chat_window, peers::kSayButton), BM_CLICK, 0, 0);
  }
  void next_song() const {
    PostMessageW(player_window, WM_COMMAND, tunelet::player_command::kNext, 0);
  }
  // The commands the player received, one a line.
  std::wstring player_received() const {
    const std::wstring status = text_of(GetDlgItem(player_window, peers::kPlayerStatus));
    return status.substr(std::min(status.find(L"\r\n") + 2, status.size()));
  }
};

}  // namespace e2e
