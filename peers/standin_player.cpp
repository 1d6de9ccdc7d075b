// A stand-in for the media player: a top-level window of class "Winamp v1.x"
// titled '<n>. <entry> - Winamp', which answers the playlist queries and
// obeys the playback commands as the real player does.
//
//   standin_player.exe [--playlist FILE] [--advance SECONDS] [--log FILE]
//
// A playlist file holds one entry a line, 'Artist - Title|seconds'. With
// --advance the player moves to the next entry every SECONDS seconds. Every
// command received is shown in the window and appended to the log file. For
// tests, a WM_COMMAND with identifier 98 and a count of seconds as lParam
// moves to the next entry and then stops answering for that long, as a hung
// player does.
#include <windows.h>

#include <string>
#include <vector>

#include "peer_common.h"

namespace {

struct Entry {
  std::wstring name;
  int seconds;
};

enum class Playback { kPlaying, kPaused, kStopped };

struct Player {
  HWND window = nullptr;
  std::vector<Entry> playlist;
  int position = 0;
  Playback playback = Playback::kPlaying;
  std::wstring log_path;
  std::vector<std::wstring> received;
};

Player player;

constexpr UINT_PTR kAdvanceTimer = 1;

std::vector<Entry> built_in_playlist() {
  return {{L"Artist One - Song One", 225},
          {L"Artist Two - Song Two", 3725},
          {L"Artist Three - Song Three", 59}};
}

std::vector<Entry> load_playlist(const std::wstring& path) {
  std::vector<Entry> entries;
  for (const std::wstring& line : peers::read_lines(path)) {
    const std::size_t bar = line.rfind(L'|');
    if (bar == std::wstring::npos) {
      entries.push_back({line, 180});
    } else {
      entries.push_back({line.substr(0, bar), _wtoi(line.substr(bar + 1).c_str())});
    }
  }
  return entries;
}

void show_title() {
  const Entry& entry = player.playlist[static_cast<std::size_t>(player.position)];
  const std::wstring title =
      std::to_wstring(player.position + 1) + L". " + entry.name + L" - Winamp";
  SetWindowTextW(player.window, title.c_str());
  InvalidateRect(player.window, nullptr, TRUE);
}

void step(int by) {
  const int count = static_cast<int>(player.playlist.size());
  player.position = ((player.position + by) % count + count) % count;
  player.playback = Playback::kPlaying;
  show_title();
}

const wchar_t* command_name(WPARAM command) {
  switch (command) {
    case 40048:
      return L"next";
    case 40044:
      return L"previous";
    case 40045:
      return L"play";
    case 40046:
      return L"pause";
    case 40047:
      return L"stop";
    case 40001:
      return L"close";
    default:
      return L"unknown";
  }
}

constexpr WPARAM kNextThenHang = 98;

void on_command(WPARAM command, LPARAM seconds) {
  if (command == kNextThenHang) {
    step(1);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return;
  }
  const std::wstring line = L"command " + std::to_wstring(command) + L" " + command_name(command);
  player.received.push_back(line);
  peers::append_line(player.log_path, line);
  switch (command) {
    case 40048:
      step(1);
      break;
    case 40044:
      step(-1);
      break;
    case 40045:
      player.playback = Playback::kPlaying;
      break;
    case 40046:
      if (player.playback != Playback::kStopped) {
        player.playback =
            player.playback == Playback::kPaused ? Playback::kPlaying : Playback::kPaused;
      }
      break;
    case 40047:
      player.playback = Playback::kStopped;
      break;
    case 40001:
      DestroyWindow(player.window);
      return;
    default:
      break;
  }
  InvalidateRect(player.window, nullptr, TRUE);
}

LRESULT on_query(WPARAM argument, LPARAM query) {
  if (argument == 0 && query == 124) {
    return static_cast<LRESULT>(player.playlist.size());
  }
  if (argument == 0 && query == 125) {
    return player.position;
  }
  if (argument == 1 && query == 105) {
    return player.playback == Playback::kStopped
               ? -1
               : player.playlist[static_cast<std::size_t>(player.position)].seconds;
  }
  return 0;
}

void on_paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(player.window, &paint);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  static const wchar_t* const kStates[] = {L"playing", L"paused", L"stopped"};
  std::wstring text = L"Stand-in player: " +
                      std::wstring(kStates[static_cast<int>(player.playback)]) + L"\n" +
                      player.playlist[static_cast<std::size_t>(player.position)].name;
  for (const std::wstring& line : player.received) {
    text += L"\n" + line;
  }
  RECT client;
  GetClientRect(player.window, &client);
  InflateRect(&client, -6, -6);
  DrawTextW(dc, text.c_str(), -1, &client, DT_LEFT | DT_NOPREFIX);
  EndPaint(player.window, &paint);
}

LRESULT CALLBACK player_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      on_command(wparam, lparam);
      return 0;
    case WM_USER:
      return on_query(wparam, lparam);
    case WM_TIMER:
      step(1);
      return 0;
    case WM_PAINT:
      on_paint();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const std::vector<std::wstring> args = peers::arguments();
  const std::wstring playlist_path = peers::option(args, L"--playlist", L"");
  player.playlist = playlist_path.empty() ? built_in_playlist() : load_playlist(playlist_path);
  if (player.playlist.empty()) {
    player.playlist = built_in_playlist();
  }
  player.log_path = peers::option(args, L"--log", L"");
  const int advance_seconds = _wtoi(peers::option(args, L"--advance", L"0").c_str());

  peers::register_window_class(instance, L"Winamp v1.x", player_procedure, COLOR_WINDOW + 1);

  player.window = CreateWindowExW(0, L"Winamp v1.x", L"", WS_OVERLAPPEDWINDOW, 340, 0, 300, 200,
                                  nullptr, nullptr, instance, nullptr);
  show_title();
  ShowWindow(player.window, SW_SHOWNOACTIVATE);
  if (advance_seconds > 0) {
    SetTimer(player.window, kAdvanceTimer, static_cast<UINT>(advance_seconds) * 1000, nullptr);
  }
  return peers::run_message_loop();
}
