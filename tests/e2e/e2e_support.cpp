#include "e2e_support.h"

#include "app/form_design.h"
#include "peer_common.h"
#include "player/player_link.h"

namespace e2e {
namespace {

const wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Tunelet\\Main";

std::wstring programs_folder() {
  wchar_t folder[MAX_PATH] = L".";
  GetEnvironmentVariableW(L"TUNELET_PROGRAMS", folder, MAX_PATH);
  return folder;
}

}  // namespace

Process::Process(const wchar_t* program, const wchar_t* arguments) {
  const std::wstring path = programs_folder() + L"\\" + program;
  std::wstring command_line = L"\"" + path + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  CreateProcessW(path.c_str(), &command_line[0], nullptr, nullptr, FALSE, 0, nullptr,
                 programs_folder().c_str(), &startup, &info_);
}

Process::~Process() {
  if (running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
}

bool Process::running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::ends_within(DWORD milliseconds) const {
  return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

bool wait_until(const std::function<bool()>& condition, DWORD milliseconds) {
  for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
    if (GetTickCount() - start >= milliseconds) {
      return false;
    }
  }
  return true;
}

HWND window_of(const Process& process, const wchar_t* window_class, const wchar_t* title,
               DWORD milliseconds) {
  HWND found = nullptr;
  wait_until(
      [&] {
        for (found = FindWindowExW(nullptr, nullptr, window_class, title); found != nullptr;
             found = FindWindowExW(nullptr, found, window_class, title)) {
          DWORD owner = 0;
          GetWindowThreadProcessId(found, &owner);
          if (owner == process.id() && IsWindowVisible(found)) {
            return true;
          }
        }
        return false;
      },
      milliseconds);
  return found;
}

std::wstring text_of(HWND window) {
  std::wstring text(1 << 16, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    copied = 0;
  }
  text.resize(copied);
  return text;
}

std::vector<std::wstring> lines_of(HWND window) {
  std::vector<std::wstring> lines;
  const std::wstring text = text_of(window);
  for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

void store_settings(const wchar_t* string, const wchar_t* enabled, const wchar_t* save_it) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                  nullptr);
  const wchar_t* names[] = {L"String", L"Enabled", L"SaveIt"};
  const wchar_t* values[] = {string, enabled, save_it};
  for (int i = 0; i < 3; ++i) {
    RegDeleteValueW(key, names[i]);
    if (values[i] != nullptr) {
      RegSetValueExW(key, names[i], 0, REG_SZ, reinterpret_cast<const BYTE*>(values[i]),
                     static_cast<DWORD>((lstrlenW(values[i]) + 1) * sizeof(wchar_t)));
    }
  }
  RegCloseKey(key);
}

void store_number(const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &value, sizeof value);
}

std::wstring stored(const wchar_t* name) {
  wchar_t value[1024] = L"";
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return L"(none)";
  }
  return value;
}

void click_at(HWND window, int x, int y, bool right) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  Sleep(50);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

void click(HWND window, bool right) {
  RECT client;
  GetClientRect(window, &client);
  click_at(window, client.right / 2, client.bottom / 2, right);
}

void hold_keys(std::initializer_list<WORD> keys, DWORD milliseconds) {
  std::vector<INPUT> down, up;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    down.push_back(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    up.insert(up.begin(), input);
  }
  SendInput(static_cast<UINT>(down.size()), down.data(), sizeof(INPUT));
  Sleep(milliseconds);
  SendInput(static_cast<UINT>(up.size()), up.data(), sizeof(INPUT));
  Sleep(50);
}

std::wstring box_text(HWND box) {
  return text_of(GetDlgItem(box, 0xFFFF));  // a message box's static text
}

bool press(HWND box, int button) {
  click(GetDlgItem(box, button));
  return wait_until([&] { return !IsWindow(box); }, 5000);
}

}  // namespace e2e

namespace e2e {

bool Session::start_chat() {
  chat = std::make_unique<Process>(L"standin_chat.exe");
  return (chat_window = window_of(*chat, L"AIM_ChatWnd")) != nullptr;
}

bool Session::start_player() {
  player = std::make_unique<Process>(L"standin_player.exe");
  return (player_window = window_of(*player, L"Winamp v1.x")) != nullptr;
}

bool Session::start_tunelet() {
  tunelet = std::make_unique<Process>(L"tunelet.exe");
  return (form = window_of(*tunelet, tunelet::app::kFormClass)) != nullptr;
}

std::vector<std::wstring> Session::transcript() const {
  return lines_of(FindWindowExW(chat_window, nullptr, L"WndAte32Class", nullptr));
}

bool Session::wait_for_lines(std::size_t count) const {
  return wait_until([&] { return transcript().size() >= count; });
}

void Session::say(const wchar_t* sender, const wchar_t* line) const {
  SetDlgItemTextW(chat_window, peers::kSenderBox, sender);
  SetDlgItemTextW(chat_window, peers::kLineBox, line);
  SendMessageW(GetDlgItem(chat_window, peers::kSayButton), BM_CLICK, 0, 0);
}

void Session::next_song() const {
  PostMessageW(player_window, WM_COMMAND, tunelet::player_command::kNext, 0);
}

std::wstring Session::player_received() const {
  const std::wstring status = text_of(GetDlgItem(player_window, peers::kPlayerStatus));
  return status.substr(status.find(L"\r\n") + 2);
}

int Session::checked(int id) const {
  DWORD_PTR value = 0;
  SendMessageTimeoutW(control(id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &value);
  return static_cast<int>(value);
}

}  // namespace e2e
