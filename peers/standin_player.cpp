// A stand-in for the media player: a top-level window of class "Winamp v1.x"
// titled '<n>. <entry> - Winamp' that obeys the playback commands and answers
// the playlist queries as the real player does, and shows what it received.
//
//   standin_player.exe [--advance SECONDS]
//
// With --advance the player moves to the next entry every SECONDS seconds.
#include <windows.h>

#include <algorithm>
#include <string>

#include "peer_common.h"
#include "player/player_link.h"

namespace {

using namespace tunelet;

struct Entry {
  std::wstring name;
  int seconds;
};

const Entry kPlaylist[] = {{L"Nightfall Radio - Slow Orbit", 225},
                           {peers::kForeignSong, 3725},
                           {L"Glass Harbour - Saturday Static", 59},
                           {L"Mira Vale - Small Hours", 171}};
constexpr int kEntries = sizeof kPlaylist / sizeof kPlaylist[0];
int position = 0;
const wchar_t* const kPlaying = L"playing";
const wchar_t* const kPaused = L"paused";
const wchar_t* const kStopped = L"stopped";
const wchar_t* playback = kPlaying;
std::wstring received;  // the commands, one a line
HWND player = nullptr;
DWORD slow_ms = 0;  // every answer waits this long
constexpr UINT_PTR kAdvanceTimer = 1;
constexpr UINT_PTR kScrollTimer = 2;
std::size_t scrolled = 0;  // characters the title is turned round by in the taskbar

void show() {
  const Entry& entry = kPlaylist[position];
  std::wstring title = std::to_wstring(position + 1) + L". " + entry.name + L" - Winamp";
  if (scrolled > 0) {
    title += L" *** ";
    std::rotate(title.begin(), title.begin() + scrolled % title.size(), title.end());
  }
  SetWindowTextW(player, title.c_str());
  SetDlgItemTextW(player, peers::kPlayerStatus,
                  (std::wstring(playback) + L": " + entry.name + L"\r\n" + received).c_str());
}

void step(int by) {
  position = ((position + by) % kEntries + kEntries) % kEntries;
  playback = kPlaying;
}

void on_command(WPARAM command, LPARAM count) {
  if (command == peers::kNextThenBusy) {
    step(1);
    show();
    Sleep(static_cast<DWORD>(count));
    return;
  }
  if (command == peers::kSlow) {
    slow_ms = static_cast<DWORD>(count);
    return;
  }
  if (command == peers::kScroll) {
    scrolled = count != 0 ? 1 : 0;
    if (count != 0) {
      SetTimer(player, kScrollTimer, 100, nullptr);
    } else {
      KillTimer(player, kScrollTimer);
    }
    show();
    return;
  }
  received += std::to_wstring(command) + L"\r\n";
  switch (command) {
    case player_command::kNext:
      step(1);
      break;
    case player_command::kPrevious:
      step(-1);
      break;
    case player_command::kPlay:
      playback = kPlaying;
      break;
    case player_command::kPause:  // toggles; a stopped player stays stopped
      playback = playback == kPlaying ? kPaused : playback == kPaused ? kPlaying : kStopped;
      break;
    case player_command::kStop:
      playback = kStopped;
      break;
    case player_command::kClose:
      DestroyWindow(player);
      return;
  }
  show();
}

LRESULT on_query(WPARAM argument, LPARAM number) {
  Sleep(slow_ms);
  const auto is = [&](PlayerQuery query) {
    return argument == query.argument && number == query.number;
  };
  if (is(player_query::kPlaylistLength)) {
    return kEntries;
  }
  if (is(player_query::kPlaylistPosition)) {
    return position;
  }
  if (is(player_query::kTrackLength)) {
    return playback == kStopped ? -1 : kPlaylist[position].seconds;
  }
  return 0;
}

LRESULT CALLBACK player_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      on_command(wparam, lparam);
      return 0;
    case WM_USER:
      return on_query(wparam, lparam);
    case WM_TIMER:
      wparam == kScrollTimer ? void(++scrolled) : step(1);
      show();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  peers::register_window_class(L"Winamp v1.x", player_procedure);
  player = CreateWindowExW(0, L"Winamp v1.x", L"", WS_OVERLAPPEDWINDOW, 340, 0, 300, 200, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  peers::add_child(player, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, peers::kPlayerStatus,
                   {6, 6, 280, 160});
  show();
  ShowWindow(player, SW_SHOWNOACTIVATE);
  if (const int seconds = _wtoi(peers::option(L"--advance", L"0").c_str())) {
    SetTimer(player, kAdvanceTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  }
  return peers::run_message_loop();
}
