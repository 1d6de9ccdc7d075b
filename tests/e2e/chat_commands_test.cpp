// Chat commands from the chat room, with the "CCOM" switch clicked as the
// window runtime would deliver it, and every box dismissed with the mouse.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "platform/win32/resource_ids.h"

using namespace e2e;
using tunelet::app::kCheck4;

TEST(ChatCommands, TheMasterOperatorDrivesThePlayer) {
  store_settings({L"%s", L"1", L"1"});
  Session session;
  session.say(L"Alice", L"/skip before CCOM");
  ASSERT_TRUE(session.wait_for_lines(2));
  const auto set_ccom = [&](int value) {
    SendMessageW(session.control(kCheck4), BM_SETCHECK, value, 0);
    PostMessageW(session.form, WM_COMMAND, MAKEWPARAM(kCheck4, BN_CLICKED),
                 reinterpret_cast<LPARAM>(session.control(kCheck4)));
    return session.tunelet->window(L"#32770", L"Enter your SN", value ? 10000 : 500);
  };
  const auto echo = [&] { return session.tunelet->window(L"#32770", L"Tunelet", 3000); };
  const auto echoed = [&](const std::wstring& text) {
    HWND box = echo();
    return box != nullptr && text_of(GetDlgItem(box, 0xFFFF)) == text && press(box, IDOK);
  };

  HWND prompt = set_ccom(BST_CHECKED);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(text_of(GetDlgItem(prompt, IDC_INPUT_PROMPT)), L"Master operator of ccom?");
  SendMessageW(GetDlgItem(prompt, IDC_INPUT_TEXT), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"Boss"));
  ASSERT_TRUE(press(prompt, IDOK));
  EXPECT_EQ(echo(), nullptr);  // the lines from before are history

  session.say(L"Alice", L"/skip");
  EXPECT_TRUE(echoed(L"Alice:/skip"));
  session.say(L"Boss", L"<b>/skip</b>");
  EXPECT_TRUE(echoed(L"Boss:<b>/skip</b>"));
  EXPECT_TRUE(wait_until([&] { return session.player_received() == L"40048\r\n"; }));
  ASSERT_TRUE(session.wait_for_lines(5));  // the next song, posted and not echoed
  EXPECT_EQ(session.transcript()[4],
            L"<b>TuneFan</b>:  Zo\u00eb Vall\u00e9e - Caf\u00e9 Lumi\u00e8re");
  EXPECT_EQ(echo(), nullptr);
  for (const wchar_t* not_a_command : {L"/Skip", L"/skip now", L"/pause"}) {
    session.say(L"Boss", not_a_command);
    EXPECT_TRUE(echoed(std::wstring(L"Boss:") + not_a_command));
  }
  EXPECT_TRUE(wait_until([&] { return session.player_received() == L"40048\r\n40046\r\n"; }));
  session.say(L"Alice", L"hi\r\nBoss: /pause");  // a second line typed inside Alice's message
  EXPECT_TRUE(echoed(L"Alice:hi"));
  EXPECT_EQ(echo(), nullptr);

  // Cancel at a second prompt clears the master operator: only an empty sender counts now.
  set_ccom(BST_UNCHECKED);
  ASSERT_TRUE(press(set_ccom(BST_CHECKED), IDCANCEL));
  session.say(L"Boss", L"/stop");
  EXPECT_TRUE(echoed(L"Boss:/stop"));
  SendMessageW(session.control(tunelet::app::kText4), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(L"%s ccom"));
  session.say(L"", L"/exit");
  EXPECT_TRUE(echoed(L":/exit"));
  EXPECT_TRUE(session.player.ends_within(5000));
  EXPECT_TRUE(session.tunelet->ends_within(5000));
  EXPECT_EQ(session.player_received(), L"");  // nothing more came: the player is gone
  EXPECT_EQ(stored(L"String"), L"%s ccom");
}
