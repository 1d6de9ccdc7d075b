// Tunelet against the stand-in player and chat room as a user meets it: the
// first start, the settings kept between runs, posting, peers that are slow,
// busy or refuse the text.
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
  // The picture drawn under the controls: this pixel of it, as an image tool
  // reads the file, not the plain dark blue around it.
  HDC dc = GetDC(session.form);
  const COLORREF pixel = GetPixel(dc, 150, 10);
  ReleaseDC(session.form, dc);
  EXPECT_LT(std::abs(GetRValue(pixel) - 33) + std::abs(GetGValue(pixel) - 24) +
                std::abs(GetBValue(pixel) - 113),
            30);
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
  const std::wstring help = text_of(GetDlgItem(box, 0xFFFF));  // ten lines, joined by CR LF
  EXPECT_EQ(
      std::count(help.begin(), help.end(), L'\r') + std::count(help.begin(), help.end(), L'\n'),
      18);
  EXPECT_EQ(help.find(L"\r\n\r\n"), std::wstring::npos);
  EXPECT_TRUE(press(box, IDOK));

  // Stored settings; the template edited and one switch turned off; the window
  // closed, or the user logging off: what is stored, and what the next start
  // shows.
  const struct {
    int turned_off;
    UINT ending;
    std::wstring stored;  // String, Enabled, SaveIt
    int next_check1, next_check2;
  } rows[] = {{kCheck1, WM_CLOSE, L"new %s,,1", BST_UNCHECKED, BST_CHECKED},
              {kCheck2, WM_CLOSE, L"old %s,1,", BST_CHECKED, BST_UNCHECKED},
              {kCheck1, WM_ENDSESSION, L"new %s,,1", BST_UNCHECKED, BST_CHECKED}};
  for (const auto& row : rows) {
    store_settings({L"old %s", L"1", L"1"});
    session.start_tunelet();
    SendMessageW(session.control(kText4), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"new %s"));
    click(session.control(row.turned_off));
    ASSERT_TRUE(wait_until([&] { return session.checked(row.turned_off) == BST_UNCHECKED; }));
    PostMessageW(session.form, row.ending, TRUE, 0);
    ASSERT_TRUE(session.tunelet->ends_within(5000));
    EXPECT_EQ(stored(L"String") + L"," + stored(L"Enabled") + L"," + stored(L"SaveIt"), row.stored);
    session.start_tunelet();
    EXPECT_EQ(text_of(session.control(kText4)), row.stored.substr(0, 6));
    EXPECT_EQ(session.checked(kCheck1), row.next_check1);
    EXPECT_EQ(session.checked(kCheck2), row.next_check2);
  }
}

