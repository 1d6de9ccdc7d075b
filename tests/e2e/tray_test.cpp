// The notification icon as the user meets it. On a display without a
// notification area Wine shows one of its own, a small window whose icons
// are child windows that take real mouse clicks.
#include <gtest/gtest.h>

#include "e2e_support.h"

#include <shellapi.h>

using namespace e2e;

HWND tray_icon() {
  return FindWindowExW(FindWindowW(L"__winex11_standalone_tray", nullptr), nullptr,
                       L"__winex11_tray_icon", nullptr);
}

TEST(Tray, MinimiseRestoreHideAndCtrlA) {
  store_settings({L"np:%s", L"1", L"1"});
  Session session;
  HWND form = session.form;
  const auto window_now = [&](bool visible, bool minimised, bool icon) {
    return (IsWindowVisible(form) != FALSE) == visible && (IsIconic(form) != FALSE) == minimised &&
           (tray_icon() != nullptr) == icon;
  };
  const auto window_is = [&](bool visible, bool minimised, bool icon) {
    return wait_until([&] { return window_now(visible, minimised, icon); }, 5000);
  };
  const auto minimise = [&] {
    PostMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return window_is(false, true, true);
  };
  const auto tray_menu = [&](int item) {  // "Show Tunelet", "Hide Tunelet Completely", "Close"
    click(tray_icon(), true);
    choose(item, 3);
  };
  ASSERT_TRUE(minimise());
  // The notification area says it is new while the icon is still there, as
  // Explorer does on some display changes: the add is refused, and the icon
  // is kept, the window hidden.
  const UINT taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
  SendMessageTimeoutW(form, taskbar_created, 0, 0, SMTO_NORMAL, 10000, nullptr);
  EXPECT_TRUE(window_now(false, true, true));
  // Explorer restarted: the icons are gone, and the new notification area
  // says so to every window. The icon comes back.
  NOTIFYICONDATAW icon{};
  icon.cbSize = NOTIFYICONDATAW_V1_SIZE, icon.hWnd = form, icon.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  ASSERT_TRUE(wait_until([] { return tray_icon() == nullptr; }));
  SendNotifyMessageW(HWND_BROADCAST, taskbar_created, 0, 0);
  EXPECT_TRUE(window_is(false, true, true));
  click(tray_icon());  // a left press restores
  EXPECT_TRUE(window_is(true, false, false));
  ASSERT_TRUE(minimise());
  tray_menu(0);
  EXPECT_TRUE(window_is(true, false, false));
  ASSERT_TRUE(minimise());
  SetForegroundWindow(session.chat_window);  // Ctrl+A while another program has the focus
  EXPECT_TRUE(hold_keys({VK_CONTROL, 'A'}, [&] { return window_now(true, true, true); }));
  tray_menu(1);  // "Hide Tunelet Completely": no window, no icon
  EXPECT_TRUE(window_is(false, true, false));
  session.next_song();  // songs go on being posted
  EXPECT_TRUE(session.wait_for_lines(2));
  EXPECT_TRUE(hold_keys({VK_CONTROL, 'A'}, [&] { return window_now(true, false, false); }));

  // Started again while in the tray: the second ends at once, the first
  // comes back.
  ASSERT_TRUE(minimise());
  Process second{L"tunelet.exe"};
  EXPECT_TRUE(second.ends_within(3000));
  EXPECT_TRUE(window_is(true, false, false));

  // A right press on the icon while a post waits for a slow chat room: the
  // menu opens once the post is done, and what the user types into the room
  // meanwhile is not sent.
  ASSERT_TRUE(minimise());
  session.tell(session.chat_window, peers::kSlow, 600);
  session.next_song();
  ASSERT_TRUE(wait_until([&] {  // Tunelet waits for it now
    return title_of(session.chat_window) == peers::kChatTitleAnsweringLate;
  }));
  click(tray_icon(), true);
  ASSERT_NE(find(L"#32768"), nullptr);
  SendMessageW(session.input(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"my private draft"));
  EXPECT_TRUE(
      hold_keys({VK_ESCAPE}, [] { return !IsWindowVisible(FindWindowW(L"#32768", nullptr)); }));
  session.tell(session.chat_window, peers::kSlow, 0);
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(4));
  const std::vector<std::wstring> lines = session.transcript();  // each song once: one Tunelet
  for (std::size_t song = 0; song < lines.size(); ++song) {
    EXPECT_EQ(lines[song], L"TuneFan: np: " + std::wstring(peers::kPlaylist[song].name));
  }

  ASSERT_TRUE(window_is(false, true, true));  // still in the tray
  tray_menu(2);                               // "Close" ends Tunelet
  EXPECT_TRUE(session.tunelet->ends_within(5000));
}

// No notification area: Explorer, which holds it, is ended for good, so this
// suite runs in a Wine session of its own (run.sh). Minimised, the window
// stays on the taskbar.
TEST(NoNotificationArea, TheMinimisedWindowStaysOnTheTaskbar) {
  Session session;
  DWORD shell = 0;
  GetWindowThreadProcessId(FindWindowW(L"Shell_TrayWnd", nullptr), &shell);
  HANDLE explorer = OpenProcess(PROCESS_TERMINATE, FALSE, shell);
  TerminateProcess(explorer, 1);
  CloseHandle(explorer);
  PostMessageW(session.form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(wait_until([&] {
    return IsIconic(session.form) && IsWindowVisible(session.form) && tray_icon() == nullptr;
  }));
}
