// Small helpers shared by the stand-in programs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace peers {

std::string to_utf8(const std::wstring& text);

// The program's arguments after its own name.
std::vector<std::wstring> arguments();

// The value after `name` in the arguments, or `fallback`.
std::wstring option(const std::vector<std::wstring>& args, const wchar_t* name,
                    const std::wstring& fallback);

// Appends a line to a UTF-8 file and flushes it at once; nothing when the
// path is empty.
void append_line(const std::wstring& path, const std::wstring& line);

// The lines of a UTF-8 text file.
std::vector<std::wstring> read_lines(const std::wstring& path);

// Registers a window class with the arrow cursor and this background brush
// (a system colour index + 1, or 0 for none).
void register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                           int background);

// Runs the message loop until WM_QUIT.
int run_message_loop();

}  // namespace peers
