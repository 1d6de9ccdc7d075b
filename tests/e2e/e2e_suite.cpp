// End to end: the real tunelet.exe against the stand-in player and chat room,
// driven only through their windows, the registry, the mouse and the keyboard.
// Prints a line a test and closes with 'N passed, N failed'.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

#include "app/form_design.h"
#include "e2e_support.h"
#include "peer_common.h"

using namespace e2e;
using tunelet::app::ControlId;

namespace {

constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kPostTimeoutMs = 10000;
// Longer than a title poll and a posting cycle together, to see that nothing more comes.
constexpr DWORD kQuietMs = 2500;

constexpr WPARAM kPlayerNext = 40048;
constexpr WPARAM kPlayerClose = 40001;
constexpr WPARAM kChatHang = 99;            // the stand-in chat room's test hook
constexpr WPARAM kPlayerNextThenHang = 98;  // the stand-in player's

struct Session {
  Process chat;
  Process player;
  Process tunelet;
  HWND chat_window = nullptr;
  HWND player_window = nullptr;
  HWND form = nullptr;

  bool start_chat() {
    chat = Process(program_folder() + L"\\standin_chat.exe", L"--screen-name TuneFan");
    chat_window = wait_for_window_of(L"AIM_ChatWnd", chat.id(), kStartTimeoutMs);
    return chat_window != nullptr;
  }

  bool start_player() {
    player = Process(program_folder() + L"\\standin_player.exe", L"");
    player_window = wait_for_window_of(L"Winamp v1.x", player.id(), kStartTimeoutMs);
    return player_window != nullptr;
  }

  bool start_tunelet() {
    tunelet = Process(program_folder() + L"\\tunelet.exe", L"");
    form = wait_for_window_of(tunelet::app::kFormClass, tunelet.id(), kStartTimeoutMs);
    return form != nullptr;
  }

  bool start_all() { return start_chat() && start_player() && start_tunelet(); }

  std::vector<std::wstring> transcript() const {
    return split_lines(window_text(find_child(chat_window, L"WndAte32Class")));
  }

  bool wait_for_lines(std::size_t count, DWORD timeout_ms = kPostTimeoutMs) const {
    return wait_until([&] { return transcript().size() >= count; }, timeout_ms);
  }

  HWND control(ControlId id) const { return GetDlgItem(form, id); }

  int check_value(ControlId id) const {
    DWORD_PTR value = 0;
    SendMessageTimeoutW(control(id), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &value);
    return static_cast<int>(value);
  }

  void click_check(ControlId id) const {
    RECT box;
    GetWindowRect(control(id), &box);
    POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    ScreenToClient(form, &middle);
    click_at(form, middle.x, middle.y);
  }

  void type_template(const std::wstring& text) const {
    SendMessageTimeoutW(control(tunelet::app::kText4), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 2000, nullptr);
  }

