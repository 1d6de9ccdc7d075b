// A stand-in for the media player: a top-level window of class "Winamp v1.x"
// whose title reads as the player's does, '3. Artist - Song - Winamp', with
// " [Paused]" or " [Stopped]" after it, and which obeys the playback commands
// and answers the playlist questions as the player does. It shows what it
// received, and takes keys as well:
//
//   N next   B previous   X play   C pause   V stop   O entry number on/off
//   I idle (its name and version)   R radio stream   L a stream's long song
//   T scroll the title   W an idle window of its class above it, or none
//   S a window of its class whose title stays on an old song, below it;
//     again: raised above it
//
//   standin_player.exe [--advance SECONDS] [--pause-at SECONDS] [--skip-at SECONDS]
//   standin_player.exe --only stale
//
// With --advance it moves to the next entry every SECONDS seconds; with
// --pause-at it pauses once, SECONDS seconds after the start, for five; with
// --skip-at it skips through three entries at once, a third of a second
// apart, as a user hitting "next" does. With --only stale it is nothing but
// an imitating player's hidden window that stays on an old song, in a
// process of its own as that player's is.
#include <windows.h>

#include <string>

#include "peer_common.h"

namespace {

using namespace peers;

// A radio stream from its start: the address alone, the status words, and
// then the song it plays; after its last stage, an interruption.
const wchar_t* const kStreamStages[] = {
    L"http://radio.example:8000/",
    L"[Connecting] http://radio.example:8000/",
    L"[Buffer: 12%] Station One",
    L"[Buffer: 57%] Station One",
    L"[Buffer: 100%] Station One",
    L"[Reading ID3] Station One",
    L"Stream Artist - Stream Song (Station One)",
    L"[Stream temporarily interrupted] Stream Artist - Stream Song (Station One)"};
constexpr int kStreamSong = 6;
constexpr int kStreamInterruption = 7;
constexpr int kNoStream = -1;
constexpr int kLongStreamSong = -2;

enum class Playback { kPlaying, kPaused, kStopped };

HWND window = nullptr;
HWND idle_twin = nullptr;   // an imitating player's hidden window, or none
HWND stale_twin = nullptr;  // one that stays on an old song, or none
int position = 0;
Playback playback = Playback::kPlaying;
LPARAM shows = kNumbered;
int stream_stage = kNoStream;
std::wstring caption;  // the title, before any scrolling
bool scrolling = false;
std::size_t scrolled = 0;  // the step of the turn
std::wstring received;     // the commands, one a line
DWORD slow_ms = 0;         // every answer waits this long

enum Timer : UINT_PTR {
  kAdvanceTimer = 1,
  kScrollTimer,
  kStreamTimer,
  kPauseOnceTimer,
  kSkipTimer
};
int skips_left = 3;  // with --skip-at

std::wstring title_now() {
  if (shows == kIdle) {
    return L"Winamp 5.9.2 Build 10042";
  }
  const std::wstring name = stream_stage == kLongStreamSong ? long_stream_song()
                            : stream_stage == kNoStream     ? kPlaylist[position].name
                                                            : kStreamStages[stream_stage];
  std::wstring title =
      (shows == kNumberOff ? L"" : std::to_wstring(position + 1) + L". ") + name + L" - Winamp";
  if (playback != Playback::kPlaying) {
    title += playback == Playback::kPaused ? L" [Paused]" : L" [Stopped]";
  }
  return title;
}

// As the player does it: a new caption shows whole, and the turn starts
// again from its first step.
void show() {
  const std::wstring title = title_now();
  if (title != caption) {
    caption = title;
    scrolled = 0;
    SetWindowTextW(window, caption.c_str());
  }
  const wchar_t* state = playback == Playback::kPlaying  ? L"playing"
                         : playback == Playback::kPaused ? L"paused"
                                                         : L"stopped";
  SetDlgItemTextW(
      window, kPlayerStatus,
      (std::wstring(state) + L": " + kPlaylist[position].name + L"\r\n" + received).c_str());
}

// One step of the turn: the caption from its k-th character, " *** ", the
// caption; then " *** " from its j-th character, the caption, " *** ".
void scroll_step() {
  const std::wstring mark = L" *** ";
  const std::wstring shown = scrolled < caption.size()
                                 ? caption.substr(scrolled) + mark + caption
                                 : mark.substr(scrolled - caption.size()) + caption + mark;
  scrolled = (scrolled + 1) % (caption.size() + 3);
  SetWindowTextW(window, shown.c_str());
}

void step(int by) {
  position = ((position + by) % kEntries + kEntries) % kEntries;
  playback = Playback::kPlaying;
  stream_stage = kNoStream;
  KillTimer(window, kStreamTimer);
}

// Above the player, hidden, titled as an imitating player's is until a song
// plays there.
void show_idle_twin(bool shown) {
  if (!shown) {
    DestroyWindow(idle_twin);
    idle_twin = nullptr;
  } else if (idle_twin == nullptr) {
    idle_twin = CreateWindowExW(0, L"Winamp v1.x", L"Winamp v1.x", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(idle_twin, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// Below the player at first; raised above it later.
void show_stale_twin(LPARAM where) {
  if (stale_twin == nullptr) {
    stale_twin = CreateWindowExW(0, L"Winamp v1.x", kStaleTitle, WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  SetWindowPos(stale_twin, where == kStaleRaised ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void on_test_hook(WPARAM hook, LPARAM value) {
  switch (hook) {
    case kStaleTwin:
      show_stale_twin(value);
      break;
    case kIdleTwin:
      show_idle_twin(value != 0);
      break;
    case kSlow:
      slow_ms = static_cast<DWORD>(value);
      break;
    case kScroll:
      scrolling = value != 0;
      scrolling ? SetTimer(window, kScrollTimer, 200, nullptr) : KillTimer(window, kScrollTimer);
      caption.clear();
      show();
      break;
    case kShow:
      if (value == kLongStream) {
        stream_stage = kLongStreamSong;
      } else if (value == kStream || value == kStreamInterrupted) {
        stream_stage = value == kStream ? 0 : kStreamInterruption;
        SetTimer(window, kStreamTimer, value == kStream ? 1100 : 2500, nullptr);
      } else {
        shows = value;
      }
      show();
      break;
    default:
      break;
  }
}

void on_command(WPARAM command) {
  received += std::to_wstring(command) + L"\r\n";
  switch (command) {
    case player::kNext:
      step(1);
      break;
    case player::kPrevious:
      step(-1);
      break;
    case player::kPlay:
      playback = Playback::kPlaying;
      shows = shows == kIdle ? kNumbered : shows;
      break;
    case player::kPause:  // toggles; a stopped player stays stopped
      playback = playback == Playback::kPlaying  ? Playback::kPaused
                 : playback == Playback::kPaused ? Playback::kPlaying
                                                 : Playback::kStopped;
      break;
    case player::kStop:
      playback = Playback::kStopped;
      break;
    case player::kClose:
      DestroyWindow(window);
      return;
  }
  show();
}

void on_key(WPARAM key) {
  const struct {
    WPARAM key, command, hook;
    LPARAM value;
  } kKeys[] = {
      {'N', player::kNext, 0, 0},   {'B', player::kPrevious, 0, 0}, {'X', player::kPlay, 0, 0},
      {'C', player::kPause, 0, 0},  {'V', player::kStop, 0, 0},     {'I', 0, kShow, kIdle},
      {'R', 0, kShow, kStream},     {'O', 0, kShow, kNumberOff},    {'T', 0, kScroll, 1},
      {'L', 0, kShow, kLongStream}, {'W', 0, kIdleTwin, 1},         {'S', 0, kStaleTwin, 0}};
  for (const auto& known : kKeys) {
    if (known.key != key) {
      continue;
    }
    if (known.command != 0) {
      on_command(known.command);
    } else if (known.hook == kStaleTwin) {
      on_test_hook(kStaleTwin, stale_twin == nullptr ? kStaleBelow : kStaleRaised);
    } else if (known.hook == kShow && known.value == kNumberOff && shows == kNumberOff) {
      on_test_hook(kShow, kNumbered);  // O again: the number back
    } else {
      const bool toggled = known.hook == kScroll ? scrolling : idle_twin != nullptr;
      on_test_hook(known.hook, known.hook == kShow ? known.value : !toggled);
    }
  }
}

LRESULT on_question(HWND asked, WPARAM argument, LPARAM number) {
  Sleep(slow_ms);
  if (asked == idle_twin || asked == stale_twin) {
    return 0;
  }
  if (number == player::kPlayState) {
    return shows == kIdle                   ? 0
           : playback == Playback::kPlaying ? 1
           : playback == Playback::kPaused  ? 3
                                            : 0;
  }
  if (number == player::kPlaylistLength) {
    return kEntries;
  }
  if (number == player::kPlaylistPosition) {
    return position;
  }
  if (number == player::kTrackLength && argument == 1) {
    return playback == Playback::kStopped || stream_stage != kNoStream
               ? -1
               : kPlaylist[position].seconds;
  }
  return 0;
}

void on_timer(UINT_PTR timer) {
  switch (timer) {
    case kScrollTimer:
      scroll_step();
      return;
    case kStreamTimer:
      if (stream_stage == kStreamInterruption || ++stream_stage == kStreamSong) {
        stream_stage = kStreamSong;
        KillTimer(window, kStreamTimer);
      }
      break;
    case kSkipTimer:  // three entries, a third of a second apart
      on_command(player::kNext);
      --skips_left > 0 ? SetTimer(window, kSkipTimer, 333, nullptr) : KillTimer(window, kSkipTimer);
      return;
    case kPauseOnceTimer:  // pauses once, and goes on five seconds later
      on_command(player::kPause);
      playback == Playback::kPaused ? SetTimer(window, kPauseOnceTimer, 5000, nullptr)
                                    : KillTimer(window, kPauseOnceTimer);
      return;
    default:
      step(1);
      break;
  }
  show();
}

LRESULT CALLBACK player_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (hwnd == window || (window == nullptr && hwnd == stale_twin)) {
        wparam >= 1000 ? on_command(wparam) : on_test_hook(wparam, lparam);
      }
      return 0;
    case WM_USER:
      return on_question(hwnd, wparam, lparam);
    case WM_KEYDOWN:
      on_key(wparam);
      return 0;
    case WM_TIMER:
      on_timer(wparam);
      return 0;
    case WM_DESTROY:
      if (hwnd == (window != nullptr ? window : stale_twin)) {
        PostQuitMessage(0);
      }
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  register_window_class(L"Winamp v1.x", player_procedure);
  if (option(L"--only", L"") == L"stale") {
    show_stale_twin(kStaleBelow);
    return run_message_loop();
  }
  window = CreateWindowExW(0, L"Winamp v1.x", L"", WS_OVERLAPPEDWINDOW, 340, 0, 300, 200, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  add_child(window, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kPlayerStatus, {6, 6, 280, 160});
  show();
  ShowWindow(window, SW_SHOWNOACTIVATE);
  if (const int seconds = _wtoi(option(L"--advance", L"0").c_str())) {
    SetTimer(window, kAdvanceTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  }
  if (const int seconds = _wtoi(option(L"--pause-at", L"0").c_str())) {
    SetTimer(window, kPauseOnceTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  }
  if (const int seconds = _wtoi(option(L"--skip-at", L"0").c_str())) {
    SetTimer(window, kSkipTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  }
  return run_message_loop();
}
