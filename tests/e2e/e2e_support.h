// Driving real programs as a user would: starting and ending them, finding
// their windows and boxes, reading their text, the settings in the registry,
// and real mouse and keyboard input.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

// tunelet.exe or a stand-in, started from the programs' folder and ended,
// if still running, when this goes.
class Process {
 public:
  explicit Process(const wchar_t* program, const wchar_t* arguments = L"");
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  DWORD id() const { return info_.dwProcessId; }
  bool running() const;
  bool ends_within(DWORD milliseconds) const;

 private:
  PROCESS_INFORMATION info_{};
};

// Polls every 50 ms; false when the time ran out.
bool wait_until(const std::function<bool()>& condition, DWORD milliseconds = 10000);

// A visible top-level window of this class (and title, when given) that
// belongs to the process; waits for it, nullptr when none came.
HWND window_of(const Process& process, const wchar_t* window_class, const wchar_t* title = nullptr,
               DWORD milliseconds = 10000);

// The window's text, asked for with WM_GETTEXT; empty when it does not answer.
std::wstring text_of(HWND window);
std::vector<std::wstring> lines_of(HWND window);  // lines ending with CR LF

// The stored settings; nullptr leaves a value out.
void store_settings(const wchar_t* string, const wchar_t* enabled, const wchar_t* save_it);
void store_number(const wchar_t* key, DWORD value);
std::wstring stored(const wchar_t* key);  // "(none)" when absent

// Real input: a click in the middle of a window or at a point of its client
// area, and keys held down together for a while.
void click(HWND window, bool right = false);
void click_at(HWND window, int x, int y, bool right = false);
void hold_keys(std::initializer_list<WORD> keys, DWORD milliseconds = 150);

// A message box's text, and its button pressed with the mouse; true when
// the box went.
std::wstring box_text(HWND box);
bool press(HWND box, int button);

}  // namespace e2e

namespace e2e {

// Tunelet beside the stand-in chat room and player, each started when asked
// and ended with the session.
struct Session {
  std::unique_ptr<Process> chat, player, tunelet;
  HWND chat_window = nullptr, player_window = nullptr, form = nullptr;

  bool start_chat();
  bool start_player();
  bool start_tunelet();
  bool start_all() { return start_chat() && start_player() && start_tunelet(); }

  std::vector<std::wstring> transcript() const;
  bool wait_for_lines(std::size_t count) const;
  // Another participant's line, put in through the chat room's own box.
  void say(const wchar_t* sender, const wchar_t* line) const;
  void next_song() const;
  // The commands the player received, one a line.
  std::wstring player_received() const;

  HWND control(int id) const { return GetDlgItem(form, id); }
  int checked(int id) const;
};

}  // namespace e2e