  void next_song() const { PostMessageW(player_window, WM_COMMAND, kPlayerNext, 0); }
};

// The stored settings; nullptr leaves a value out.
void given_settings(const wchar_t* string, const wchar_t* enabled, const wchar_t* save_it) {
  clear_settings();
  if (string != nullptr) {
    set_setting(L"String", string);
  }
  if (enabled != nullptr) {
    set_setting(L"Enabled", enabled);
  }
  if (save_it != nullptr) {
    set_setting(L"SaveIt", save_it);
  }
}

bool is_uptime(const std::wstring& text) {
  // "<days>d, <hours>h, <minutes>m"
  int days = -1, hours = -1, minutes = -1;
  wchar_t rest = 0;
  return swscanf(text.c_str(), L"%dd, %dh, %dm%lc", &days, &hours, &minutes, &rest) == 3 &&
         days >= 0 && hours >= 0 && hours < 24 && minutes >= 0 && minutes < 60;
}

std::vector<std::wstring> split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::wstring::npos;
       start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

void window_matches_its_design(Test& test) {
  given_settings(nullptr, nullptr, nullptr);
  Session session;
  const DWORD started = GetTickCount();
  if (!CHECK(test, session.start_tunelet())) {
    return;
  }
  std::printf("    figure: the window was up %lu ms after the start\n", GetTickCount() - started);
  wchar_t caption[64] = L"";
  GetWindowTextW(session.form, caption, 64);
  CHECK_EQ(test, std::wstring(caption), L"TuneLET");
  RECT client;
  GetClientRect(session.form, &client);
  CHECK(test, client.right == 309 && client.bottom == 132);
  const LONG style = GetWindowLongW(session.form, GWL_STYLE);
  CHECK(test, (style & WS_THICKFRAME) && (style & WS_MINIMIZEBOX) && (style & WS_MAXIMIZEBOX) &&
                  (style & WS_SYSMENU));

  struct Expected {
    ControlId id;
    const wchar_t* window_class;
    RECT place;
    bool shown;
  };
  const Expected controls[] = {
      {tunelet::app::kText3, L"Edit", {96, 8, 96 + 73, 8 + 19}, false},
      {tunelet::app::kCheck1, L"Button", {224, 96, 224 + 17, 96 + 17}, true},
      {tunelet::app::kText4, L"Edit", {40, 40, 40 + 225, 40 + 43}, true},
      {tunelet::app::kCheck2, L"Button", {224, 112, 224 + 17, 112 + 17}, true},
      {tunelet::app::kCheck4, L"Button", {152, 96, 152 + 17, 96 + 17}, false},
  };
  for (const Expected& expected : controls) {
    HWND control = session.control(expected.id);
    if (!CHECK(test, control != nullptr)) {
      continue;
    }
    wchar_t window_class[64] = L"";
    GetClassNameW(control, window_class, 64);
    CHECK(test, lstrcmpiW(window_class, expected.window_class) == 0);
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, session.form, reinterpret_cast<POINT*>(&place), 2);
    CHECK(test, EqualRect(&place, &expected.place));
    CHECK(test, (IsWindowVisible(control) != FALSE) == expected.shown);
  }
  // First run: empty template, both switches off, no title read yet.
  CHECK_EQ(test, window_text(session.control(tunelet::app::kText4)), L"");
  CHECK(test, session.check_value(tunelet::app::kCheck1) == BST_UNCHECKED);
  CHECK(test, session.check_value(tunelet::app::kCheck2) == BST_UNCHECKED);
  CHECK_EQ(test, window_text(session.control(tunelet::app::kText3)), L"Text3");
  // "Enabled" has the focus.
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  GetGUIThreadInfo(GetWindowThreadProcessId(session.form, nullptr), &focus);
  CHECK(test, focus.hwndFocus == session.control(tunelet::app::kCheck1));
}

void first_song_is_posted_once_with_every_variable(Test& test) {
  given_settings(L"np:%s|%l|%z|%f|%u|%t|%d", L"1", nullptr);
  Session session;
  if (!CHECK(test, session.start_all()) || !CHECK(test, session.wait_for_lines(1))) {
    return;
  }
  const std::vector<std::wstring> parts = split(session.transcript()[0], L'|');
  if (!CHECK(test, parts.size() == 7)) {
    return;
  }
  CHECK_EQ(test, parts[0], L"TuneFan: np: Artist One - Song One");
  CHECK_EQ(test, parts[1], L"03:45");
  CHECK_EQ(test, parts[2], L"0");
  CHECK_EQ(test, parts[3], L"3");
  CHECK(test, is_uptime(parts[4]));
  CHECK(test, !parts[5].empty() && parts[5].find(L'%') == std::wstring::npos);
  CHECK(test, !parts[6].empty() && parts[6].find(L'%') == std::wstring::npos);
  Sleep(kQuietMs);
  CHECK(test, session.transcript().size() == 1);
}

