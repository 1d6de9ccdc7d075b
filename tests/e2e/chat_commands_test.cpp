// The dormant chat commands: the hidden "CCOM" switch, clicked as the window
// runtime would deliver it, asks for the master operator; and nothing reads
// the chat room, so a command written there, even by the master operator,
// drives nothing.
#include <gtest/gtest.h>

#include "app/resource_ids.h"
#include "e2e_support.h"

using namespace e2e;
using tunelet::app::kCheck4;

TEST(ChatCommands, TheSwitchAsksForTheMasterOperatorAndTheRoomDrivesNothing) {
  store_settings({L"%s", L"1", nullptr});
  Session session;
  ASSERT_TRUE(session.wait_for_lines(1));
  const auto set_ccom = [&](int value) {
    SendMessageW(session.control(kCheck4), BM_SETCHECK, value, 0);
    PostMessageW(session.form, WM_COMMAND, MAKEWPARAM(kCheck4, BN_CLICKED),
                 reinterpret_cast<LPARAM>(session.control(kCheck4)));
    return find(L"#32770", L"Enter your SN", value ? 10000 : 1000);
  };
  HWND prompt = set_ccom(BST_CHECKED);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(text_of(GetDlgItem(prompt, IDC_INPUT_PROMPT)), L"Master operator of ccom?");
  SendMessageW(GetDlgItem(prompt, IDC_INPUT_TEXT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"Boss"));
  ASSERT_TRUE(press(prompt, IDOK));
  EXPECT_EQ(set_ccom(BST_UNCHECKED), nullptr);
  ASSERT_TRUE(press(set_ccom(BST_CHECKED), IDOK));

  // Lines from the master operator and from everyone else, as the client
  // shows them: nothing obeys them, no box echoes them, Tunelet stays.
  SetWindowTextW(
      FindWindowExW(session.chat_window, nullptr, L"WndAte32Class", nullptr),
      L"<b>Boss</b>: /skip\r\n<b></b>: /exit\r\n<b>Alice</b>: hi\r\n<b>Boss</b>: /exit\r\n");
  EXPECT_FALSE(session.tunelet->ends_within(3000));
  EXPECT_EQ(find(L"#32770", L"Tunelet", 500), nullptr);
  const std::wstring status = text_of(GetDlgItem(session.player_window, peers::kPlayerStatus));
  EXPECT_EQ(status.find(L"\r\n") + 2, status.size());  // the player received no command
}
