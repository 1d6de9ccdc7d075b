// What the end-to-end suite needs to drive real programs as a user would:
// starting and ending them, finding their windows, reading their text, the
// registry, and the mouse and keyboard.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// A started program, ended when this goes out of scope.
class Process {
 public:
  Process() = default;
  Process(const std::wstring& program, const std::wstring& arguments);
  ~Process();
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool running() const;
  DWORD id() const { return info_.dwProcessId; }
  // Waits for the program to end by itself; false when it did not in time.
  bool wait_for_exit(DWORD timeout_ms);
  void kill();

 private:
  PROCESS_INFORMATION info_{};
};

// The folder of the suite's own program, where the programs under test are.
std::wstring program_folder();

// Polls every 50 ms until the condition holds; false when the time ran out.
bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms);

// A visible top-level window of this class belonging to the process, or nullptr.
HWND find_window_of(const wchar_t* window_class, DWORD process_id);
HWND wait_for_window_of(const wchar_t* window_class, DWORD process_id, DWORD timeout_ms);

// The first child of the window with this class (case-insensitive), or nullptr.
HWND find_child(HWND parent, const wchar_t* window_class);

// A window's text, read with WM_GETTEXT; empty when it does not answer.
std::wstring window_text(HWND window);

std::vector<std::wstring> split_lines(const std::wstring& text);

// The program's settings in the registry.
void clear_settings();
void set_setting(const wchar_t* key, const std::wstring& value);
void set_setting_dword(const wchar_t* key, DWORD value);
// The value, or "(none)" when it does not exist.
std::wstring setting(const wchar_t* key);

// Real input, as the user gives it.
void click_at(HWND window, int client_x, int client_y);
void press_key(WORD virtual_key);

// Checks within one test; a test passes when none failed.
class Test {
 public:
  explicit Test(const char* name) : name_(name) {}
  bool check(bool condition, const char* what, int line);
  bool check_equal(const std::wstring& actual, const std::wstring& expected, const char* what,
                   int line);
  bool passed() const { return failures_ == 0; }
  const char* name() const { return name_; }

 private:
  const char* name_;
  int failures_ = 0;
};

#define CHECK(test, condition) (test).check((condition), #condition, __LINE__)
#define CHECK_EQ(test, actual, expected) (test).check_equal((actual), (expected), #actual, __LINE__)

}  // namespace e2e