void a_song_change_is_posted_once(Test& test) {
  given_settings(L"now playing:%s [%l]", L"1", nullptr);
  Session session;
  if (!CHECK(test, session.start_all()) || !CHECK(test, session.wait_for_lines(1))) {
    return;
  }
  const DWORD changed = GetTickCount();
  session.next_song();
  if (!CHECK(test, session.wait_for_lines(2))) {
    return;
  }
  std::printf("    figure: the song change reached the chat room after %lu ms\n",
              GetTickCount() - changed);
  CHECK_EQ(test, session.transcript()[1], L"TuneFan: now playing: Artist Two - Song Two [62:05]");
  Sleep(kQuietMs);
  CHECK(test, session.transcript().size() == 2);

  PROCESS_MEMORY_COUNTERS memory{};
  HANDLE process =
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, session.tunelet.id());
  if (process != nullptr && GetProcessMemoryInfo(process, &memory, sizeof memory)) {
    std::printf("    figure: tunelet.exe working set %lu KiB, peak %lu KiB, private %lu KiB\n",
                static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024),
                static_cast<unsigned long>(memory.PagefileUsage / 1024));
  }
  if (process != nullptr) {
    CloseHandle(process);
  }
}

void enabled_off_posts_nothing(Test& test) {
  given_settings(L"%s", L"1", nullptr);
  Session session;
  if (!CHECK(test, session.start_all()) || !CHECK(test, session.wait_for_lines(1))) {
    return;
  }
  session.click_check(tunelet::app::kCheck1);
  CHECK(test, wait_until([&] { return session.check_value(tunelet::app::kCheck1) == 0; }, 2000));
  session.next_song();
  Sleep(kQuietMs + 500);
  CHECK(test, session.transcript().size() == 1);
  // Switched on again, the song playing now is announced.
  session.click_check(tunelet::app::kCheck1);
  if (CHECK(test, session.wait_for_lines(2))) {
    CHECK_EQ(test, session.transcript()[1], L"TuneFan:  Artist Two - Song Two");
  }
}

void a_chat_room_opened_late_gets_the_next_song(Test& test) {
  given_settings(L"%s", L"1", nullptr);
  Session session;
  if (!CHECK(test, session.start_player() && session.start_tunelet())) {
    return;
  }
  HWND title_box = session.control(tunelet::app::kText3);
  CHECK(test, wait_until([&] { return window_text(title_box) == L" Artist One - Song One"; },
                         kPostTimeoutMs));
  Sleep(1000);  // the first song has gone to no chat room
  if (!CHECK(test, session.start_chat())) {
    return;
  }
  Sleep(kQuietMs);
  CHECK(test, session.transcript().empty());
  session.next_song();
  if (CHECK(test, session.wait_for_lines(1))) {
    CHECK_EQ(test, session.transcript()[0], L"TuneFan:  Artist Two - Song Two");
  }
}

void the_player_closed_and_restarted(Test& test) {
  given_settings(L"np:%s [%l] %z/%f", L"1", nullptr);
  Session session;
  if (!CHECK(test, session.start_all()) || !CHECK(test, session.wait_for_lines(1))) {
    return;
  }
  PostMessageW(session.player_window, WM_COMMAND, kPlayerClose, 0);
  CHECK(test, session.player.wait_for_exit(5000));
  // No player: no song, no length, zero counts.
  if (CHECK(test, session.wait_for_lines(2))) {
    CHECK_EQ(test, session.transcript()[1], L"TuneFan: np: [] 0/0");
  }
  if (!CHECK(test, session.start_player()) || !CHECK(test, session.wait_for_lines(3))) {
    return;
  }
  CHECK_EQ(test, session.transcript()[2], L"TuneFan: np: Artist One - Song One [03:45] 0/3");
  Sleep(kQuietMs);
  CHECK(test, session.transcript().size() == 3);
}

// Clicks "Save State" again and again for a while and gives the longest time
// a click took to flip it: how long Tunelet's window stayed deaf to the user.
// False in `answered` when a click had no effect at all.
DWORD longest_click_delay(const Session& session, DWORD for_ms, bool* answered) {
  DWORD longest = 0;
  *answered = true;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < for_ms;) {
    const int before = session.check_value(tunelet::app::kCheck2);
    const DWORD clicked = GetTickCount();
    session.click_check(tunelet::app::kCheck2);
    *answered &=
        wait_until([&] { return session.check_value(tunelet::app::kCheck2) != before; }, 10000);
    longest = std::max(longest, GetTickCount() - clicked);
  }
  return longest;
}

