// The notification icon as the user meets it. On a display without a
// notification area Wine shows one of its own, a small window whose icons
// are child windows that take real mouse clicks.
#include <gtest/gtest.h>

#include "e2e_support.h"

using namespace e2e;

HWND tray_icon() {
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  return FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr);
}

TEST(Tray, MinimiseRestoreHideAndCtrlA) {
  store_settings({L"%s", L"1", L"1"});
  Session session;
  HWND form = session.form;
  const auto window_is = [&](bool visible, bool minimised, bool icon) {
    return wait_until(
        [&] {
          return !IsWindowVisible(form) != visible && !IsIconic(form) != minimised &&
                 (tray_icon() != nullptr) == icon;
        },
        5000);
  };
  const auto minimise = [&] { return PostMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0); };
  const auto tray_menu = [&](std::initializer_list<WORD> keys) {
    click(tray_icon(), true);
    ASSERT_NE(session.tunelet->window(L"#32768"), nullptr);
    for (WORD key : keys) {
      hold_keys({key});
    }
  };
  const struct {
    std::function<void()> action;
    bool visible, minimised, icon;
  } steps[] = {
      // clang-format off
      {minimise, false, true, true},
      {[&] { click(tray_icon()); }, true, false, false},  // a left press restores
      {minimise, false, true, true},
      {[&] { tray_menu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}); }, true, false, false},  // three items: the 4th step down is "Show Tunelet"
      {minimise, false, true, true},
      {[&] { tray_menu({VK_DOWN, VK_DOWN, VK_RETURN}), Sleep(500); }, false, true, true},  // "Hide Tunelet Completely" changes nothing
      {[&] { SetForegroundWindow(session.chat_window), hold_keys({VK_CONTROL}, 150), hold_keys({'A'}, 150), Sleep(300); }, false, true, true},
      {[&] { hold_keys({VK_CONTROL, 'A'}, 100); }, true, true, true},  // shown as it was, from another program
      {[&] { tray_menu({VK_DOWN, VK_DOWN, VK_RETURN}); }, false, true, true},  // hidden again
      {[&] { session.next_song(), session.wait_for_lines(2), click(tray_icon()); }, true, false, false},
      // clang-format on
  };
  for (const auto& step : steps) {
    step.action();
    EXPECT_TRUE(window_is(step.visible, step.minimised, step.icon)) << "step " << &step - steps + 1;
  }
  EXPECT_EQ(session.transcript().size(), 2u);  // the song was posted while the window was hidden

  SetWindowPos(form, nullptr, 0, 0, 640, 200, SWP_NOMOVE | SWP_NOZORDER);
  POINT at{516, 20};  // widened, a mouse move at column 516 opens nothing
  ClientToScreen(form, &at);
  SetCursorPos(at.x, at.y);
  SetCursorPos(at.x + 1, at.y);
  EXPECT_EQ(session.tunelet->window(L"#32768", nullptr, 1000), nullptr);

  SendMessageW(session.control(tunelet::app::kText4), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"%s!"));
  minimise();  // "Close", the last item, saves and leaves no icon
  ASSERT_TRUE(window_is(false, true, true));
  tray_menu({VK_UP, VK_RETURN});
  EXPECT_TRUE(session.tunelet->ends_within(5000));
  EXPECT_EQ(stored(L"String"), L"%s!");
  EXPECT_EQ(tray_icon(), nullptr);
}
