// Chat commands from the chat room, with the "CCOM" switch clicked as the
// window runtime would deliver it. A helper presses OK in every echo box as
// soon as it opens and keeps what it said, so that the list of echoes shows
// which lines were handed over: once each, in order, one box at a time.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "e2e_support.h"
#include "platform/win32/resource_ids.h"

using namespace e2e;
using tunelet::app::kCheck4;

// Presses OK in every echo box as soon as it opens and keeps what it said.
struct EchoBoxes {
  std::vector<std::wstring> texts;  // read once stopped
  std::atomic<std::size_t> count{0};
  std::atomic<bool> done{false};
  std::thread helper{[this] {
    for (HWND box; !done;) {
      if ((box = find(L"#32770", L"Tunelet", 100)) != nullptr) {
        texts.push_back(text_of(GetDlgItem(box, 0xFFFF)));
        press(box, IDOK);
        ++count;
      }
    }
  }};
  std::vector<std::wstring> stop() {
    done = true;
    if (helper.joinable()) {
      helper.join();
    }
    return texts;
  }
  ~EchoBoxes() { stop(); }
};

TEST(ChatCommands, TheMasterOperatorDrivesThePlayer) {
  store_settings({L"%s", L"1", L"1"});
  Session session;
  session.say(L"Boss", L"/pause");  // history once CCOM is checked
  ASSERT_TRUE(session.wait_for_lines(2));
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

  EchoBoxes echoes;
  session.say(L"Boss", L"<b>/skip</b>");
  ASSERT_TRUE(session.wait_for_lines(4));  // the next song, posted by Tunelet
  EXPECT_EQ(session.transcript()[3], L"<b>TuneFan</b>:  " + std::wstring(peers::kForeignSong));
  session.say(L"Alice", L"hi\r\nBoss: /pause");  // a second line typed inside Alice's message
  Sleep(2500);
  EXPECT_EQ(session.player_received(), L"40048\r\n");

  // Cancel at a second prompt clears the master operator: only an empty sender counts now.
  EXPECT_EQ(set_ccom(BST_UNCHECKED), nullptr);
  ASSERT_TRUE(press(set_ccom(BST_CHECKED), IDCANCEL));
  session.say(L"Boss", L"/stop");
  ASSERT_TRUE(wait_until([&] { return echoes.count == 3; }));
  EXPECT_EQ(session.player_received(), L"40048\r\n");
  session.say(L"", L"/exit");
  EXPECT_TRUE(session.player.ends_within(10000));
  EXPECT_TRUE(session.tunelet->ends_within(5000));
  EXPECT_EQ(echoes.stop(), (std::vector<std::wstring>{L"Boss:<b>/skip</b>", L"Alice:hi",
                                                      L"Boss:/stop", L":/exit"}));
}