void a_hung_chat_room_does_not_freeze_tunelet(Test& test) {
  given_settings(L"%s", L"1", nullptr);
  Session session;
  if (!CHECK(test, session.start_all()) || !CHECK(test, session.wait_for_lines(1))) {
    return;
  }
  PostMessageW(session.chat_window, WM_COMMAND, kChatHang, 10);
  Sleep(200);
  session.next_song();  // posted into the hung window within a second and a half
  bool answered = false;
  std::printf("    figure: while the chat room hung, a click took at most %lu ms\n",
              longest_click_delay(session, 6000, &answered));
  CHECK(test, answered);
  CHECK(test, session.tunelet.running());
  // Once the chat room answers again, the next song reaches it.
  std::vector<std::wstring> lines;
  CHECK(test, wait_until([&] { return !(lines = session.transcript()).empty(); }, 15000));
  session.next_song();
  if (CHECK(test, session.wait_for_lines(lines.size() + 1))) {
    CHECK_EQ(test, session.transcript().back(), L"TuneFan:  Artist Three - Song Three");
  }
}

void a_hung_player_does_not_freeze_tunelet(Test& test) {
  given_settings(L"%s [%l] %z/%f", L"1", nullptr);
  Session session;
  if (!CHECK(test, session.start_all()) || !CHECK(test, session.wait_for_lines(1))) {
    return;
  }
  // The title changes and the player stops answering: the post asks it in vain.
  PostMessageW(session.player_window, WM_COMMAND, kPlayerNextThenHang, 8);
  bool answered = false;
  std::printf("    figure: while the player hung, a click took at most %lu ms\n",
              longest_click_delay(session, 6000, &answered));
  CHECK(test, answered);
  if (CHECK(test, session.wait_for_lines(2))) {
    CHECK_EQ(test, session.transcript()[1], L"TuneFan:  Artist Two - Song Two [00:00] 0/0");
  }
  // Answering again, the player is asked as before.
  CHECK(test, wait_until([&] { return !window_text(session.player_window).empty(); }, 15000));
  session.next_song();
  if (CHECK(test, session.wait_for_lines(3))) {
    CHECK_EQ(test, session.transcript()[2], L"TuneFan:  Artist Three - Song Three [00:59] 2/3");
  }
}

void expect_controls(Test& test, const Session& session, const wchar_t* text4, int check1,
                     int check2) {
  CHECK_EQ(test, window_text(session.control(tunelet::app::kText4)), text4);
  CHECK(test, session.check_value(tunelet::app::kCheck1) == check1);
  CHECK(test, session.check_value(tunelet::app::kCheck2) == check2);
}

// Starts with every setting stored, edits the template, flips one switch,
// closes the window, and starts again.
struct SettingsRoundTrip {
  ControlId flipped;
  const wchar_t* saved_string;
  const wchar_t* saved_enabled;
  const wchar_t* saved_save_it;
  int next_check1;
  int next_check2;
};

void settings_round_trip(Test& test, const SettingsRoundTrip& trip) {
  given_settings(L"old %s", L"1", L"1");
  Session session;
  if (!CHECK(test, session.start_tunelet())) {
    return;
  }
  expect_controls(test, session, L"old %s", BST_CHECKED, BST_CHECKED);
  session.type_template(L"new %s [%l]");
  session.click_check(trip.flipped);
  CHECK(test, wait_until([&] { return session.check_value(trip.flipped) == 0; }, 2000));
  PostMessageW(session.form, WM_CLOSE, 0, 0);
  CHECK(test, session.tunelet.wait_for_exit(5000));
  CHECK_EQ(test, setting(L"String"), trip.saved_string);
  CHECK_EQ(test, setting(L"Enabled"), trip.saved_enabled);
  CHECK_EQ(test, setting(L"SaveIt"), trip.saved_save_it);
  if (CHECK(test, session.start_tunelet())) {
    expect_controls(test, session, trip.saved_string, trip.next_check1, trip.next_check2);
  }
}

