// The notification icon as the user meets it. On a display without a
// notification area Wine shows one of its own, a small window whose icons
// are child windows that take real mouse clicks.
#include <gtest/gtest.h>

#include "e2e_support.h"

using namespace e2e;

HWND tray_icon() {
  return FindWindowExW(FindWindowW(L"__winex11_standalone_tray", nullptr), nullptr,
                       L"__winex11_tray_icon", nullptr);
}

TEST(Tray, MinimiseRestoreHideAndCtrlA) {
  store_settings({L"%s", L"1", L"1"});
  Session session;
  HWND form = session.form;
  const auto window_is = [&](bool visible, bool minimised, bool icon) {
    return wait_until(
        [&] {
          return (IsWindowVisible(form) != FALSE) == visible &&
                 (IsIconic(form) != FALSE) == minimised && (tray_icon() != nullptr) == icon;
        },
        5000);
  };
  const auto minimise = [&] {
    PostMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return window_is(false, true, true);
  };
  const auto tray_menu = [&](std::initializer_list<WORD> keys) {
    click(tray_icon(), true);
    ASSERT_NE(find(L"#32768"), nullptr);
    for (WORD key : keys) {
      hold_keys({key});
    }
  };
  ASSERT_TRUE(minimise());
  click(tray_icon());  // a left press restores
  EXPECT_TRUE(window_is(true, false, false));
  ASSERT_TRUE(minimise());  // three items: the fourth step down is the first, "Show Tunelet"
  tray_menu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_TRUE(window_is(true, false, false));
  ASSERT_TRUE(minimise());
  SetForegroundWindow(session.chat_window);  // Ctrl+A while another program has the focus
  hold_keys({VK_CONTROL, 'A'}, 100);
  EXPECT_TRUE(window_is(true, true, true));  // shown as it was: minimised, with its icon
  tray_menu({VK_DOWN, VK_DOWN, VK_RETURN});  // "Hide Tunelet Completely": no window, no icon
  EXPECT_TRUE(window_is(false, true, false));
  session.next_song();  // songs go on being posted
  EXPECT_TRUE(session.wait_for_lines(2));
  hold_keys({VK_CONTROL, 'A'}, 100);
  EXPECT_TRUE(window_is(true, false, false));  // back restored

  // Started again while in the tray: the second ends at once, the first
  // comes back, and the next song is posted once.
  ASSERT_TRUE(minimise());
  Process second{L"tunelet.exe"};
  EXPECT_TRUE(second.ends_within(3000));
  EXPECT_TRUE(window_is(true, false, false));
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(3));
  Sleep(2000);
  EXPECT_EQ(session.transcript().size(), 3u);

  ASSERT_TRUE(minimise());
  tray_menu({VK_UP, VK_RETURN});  // "Close", the last item, ends Tunelet
  EXPECT_TRUE(session.tunelet->ends_within(5000));

  // No notification area (Explorer ended): minimised, the window stays on the taskbar.
  form = session.start_tunelet();
  DWORD shell = 0;
  GetWindowThreadProcessId(FindWindowW(L"Shell_TrayWnd", nullptr), &shell);
  HANDLE explorer = OpenProcess(PROCESS_TERMINATE, FALSE, shell);
  TerminateProcess(explorer, 1);
  CloseHandle(explorer);
  PostMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(window_is(true, true, false));
}
