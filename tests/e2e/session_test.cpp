// Tunelet against the stand-in player and chat room as a user meets it: the
// first start, the settings kept between runs, posting, peers that are slow
// or hang.
#include <gtest/gtest.h>

#include "e2e_support.h"

using namespace e2e;
using namespace tunelet::app;

TEST(Session, FirstStartHelpBoxAndSettingsKeptBetweenRuns) {
  // Settings as other tools write them: a template to be kept unexpanded, a
  // text with an odd number of bytes, a number (no text: unchecked).
  store_settings({nullptr, nullptr, nullptr});
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"String", REG_EXPAND_SZ, L"%TEMP% %s", 20);
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"Enabled", REG_SZ, L"1", 3);
  const DWORD one = 1;
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"SaveIt", REG_DWORD, &one, sizeof one);
  Session session;
  EXPECT_EQ(text_of(session.control(kText4)), L"%TEMP% %s");
  EXPECT_EQ(session.checked(kCheck1), BST_CHECKED);
  RECT client;
  GetClientRect(session.form, &client);
  EXPECT_EQ(client.right, 309);
  EXPECT_EQ(client.bottom, 132);
  GUITHREADINFO focus{};
  focus.cbSize = sizeof focus;
  GetGUIThreadInfo(GetWindowThreadProcessId(session.form, nullptr), &focus);
  EXPECT_EQ(focus.hwndFocus, session.control(kCheck1));
  EXPECT_EQ(session.checked(kCheck2), BST_UNCHECKED);
  SetForegroundWindow(session.form);
  click(session.form, false, {20, 120});  // "Opts", then its first item
  ASSERT_NE(find(L"#32768"), nullptr);
  hold_keys({VK_DOWN});
  hold_keys({VK_RETURN});
  HWND box = find(L"#32770", L"HELP");
  EXPECT_EQ(text_of(GetDlgItem(box, 0xFFFF)),
            L"Variables:              \r\n%s = song  \r\n%t = time\r\n%d = date\r\n"
            L"%l = track length\r\n%z = current track no.\r\n%f = total tracks\r\n"
            L"%u = computer uptime\r\n****************\r\n"
            L"If you hide it completely, and want to get it back, press 'Control - A'");
  EXPECT_TRUE(press(box, IDOK));

  // Stored settings; the template edited and one switch turned off; the window
  // closed: what is stored, and what the next start shows.
  const struct {
    int turned_off;
    std::wstring stored;  // String, Enabled, SaveIt
    int next_check1, next_check2;
  } rows[] = {{kCheck1, L"new %s,,1", BST_UNCHECKED, BST_CHECKED},
              {kCheck2, L"old %s,1,", BST_CHECKED, BST_UNCHECKED}};
  for (const auto& row : rows) {
    store_settings({L"old %s", L"1", L"1"});
    session.start_tunelet();
    EXPECT_EQ(text_of(session.control(kText4)), L"old %s");
    SendMessageW(session.control(kText4), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"new %s"));
    click(session.control(row.turned_off));
    ASSERT_TRUE(wait_until([&] { return session.checked(row.turned_off) == BST_UNCHECKED; }));
    PostMessageW(session.form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(session.tunelet->ends_within(5000));
    EXPECT_EQ(stored(L"String") + L"," + stored(L"Enabled") + L"," + stored(L"SaveIt"), row.stored);
    session.start_tunelet();
    EXPECT_EQ(text_of(session.control(kText4)), row.stored.substr(0, 6));
    EXPECT_EQ(session.checked(kCheck1), row.next_check1);
    EXPECT_EQ(session.checked(kCheck2), row.next_check2);
  }
}