// Posting stays off at the next start, as the user left it.
void settings_are_saved_with_save_state(Test& test) {
  settings_round_trip(
      test, {tunelet::app::kCheck1, L"new %s [%l]", L"", L"1", BST_UNCHECKED, BST_CHECKED});
}

// Only the choice not to save is written.
void settings_are_kept_without_save_state(Test& test) {
  settings_round_trip(test,
                      {tunelet::app::kCheck2, L"old %s", L"1", L"", BST_CHECKED, BST_UNCHECKED});
}

void settings_of_another_type_read_as_empty(Test& test) {
  clear_settings();
  set_setting_dword(L"Enabled", 1);
  set_setting_dword(L"SaveIt", 1);
  Session session;
  if (!CHECK(test, session.start_tunelet())) {
    return;
  }
  CHECK(test, session.check_value(tunelet::app::kCheck1) == BST_UNCHECKED);
  CHECK(test, session.check_value(tunelet::app::kCheck2) == BST_UNCHECKED);
}

void the_help_box_shows_its_exact_text(Test& test) {
  given_settings(nullptr, nullptr, nullptr);
  Session session;
  if (!CHECK(test, session.start_tunelet())) {
    return;
  }
  SetForegroundWindow(session.form);
  click_at(session.form, 18, 120);  // the "Opts" label
  HWND menu = wait_for_window_of(L"#32768", session.tunelet.id(), 5000);
  if (!CHECK(test, menu != nullptr)) {
    return;
  }
  press_key(VK_DOWN);
  press_key(VK_RETURN);
  HWND box = wait_for_window_of(L"#32770", session.tunelet.id(), 5000);
  if (!CHECK(test, box != nullptr)) {
    return;
  }
  wchar_t title[64] = L"";
  GetWindowTextW(box, title, 64);
  CHECK_EQ(test, std::wstring(title), L"HELP");
  CHECK_EQ(test, window_text(GetDlgItem(box, 0xFFFF)),
           L"Variables:              \r\n"
           L"%s = song  \r\n"
           L"%t = time\r\n"
           L"%d = date\r\n"
           L"%l = track length\r\n"
           L"%z = current track no.\r\n"
           L"%f = total tracks\r\n"
           L"%u = computer uptime\r\n"
           L"****************\r\n"
           L"If you hide it completely, and want to get it back, press 'Control - A'");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  CHECK(test, wait_until([&] { return !IsWindow(box); }, 5000));
  CHECK(test, session.tunelet.running());
}

struct Case {
  const char* name;
  void (*run)(Test&);
};

const Case kCases[] = {
    {"window matches its design", window_matches_its_design},
    {"first song is posted once with every variable",
     first_song_is_posted_once_with_every_variable},
    {"a song change is posted once", a_song_change_is_posted_once},
    {"Enabled off posts nothing", enabled_off_posts_nothing},
    {"a chat room opened late gets the next song", a_chat_room_opened_late_gets_the_next_song},
    {"the player closed and restarted", the_player_closed_and_restarted},
    {"a hung chat room does not freeze Tunelet", a_hung_chat_room_does_not_freeze_tunelet},
    {"a hung player does not freeze Tunelet", a_hung_player_does_not_freeze_tunelet},
    {"settings are loaded and saved with Save State", settings_are_saved_with_save_state},
    {"settings are kept without Save State", settings_are_kept_without_save_state},
    {"settings of another type read as empty", settings_of_another_type_read_as_empty},
    {"the help box shows its exact text", the_help_box_shows_its_exact_text},
};

}  // namespace

int main(int argc, char** argv) {
  const char* only = argc > 1 ? argv[1] : nullptr;
  int passed = 0;
  int failed = 0;
  for (const Case& c : kCases) {
    if (only != nullptr && std::string(c.name).find(only) == std::string::npos) {
      continue;
    }
    std::printf("%s\n", c.name);
    std::fflush(stdout);
    Test test(c.name);
    c.run(test);
    std::printf("  %s\n", test.passed() ? "PASS" : "FAIL");
    std::fflush(stdout);
    (test.passed() ? passed : failed)++;
  }
  clear_settings();
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
