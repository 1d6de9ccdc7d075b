// What the stand-in player and chat room share, with the end-to-end suite
// that drives them.
#pragma once

#include <windows.h>

#include <string>

namespace peers {

// Test hooks, sent as WM_COMMAND with a count of milliseconds as lParam: the
// chat room is busy for that long, reading no message; the player moves to
// the next song first.
constexpr WPARAM kBusy = 99;
constexpr WPARAM kNextThenBusy = 98;
// From then on the chat room takes each text, and the player answers each
// question, that long late.
constexpr WPARAM kSlow = 97;
// With lParam 1, until 0: the chat room's input box refuses every text sent
// to it (answers FALSE and keeps its own); the player scrolls its title in
// the taskbar, a character every 100 ms.
constexpr WPARAM kRefuse = 96;
constexpr WPARAM kScroll = 95;

// The player's second song: Western, Cyrillic and a symbol, more than any
// single-byte code page holds.
constexpr wchar_t kForeignSong[] =
    L"Zo\u00eb Vall\u00e9e & \u041b\u0451\u0432\u0430 - Caf\u00e9 "
    L"\u00ab\u041f\u043e\u043b\u043d\u043e\u0447\u044c\u00bb \u2605";

// Child windows by identifier.
constexpr int kPlayerStatus = 1;  // the player's state and the commands it received

// The value after `name` among the program's arguments, or `fallback`.
std::wstring option(const wchar_t* name, const wchar_t* fallback);

// Appends a line to a UTF-8 text file; nothing when the path is empty.
void append_line(const std::wstring& path, const std::wstring& line);

// A window class with the arrow cursor on the dialog colour.
void register_window_class(const wchar_t* name, WNDPROC procedure);

// A child window in the default GUI font.
HWND add_child(HWND parent, const wchar_t* window_class, DWORD style, DWORD extended_style, int id,
               RECT place, const wchar_t* text = L"");

int run_message_loop();

}  // namespace peers