// Every song posted once, with every variable, whether the peers answer at
// once, late or not at all: a hung peer costs one post.
TEST(Session, EachSongIsPostedOnceWhetherThePeersAreQuickSlowOrHung) {
  store_settings({L"np:%s|%l|%z|%f|%u|%t|%d", L"1", nullptr});
  Session session;
  ASSERT_TRUE(session.wait_for_lines(1));
  wchar_t song[64], time_and_date[64];
  int days, hours, minutes;
  ASSERT_EQ(swscanf(session.transcript()[0].c_str(), L"%63l[^|]|03:45|0|4|%dd, %dh, %dm|%63l[^\n]",
                    song, &days, &hours, &minutes, time_and_date),
            5);
  EXPECT_STREQ(song, L"<b>TuneFan</b>: np: Nightfall Radio - Slow Orbit");
  EXPECT_TRUE(days >= 0 && hours < 24 && minutes < 60 && !wcschr(time_and_date, L'%'));
  EXPECT_NE(wcschr(time_and_date, L'|'), nullptr) << time_and_date;
  const DWORD changed = GetTickCount();
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(2));
  std::printf("figure: a song change reached the chat room after %lu ms\n",
              GetTickCount() - changed);
  click(session.control(kCheck1));  // "Enabled" off: the next song is not posted
  ASSERT_TRUE(wait_until([&] { return session.checked(kCheck1) == BST_UNCHECKED; }));
  session.next_song();
  Sleep(3000);
  EXPECT_EQ(session.transcript().size(), 2u);

  PostMessageW(session.player_window, WM_COMMAND, peers::kSlow, 1500);
  PostMessageW(session.chat_window, WM_COMMAND, peers::kSlow, 1500);
  click(session.control(kCheck1));  // and on: the song is posted, by slow peers
  ASSERT_TRUE(session.wait_for_lines(3));
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(4));
  PostMessageW(session.player_window, WM_COMMAND, peers::kSlow, 0);
  PostMessageW(session.chat_window, WM_COMMAND, peers::kSlow, 0);

  // A peer stops answering and is asked in vain: clicks on "Save State" for
  // four seconds, and the longest one took to take effect.
  const auto longest_click = [&] {
    DWORD longest = 0;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 4000;) {
      const int before = session.checked(kCheck2);
      const DWORD clicked = GetTickCount();
      click(session.control(kCheck2));
      EXPECT_TRUE(wait_until([&] { return session.checked(kCheck2) != before; }, 5000));
      longest = std::max(longest, GetTickCount() - clicked);
    }
    return longest;
  };
  PostMessageW(session.player_window, WM_COMMAND, peers::kNextThenHang, 8);  // moves on first
  std::printf("figure: while the player hung, a click took at most %lu ms\n", longest_click());
  ASSERT_TRUE(session.wait_for_lines(5));
  ASSERT_TRUE(wait_until([&] { return !text_of(session.player_window).empty(); }, 15000));
  PostMessageW(session.chat_window, WM_COMMAND, peers::kHang, 10);
  Sleep(200);
  session.next_song();  // goes to the hung chat room and is dropped
  std::printf("figure: while the chat room hung, a click took at most %lu ms\n", longest_click());
  ASSERT_TRUE(wait_until([&] { return session.transcript().size() == 5; }, 15000));
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(6));

  ASSERT_EQ(GetACP(), 1252u);  // a Western code page: the song's own text must go through
  const std::wstring kOurs = L"<b>TuneFan</b>: np: ";
  const std::wstring starts[] = {kOurs + peers::kForeignSong + L"|62:05|1|4|",
                                 kOurs + L"Glass Harbour - Saturday Static|00:59|2|4|",
                                 kOurs + L"Mira Vale - Small Hours|02:51|3|4|",
                                 kOurs + L"Nightfall Radio - Slow Orbit||0|0|",  // not known
                                 kOurs + L"Glass Harbour - Saturday Static|00:59|2|4|"};
  const std::vector<std::wstring> lines = session.transcript();
  ASSERT_EQ(lines.size(), 6u);
  for (std::size_t line = 1; line < lines.size(); ++line) {
    EXPECT_EQ(lines[line].rfind(starts[line - 1], 0), 0u) << line;
  }
}