// Every song posted once, with every variable, whether the peers answer at
// once, slowly, refuse the text or are busy for a while; a title that
// scrolls in the taskbar is one song.
TEST(Session, EachSongIsPostedOnceWhateverThePeersDo) {
  store_settings({L"np:%s|%l|%z|%f|%u|%t|%d", L"1", nullptr});
  Session session;
  ASSERT_TRUE(session.wait_for_lines(1));
  wchar_t song[64], time_and_date[64];
  int days, hours, minutes;
  ASSERT_EQ(swscanf(session.transcript()[0].c_str(), L"%63l[^|]|03:45|0|4|%dd, %dh, %dm|%63l[^\n]",
                    song, &days, &hours, &minutes, time_and_date),
            5);
  EXPECT_STREQ(song, L"<b>TuneFan</b>: np: Nightfall Radio - Slow Orbit");
  // The time and the date as the user's regional settings write them.
  wchar_t date[64];
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 64);
  const std::wstring when = time_and_date;
  EXPECT_EQ(when.substr(when.find(L'|') + 1), date);
  const DWORD changed = GetTickCount();
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(2));
  const DWORD latency = GetTickCount() - changed;
  std::printf("figure: a song change reached the chat room after %lu ms\n", latency);
  EXPECT_LT(latency,
            2500u);  // a poll each second, a post a third of a second later: the timers run
  click(session.control(kCheck1));  // "Enabled" off: the next song is not posted
  ASSERT_TRUE(wait_until([&] { return session.checked(kCheck1) == BST_UNCHECKED; }));
  session.next_song();
  Sleep(3000);
  EXPECT_EQ(session.transcript().size(), 2u);
  click(session.control(kCheck1));  // and on: the song is posted
  ASSERT_TRUE(session.wait_for_lines(3));

  // Both peers answer every message 2.9 s late, never hung in Windows' eyes:
  // clicks on "Save State" for three seconds, the longest time one took to
  // take effect. Then they are quick again, and the song goes out once.
  PostMessageW(session.player_window, WM_COMMAND, peers::kSlow, 2900);
  PostMessageW(session.chat_window, WM_COMMAND, peers::kSlow, 2900);
  session.next_song();
  DWORD longest = 0;
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 3000;) {
    const int before = session.checked(kCheck2);
    const DWORD clicked = GetTickCount();
    click(session.control(kCheck2));
    EXPECT_TRUE(wait_until([&] { return session.checked(kCheck2) != before; }, 5000));
    longest = std::max(longest, GetTickCount() - clicked);
  }
  std::printf("figure: while both peers answered 2.9 s late, a click took at most %lu ms\n",
              longest);
  PostMessageW(session.player_window, WM_COMMAND, peers::kSlow, 0);
  PostMessageW(session.chat_window, WM_COMMAND, peers::kSlow, 0);
  ASSERT_TRUE(session.wait_for_lines(4));

  // Busy for 2.5 s once, both: the next song is posted once, the player's
  // figures unknown.
  PostMessageW(session.chat_window, WM_COMMAND, peers::kBusy, 2500);
  PostMessageW(session.player_window, WM_COMMAND, peers::kNextThenBusy, 2500);
  ASSERT_TRUE(session.wait_for_lines(5));

  // The input box refuses the text: the user's draft stays and is not sent;
  // taken again, the song is posted once.
  HWND input = FindWindowExW(session.chat_window,
                             FindWindowExW(session.chat_window, nullptr, L"WndAte32Class", nullptr),
                             L"WndAte32Class", nullptr);
  SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"my draft"));
  PostMessageW(session.chat_window, WM_COMMAND, peers::kRefuse, 1);
  session.next_song();
  Sleep(2500);
  EXPECT_EQ(session.transcript().size(), 5u);
  EXPECT_EQ(text_of(input), L"my draft");
  PostMessageW(session.chat_window, WM_COMMAND, peers::kRefuse, 0);
  ASSERT_TRUE(session.wait_for_lines(6));

  // The title scrolls in the taskbar, a character every 100 ms: one post.
  PostMessageW(session.player_window, WM_COMMAND, peers::kScroll, 1);
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(7));
  Sleep(3000);
  PostMessageW(session.player_window, WM_COMMAND, peers::kScroll, 0);
  Sleep(2000);

  ASSERT_EQ(GetACP(), 1252u);  // a Western code page: the song's own text must go through
  const std::wstring kOurs = L"<b>TuneFan</b>: np: ";
  const std::wstring starts[] = {kOurs + peers::kForeignSong + L"|62:05|1|4|",
                                 kOurs + L"Glass Harbour - Saturday Static|00:59|2|4|",
                                 kOurs + L"Mira Vale - Small Hours||0|0|",  // the player too slow
                                 kOurs + L"Nightfall Radio - Slow Orbit||0|0|",  // the player busy
                                 kOurs + peers::kForeignSong + L"|62:05|1|4|",
                                 kOurs + L"Glass Harbour - Saturday Static|00:59|2|4|"};
  const std::vector<std::wstring> lines = session.transcript();
  ASSERT_EQ(lines.size(), 7u);
  for (std::size_t line = 1; line < lines.size(); ++line) {
    EXPECT_EQ(lines[line].rfind(starts[line - 1], 0), 0u) << line;
  }
}
