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

namespace e2e {

// Asks `condition` every 50 ms until it holds, or the time is up.
inline bool wait_until(const std::function<bool()>& condition, DWORD milliseconds = 10000) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
    if (GetTickCount() - start >= milliseconds) {
      return false;
    }
  }
  return true;
}

// tunelet.exe or a stand-in, from the programs' folder, ended with this.
struct Process {
  PROCESS_INFORMATION info{};
  explicit Process(const wchar_t* program) {
    wchar_t folder[MAX_PATH] = L".";
    GetEnvironmentVariableW(L"TUNELET_PROGRAMS", folder, MAX_PATH);
    std::wstring command = std::wstring(folder) + L"\\" + program;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(nullptr, &command[0], nullptr, nullptr, 0, 0, nullptr, folder, &startup, &info);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() {
    TerminateProcess(info.hProcess, 1);
    ends_within(5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  bool ends_within(DWORD milliseconds) const {
    return WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0;
  }
};

// The visible top-level window of this class (and title), once there, past
// hidden ones of the class and the one `other`. Each session's programs are
// the only ones of their kind.
inline HWND find(const wchar_t* window_class, const wchar_t* title = nullptr,
                 DWORD milliseconds = 10000, HWND other = nullptr) {
  HWND found = nullptr;
  wait_until(
      [&] {
        while ((found = FindWindowExW(nullptr, found, window_class, title)) &&
               (!IsWindowVisible(found) || found == other)) {
        }
        return found != nullptr;
      },
      milliseconds);
  return found;
}

// The window's text, asked for with WM_GETTEXT; empty when it does not answer.
inline std::wstring text_of(HWND window) {
  std::wstring text(1 << 16, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  return text.substr(0, copied);
}

// A window's title, read without a message to it.
inline std::wstring title_of(HWND window) {
  wchar_t title[256] = L"";
  GetWindowTextW(window, title, 256);
  return title;
}

// The information icon's control in Wine's message box.
constexpr int kWineBoxIcon = 1088;

const wchar_t kSettings[] = L"Software\\VB and VBA Program Settings\\Tunelet\\Main";

// The stored settings: String, Enabled and SaveIt as text, nullptr for none.
inline void store_settings(std::initializer_list<const wchar_t*> values) {
  const wchar_t* const* value = values.begin();
  for (const wchar_t* name : {L"String", L"Enabled", L"SaveIt"}) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettings, name);
    if (const wchar_t* text = *value++) {
      RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, name, REG_SZ, text, 2 * (lstrlenW(text) + 1));
    }
  }
}

inline std::wstring stored(const wchar_t* name) {
  wchar_t value[1024] = L"(none)";
  DWORD size = sizeof value;
  RegGetValueW(HKEY_CURRENT_USER, kSettings, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

// Real input: a click at a point of a window (by default its middle), and
// keys held down together for a while.
inline void click(HWND window, bool right = false, POINT at = {-1, -1}) {
  RECT client{};
  GetClientRect(window, &client);
  at = at.x < 0 ? POINT{client.right / 2, client.bottom / 2} : at;
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  Sleep(50);
  INPUT input[2] = {{INPUT_MOUSE, {}}, {INPUT_MOUSE, {}}};
  input[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}
// Keys held down together until `done` (by default, a moment), then let go:
// a user holds a chord until the program has seen it, and the keyboard
// repeats the presses meanwhile (Wine may count keys up again when it reads
// the keyboard anew, as after a change of focus).
inline bool hold_keys(
    std::initializer_list<WORD> keys, const std::function<bool()>& done = [] { return true; }) {
  std::vector<INPUT> input(2 * keys.size(), INPUT{INPUT_KEYBOARD, {}});
  for (std::size_t i = 0; i < keys.size(); ++i) {
    input[i].ki.wVk = input[input.size() - 1 - i].ki.wVk = keys.begin()[i];
    input[keys.size() + i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  bool seen = false;
  for (const DWORD start = GetTickCount(); !seen && GetTickCount() - start < 10000;) {
    SendInput(static_cast<UINT>(keys.size()), input.data(), sizeof(INPUT));
    Sleep(30);
    seen = wait_until(done, 200);
  }
  SendInput(static_cast<UINT>(keys.size()), &input[keys.size()], sizeof(INPUT));
  Sleep(50);
  return seen;
}

// An item of the open menu, one of `items` of the same height, chosen with
// the mouse, and clicked again as a user would while the menu stays open.
inline void choose(int item, int items) {
  HWND menu = find(L"#32768");
  for (const DWORD start = GetTickCount();
       IsWindowVisible(menu) && GetTickCount() - start < 10000;) {
    RECT inside{};
    GetClientRect(menu, &inside);
    click(menu, false, {inside.right / 2, inside.bottom * (2 * item + 1) / (2 * items)});
    wait_until([&] { return !IsWindowVisible(menu); }, 1000);
  }
}

// A box's button pressed with the mouse; true when the box went.
inline bool press(HWND box, int button) {
  click(GetDlgItem(box, button));
  return box != nullptr && wait_until([&] { return !IsWindow(box); }, 5000);
}

// Tunelet beside the stand-in chat room and player, started in that order
// (with what `before_tunelet` does to the peers once they are there); the
// chat room's lines as it shows them, 'TuneFan: np: Song'.
struct Session {
  Process chat{L"standin_chat.exe"};
  HWND chat_window = find(L"AIM_ChatWnd");
  std::unique_ptr<Process> player;
  HWND player_window = start_player();
  std::unique_ptr<Process> tunelet;
  HWND form = nullptr;

  explicit Session(const std::function<void(Session&)>& before_tunelet = nullptr) {
    before_tunelet ? before_tunelet(*this) : void();
    start_tunelet();
  }

  HWND start_player() {
    player = std::make_unique<Process>(L"standin_player.exe");
    return player_window = find(L"Winamp v1.x");
  }
  HWND start_tunelet() {
    tunelet.reset();  // one Tunelet a session: the one before ends first
    tunelet = std::make_unique<Process>(L"tunelet.exe");
    return form = find(tunelet::app::kFormClass);
  }

  HWND control(int id) const { return GetDlgItem(form, id); }
  HWND input() const {  // the chat room's input box, its second text box
    return FindWindowExW(chat_window,
                         FindWindowExW(chat_window, nullptr, L"WndAte32Class", nullptr),
                         L"WndAte32Class", nullptr);
  }
  int checked(int id) const {  // answered even while Tunelet waits for a peer
    return static_cast<int>(SendMessageW(control(id), BM_GETCHECK, 0, 0));
  }

  // The chat room's lines, each ended with CR LF; none while it does not answer.
  std::vector<std::wstring> transcript() const {
    std::vector<std::wstring> lines;
    std::wstring text = text_of(FindWindowExW(chat_window, nullptr, L"WndAte32Class", nullptr));
    for (std::size_t end; (end = text.find(L"\r\n")) != std::wstring::npos;
         text.erase(0, end + 2)) {
      lines.push_back(text.substr(0, end));
    }
    return lines;
  }
  // Whether the room comes to show exactly this many lines: false when
  // fewer come in time, or more.
  bool wait_for_lines(std::size_t count) const {
    std::size_t shown = 0;
    return wait_until([&] { return (shown = transcript().size()) >= count; }) && shown == count;
  }
  // A command or test hook for the player or the chat room, handled once
  // the peer has done what it was asked before; the peer's answer.
  static LRESULT tell(HWND peer, WPARAM command, LPARAM value = 0) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(peer, WM_COMMAND, command, value, SMTO_NORMAL, 30000, &answer);
    return static_cast<LRESULT>(answer);
  }
  // Texts other programs set into the chat room's input box (WM_SETTEXT),
  // or their reads of it since its user acted (WM_GETTEXT).
  LRESULT counted(UINT message) const { return tell(chat_window, peers::kCount, message); }
  void next_song() const { tell(player_window, peers::player::kNext); }
  // The chat room is taking a message late: another program waits for it.
  bool room_answers_late(DWORD milliseconds = 10000) const {
    return wait_until([&] { return title_of(chat_window) == peers::kChatTitleAnsweringLate; },
                      milliseconds);
  }
};

}  // namespace e2e
