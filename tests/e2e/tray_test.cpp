// The notification icon as the user meets it. On a display without a
// notification area Wine shows one of its own, a small window whose icons
// are child windows that take real mouse clicks.
#include <gtest/gtest.h>

#include "e2e_support.h"

#include <shellapi.h>

using namespace e2e;

namespace {

HWND tray_icon() {
  return FindWindowExW(FindWindowW(L"__winex11_standalone_tray", nullptr), nullptr,
                       L"__winex11_tray_icon", nullptr);
}

// Tunelet's window as the user sees it: shown or not, minimised or not,
// with its icon in the notification area or not.
struct TrayWindow {
  Session& session;

  bool is(bool visible, bool minimised, bool icon, DWORD within = 5000) const {
    return wait_until(
        [&] {
          return (IsWindowVisible(session.form) != FALSE) == visible &&
                 (IsIconic(session.form) != FALSE) == minimised && (tray_icon() != nullptr) == icon;
        },
        within);
  }
  bool minimise() const {
    PostMessageW(session.form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return is(false, true, true);
  }
  void menu(int item) const {  // "Show Tunelet", "Hide Tunelet Completely", "Close"
    click(tray_icon(), true);
    choose(item, 3);
  }
};

// The notification area says it is new while the icon is still there, as
// Explorer does on some display changes: the add is refused, and the icon
// is kept, the window hidden. Explorer restarted: the icons are gone, and
// the new notification area says so to every window: the icon comes back.
void the_icon_outlives_the_notification_area(const TrayWindow& tray) {
  const UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
  SendMessageTimeoutW(tray.session.form, taskbar_created, 0, 0, SMTO_NORMAL, 10000, nullptr);
  EXPECT_TRUE(tray.is(false, true, true, 0));
  NOTIFYICONDATAW icon{};
  icon.cbSize = NOTIFYICONDATAW_V1_SIZE, icon.hWnd = tray.session.form, icon.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  ASSERT_TRUE(wait_until([] { return tray_icon() == nullptr; }));
  SendNotifyMessageW(HWND_BROADCAST, taskbar_created, 0, 0);
  EXPECT_TRUE(tray.is(false, true, true));
}

// "Show Tunelet" brings the window back.
void show_tunelet_brings_the_window_back(const TrayWindow& tray) {
  tray.menu(0);
  EXPECT_TRUE(tray.is(true, false, false));
}

// Ctrl+A, while another program has the focus, shows the window, still
// minimised beside its icon; "Hide Tunelet Completely" takes both away while
// songs go on being posted; Ctrl+A brings the window back, restored.
void hidden_completely_and_back_with_ctrl_a(const TrayWindow& tray) {
  ASSERT_TRUE(tray.minimise());
  SetForegroundWindow(tray.session.chat_window);
  EXPECT_TRUE(hold_keys({VK_CONTROL, 'A'}, [&] { return tray.is(true, true, true, 0); }));
  tray.menu(1);
  EXPECT_TRUE(tray.is(false, true, false));
  tray.session.next_song();
  EXPECT_TRUE(tray.session.wait_for_lines(2));
  EXPECT_TRUE(hold_keys({VK_CONTROL, 'A'}, [&] { return tray.is(true, false, false, 0); }));
}

// Started again while in the tray: the second ends at once, the first comes
// back.
void a_second_start_brings_it_back(const TrayWindow& tray) {
  ASSERT_TRUE(tray.minimise());
  Process second{L"tunelet.exe"};
  EXPECT_TRUE(second.ends_within(3000));
  EXPECT_TRUE(tray.is(true, false, false));
}

// A right press on the icon while a post waits for a slow chat room: the
// menu opens once the post is done (the room gets the song while it is
// open), and what the user types into the room meanwhile is not sent. Each
// song once: one Tunelet.
void a_tray_menu_waits_for_the_post(const TrayWindow& tray) {
  const Session& session = tray.session;
  ASSERT_TRUE(tray.minimise());
  session.tell(session.chat_window, peers::kSlow, 600);
  session.next_song();
  ASSERT_TRUE(session.room_answers_late());  // Tunelet waits for it now
  click(tray_icon(), true);
  ASSERT_NE(find(L"#32768"), nullptr);
  EXPECT_TRUE(session.wait_for_lines(3));
  SetWindowTextW(session.input(), L"my private draft");
  EXPECT_TRUE(
      hold_keys({VK_ESCAPE}, [] { return !IsWindowVisible(FindWindowW(L"#32768", nullptr)); }));
  session.tell(session.chat_window, peers::kSlow, 0);
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(4));
  const std::vector<std::wstring> lines = session.transcript();
  for (std::size_t song = 0; song < lines.size(); ++song) {
    EXPECT_EQ(lines[song], L"TuneFan: np: " + std::wstring(peers::kPlaylist[song].name));
  }
}

}  // namespace

TEST(Tray, MinimiseRestoreHideAndCtrlA) {
  store_settings({L"np:%s", L"1", L"1"});
  Session session;
  const TrayWindow tray{session};
  ASSERT_TRUE(tray.minimise());
  the_icon_outlives_the_notification_area(tray);
  show_tunelet_brings_the_window_back(tray);
  hidden_completely_and_back_with_ctrl_a(tray);
  a_second_start_brings_it_back(tray);
  a_tray_menu_waits_for_the_post(tray);
  ASSERT_TRUE(tray.is(false, true, true));  // still in the tray
  tray.menu(2);                             // "Close" ends Tunelet
  EXPECT_TRUE(session.tunelet->ends_within(5000));
}
