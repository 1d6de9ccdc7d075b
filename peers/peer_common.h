// What the stand-in player and chat room share, with the end-to-end suite
// that drives them.
#pragma once

#include <windows.h>

#include <string>

namespace peers {

// The player's protocol, as the player documents it: commands posted as
// WM_COMMAND, questions sent as WM_USER with their number as lParam.
namespace player {
constexpr WPARAM kClose = 40001;
constexpr WPARAM kPrevious = 40044;
constexpr WPARAM kPlay = 40045;
constexpr WPARAM kPause = 40046;  // toggles
constexpr WPARAM kStop = 40047;
constexpr WPARAM kNext = 40048;
constexpr LPARAM kTrackLength = 105;  // with wParam 1; -1 for a stream or none
constexpr LPARAM kPlaylistLength = 124;
constexpr LPARAM kPlaylistPosition = 125;  // from 0
constexpr LPARAM kPlayState = 104;         // 1 playing, 3 paused, 0 stopped or nothing loaded
}  // namespace player

// Test hooks, sent as WM_COMMAND with a value as lParam. With a count of
// milliseconds, from then on: the chat room takes each message another
// program sends its input box, and each press and release of its send
// button, that long late, and the player answers each question that late;
// with kSlowText, the input box takes each text another program sets that
// long more; with kSlowSend, the send button each press and release.
constexpr WPARAM kSlow = 97;
constexpr WPARAM kSlowText = 92;
constexpr WPARAM kSlowSend = 93;
// With lParam 1, until 0: the chat room's input box refuses every text sent
// to it (answers FALSE and keeps its own); the player scrolls its title in
// the taskbar, a step every 200 ms, as the player does; an idle window of
// the player's class stands above the player, hidden, titled with the class
// name as an imitating player's is, answering every question with 0.
constexpr WPARAM kRefuse = 96;
constexpr WPARAM kScroll = 95;
constexpr WPARAM kIdleTwin = 91;
// With lParam 1, until 0: the chat room's input box gives its HTML back in
// its own form, written anew as its editor writes it: wrapped in its tags,
// <BR> and CR LF for its first blank, named entities ('&eacute;', '&lt;',
// '&apos;') and hex references, a blank added.
constexpr WPARAM kOwnForm = 90;
// The chat room's user, once, on the next text another program sets into
// its input box: with real keys, presses Enter (the room sends the text), or
// clears the box.
constexpr WPARAM kUser = 88;
enum UserActs : LPARAM { kPressesEnter = 1, kClears };
// Answers how many texts other programs have set into the input box
// (lParam WM_SETTEXT), or how often they read it since the user last acted
// (lParam WM_GETTEXT; -1 while the user has yet to act).
constexpr WPARAM kCount = 87;
// With lParam kStaleBelow: a window of the player's class below the player,
// hidden, whose title stays on an old song, as an imitating player's does
// once it stopped; with kStaleRaised, that window is raised above the player.
constexpr WPARAM kStaleTwin = 89;
enum StaleTwin : LPARAM { kStaleBelow = 1, kStaleRaised };
constexpr wchar_t kStaleTitle[] = L"0. Old Artist - Old Song - Winamp";
// The player's title shows, with lParam:
constexpr WPARAM kShow = 94;
enum PlayerShows : LPARAM {
  kNumbered,           // '3. Artist - Song - Winamp'
  kNumberOff,          // 'Artist - Song - Winamp'
  kIdle,               // its name and version, as with an empty playlist
  kStream,             // a radio stream: its address, its status words, then its song
  kStreamInterrupted,  // for a while, then its song again
  kLongStream,         // a stream whose song, long_stream_song(), is longer than a room takes
};

// A stream's song longer than a chat room takes.
inline std::wstring long_stream_song() {
  std::wstring song = L"Long Stream Artist - One & One Make Two";
  while (song.size() < 1500) {
    song += L", and on";
  }
  return song + L" (Station One)";
}

// The player's second song: Western, Cyrillic and a symbol, more than any
// single-byte code page holds.
constexpr wchar_t kForeignSong[] =
    L"Zo\u00eb Vall\u00e9e & \u041b\u0451\u0432\u0430 - Caf\u00e9 "
    L"\u00ab\u041f\u043e\u043b\u043d\u043e\u0447\u044c\u00bb \u2605";

// The player's playlist: each entry's title and length in seconds.
struct Entry {
  const wchar_t* name;
  int seconds;
};
constexpr Entry kPlaylist[] = {{L"Nightfall Radio - Slow Orbit", 225},
                               {kForeignSong, 3725},
                               {L"Glass Harbour - Saturday Static", 59},
                               {L"Mira Vale - Small Hours", 171},
                               {L"Tom & Jerry <Live>", 200},
                               {L"AT&amp;T <b>Bold</b>", 100}};
constexpr int kEntries = sizeof kPlaylist / sizeof kPlaylist[0];

// The chat room's title; while it keeps another program waiting; once it
// refused a text, until it takes texts again.
constexpr wchar_t kChatTitle[] = L"Chat room: music";
constexpr wchar_t kChatTitleAnsweringLate[] = L"Chat room: music - answering late";
constexpr wchar_t kChatTitleRefused[] = L"Chat room: music - refused a text";

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
