// The notification icon as the user meets it. On a display without a
// notification area Wine shows one of its own, a small window whose icons
// are child windows that take real mouse clicks.
#include <gtest/gtest.h>

#include "e2e_support.h"

using namespace e2e;

namespace {

HWND tray_icon() {
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  return tray == nullptr ? nullptr : FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr);
}

bool window_is(HWND form, bool visible, bool minimised, bool icon) {
  return wait_until(
      [&] {
        return (IsWindowVisible(form) != FALSE) == visible &&
               (IsIconic(form) != FALSE) == minimised && (tray_icon() != nullptr) == icon;
      },
      5000);
}

}  // namespace

TEST(Tray, MinimiseRestoreHideAndCtrlA) {
  store_settings({L"%s", L"1", L"1"});
  Session session;
  ASSERT_TRUE(session.wait_for_lines(1));
  HWND form = session.form;
  const auto minimise = [&] {
    PostMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return window_is(form, false, true, true);
  };
  const auto tray_menu = [&](std::initializer_list<WORD> keys) {
    click(tray_icon(), true);
    ASSERT_NE(session.tunelet->window(L"#32768"), nullptr);
    for (WORD key : keys) {
      hold_keys({key}, 30);
    }
  };

  ASSERT_TRUE(minimise());
  click(tray_icon());  // a left press restores
  EXPECT_TRUE(window_is(form, true, false, false));
  ASSERT_TRUE(minimise());  // three items: four steps down come back to the first, "Show Tunelet"
  tray_menu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_TRUE(window_is(form, true, false, false));
  ASSERT_TRUE(minimise());  // "Hide Tunelet Completely" in the tray changes nothing
  tray_menu({VK_DOWN, VK_DOWN, VK_RETURN});
  Sleep(500);
  EXPECT_TRUE(window_is(form, false, true, true));

  SetForegroundWindow(session.chat_window);  // another program has the focus
  hold_keys({VK_CONTROL});
  hold_keys({'A'});
  Sleep(300);
  EXPECT_FALSE(IsWindowVisible(form));
  hold_keys({VK_CONTROL, 'A'}, 100);  // shown as it was: minimised, with its icon
  EXPECT_TRUE(window_is(form, true, true, true));
  tray_menu({VK_DOWN, VK_DOWN, VK_RETURN});  // hidden again
  EXPECT_TRUE(window_is(form, false, true, true));
  session.next_song();  // songs go on being posted
  EXPECT_TRUE(session.wait_for_lines(2));

  click(tray_icon());  // widened, a mouse move at column 516 opens nothing
  ASSERT_TRUE(window_is(form, true, false, false));
  SetWindowPos(form, nullptr, 0, 0, 640, 200, SWP_NOMOVE | SWP_NOZORDER);
  POINT at{516, 20};
  ClientToScreen(form, &at);
  SetCursorPos(at.x, at.y);
  SetCursorPos(at.x + 1, at.y);
  EXPECT_EQ(session.tunelet->window(L"#32768", nullptr, 1000), nullptr);

  SendMessageW(session.control(tunelet::app::kText4), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"%s!"));
  ASSERT_TRUE(minimise());  // "Close", the last item, saves and leaves no icon
  tray_menu({VK_UP, VK_RETURN});
  EXPECT_TRUE(session.tunelet->ends_within(5000));
  EXPECT_EQ(stored(L"String"), L"%s!");
  EXPECT_EQ(tray_icon(), nullptr);
}
