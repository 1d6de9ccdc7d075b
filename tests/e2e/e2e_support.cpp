#include "e2e_support.h"

#include <cstdio>
#include <utility>

#include "peer_common.h"

namespace e2e {
namespace {

const wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Tunelet\\Main";

}  // namespace

Process::Process(const std::wstring& program, const std::wstring& arguments) {
  std::wstring command_line = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), &command_line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      program_folder().c_str(), &startup, &info_)) {
    std::printf("could not start %s\n", peers::to_utf8(program).c_str());
    info_ = PROCESS_INFORMATION{};
  }
}

Process::~Process() {
  kill();
}

Process::Process(Process&& other) noexcept : info_(std::exchange(other.info_, {})) {}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    kill();
    info_ = std::exchange(other.info_, {});
  }
  return *this;
}

bool Process::running() const {
  return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::wait_for_exit(DWORD timeout_ms) {
  return info_.hProcess != nullptr &&
         WaitForSingleObject(info_.hProcess, timeout_ms) == WAIT_OBJECT_0;
}

void Process::kill() {
  if (info_.hProcess == nullptr) {
    return;
  }
  if (running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
  info_ = PROCESS_INFORMATION{};
}

std::wstring program_folder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/"));
}

bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeout_ms) {
      return false;
    }
    Sleep(50);
  }
  return true;
}

HWND find_window_of(const wchar_t* window_class, DWORD process_id) {
  for (HWND window = FindWindowExW(nullptr, nullptr, window_class, nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, window_class, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window)) {
      return window;
    }
  }
  return nullptr;
}

HWND wait_for_window_of(const wchar_t* window_class, DWORD process_id, DWORD timeout_ms) {
  HWND found = nullptr;
  wait_until([&] { return (found = find_window_of(window_class, process_id)) != nullptr; },
             timeout_ms);
  return found;
}

HWND find_child(HWND parent, const wchar_t* window_class) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t found[256];
    if (GetClassNameW(child, found, 256) > 0 && lstrcmpiW(found, window_class) == 0) {
      return child;
    }
  }
  return nullptr;
}

std::wstring window_text(HWND window) {
  DWORD_PTR length = 0;
  if (window == nullptr ||
      !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return std::wstring();
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return std::wstring();
  }
  text.resize(copied);
  return text;
}

std::vector<std::wstring> split_lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) {
      end = text.size();
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void clear_settings() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    for (const wchar_t* name : {L"String", L"Enabled", L"SaveIt"}) {
      RegDeleteValueW(key, name);
    }
    RegCloseKey(key);
  }
}

void set_setting(const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                  nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void set_setting_dword(const wchar_t* name, DWORD value) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                  nullptr);
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

std::wstring setting(const wchar_t* name) {
  wchar_t value[1024];
  DWORD size = sizeof value;
  DWORD type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return L"(none)";
  }
  const LONG result =
      RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) {
    return L"(none)";
  }
  return std::wstring(value, size / sizeof(wchar_t)).c_str();
}

void click_at(HWND window, int client_x, int client_y) {
  POINT at{client_x, client_y};
  ClientToScreen(window, &at);
  SetCursorPos(at.x, at.y);
  Sleep(50);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

void press_key(WORD virtual_key) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = virtual_key;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

bool Test::check(bool condition, const char* what, int line) {
  if (!condition) {
    ++failures_;
    std::printf("    line %d: failed: %s\n", line, what);
  }
  return condition;
}

bool Test::check_equal(const std::wstring& actual, const std::wstring& expected, const char* what,
                       int line) {
  if (actual == expected) {
    return true;
  }
  ++failures_;
  std::printf("    line %d: %s\n      is:        \"%s\"\n      should be: \"%s\"\n", line, what,
              peers::to_utf8(actual).c_str(), peers::to_utf8(expected).c_str());
  return false;
}

}  // namespace e2e
