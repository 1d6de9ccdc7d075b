// Tunelet against the stand-in player and chat room as a user meets it: the
// first start, the settings kept between runs, posting, peers that are slow
// or refuse the text. Each test goes through
// named phases; one that fails does not hide what the later ones say.
#include <gtest/gtest.h>

#include "e2e_support.h"

using namespace e2e;
using namespace tunelet;
using namespace tunelet::app;

namespace {

// What other tools stored: a template to be kept unexpanded, a text with an
// odd number of bytes, a number (no text: unchecked). Shown on the picture:
// this pixel of it as an image tool reads the file, not the plain dark blue.
void shows_the_stored_settings_on_the_picture(const Session& session) {
  EXPECT_EQ(text_of(session.control(kText4)), L"%TEMP% %s");
  EXPECT_EQ(session.checked(kCheck1), BST_CHECKED);
  EXPECT_EQ(session.checked(kCheck2), BST_UNCHECKED);
  HDC dc = GetDC(session.form);
  const COLORREF pixel = GetPixel(dc, 150, 10);
  ReleaseDC(session.form, dc);
  EXPECT_LT(std::abs(GetRValue(pixel) - 33) + std::abs(GetGValue(pixel) - 24) +
                std::abs(GetBValue(pixel) - 113),
            30);
}

// The focus starts on "Enabled"; Tab moves it to the template box and on to
// "Save State"; back from another window, it is where it was.
void tab_moves_the_focus_and_it_stays(const Session& session) {
  const auto focus_on = [&](int id) {
    return wait_until([&] {
      GUITHREADINFO focus{};
      focus.cbSize = sizeof focus;
      GetGUIThreadInfo(GetWindowThreadProcessId(session.form, nullptr), &focus);
      return focus.hwndFocus == session.control(id);
    });
  };
  EXPECT_TRUE(focus_on(kCheck1));
  SetForegroundWindow(session.form);
  for (const int next : {kText4, kCheck2}) {
    hold_keys({VK_TAB});
    EXPECT_TRUE(focus_on(next));
  }
  SetForegroundWindow(session.chat_window);
  ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == session.chat_window; }));
  SetForegroundWindow(session.form);
  EXPECT_TRUE(focus_on(kCheck2));
}

// "Opts", then an item: the box, with its title as it is (found without
// regard to case), its information icon and its count of line breaks.
void opts_opens_help_and_about(const Session& session) {
  for (const auto& [item, title, breaks] : {std::tuple{0, L"HELP", 9}, {1, L"ABOUT", 2}}) {
    SetForegroundWindow(session.form);
    click(session.form, false, {20, 120});
    choose(item, 2);
    HWND box = find(L"#32770", title);
    EXPECT_EQ(title_of(box), title);
    EXPECT_NE(SendDlgItemMessageW(box, kWineBoxIcon, STM_GETICON, 0, 0), 0);
    const std::wstring text = text_of(GetDlgItem(box, 0xFFFF));
    EXPECT_EQ(
        std::count(text.begin(), text.end(), L'\r') + std::count(text.begin(), text.end(), L'\n'),
        2 * breaks);
    EXPECT_TRUE(press(box, IDOK));
  }
}

// Shift+F10 on a switch opens "Opts" at its label, at the bottom left, and a
// right click on the background at the pointer; a click away closes it and
// leaves the switches, the template and the boxes as they were.
void opts_opens_from_the_keyboard_or_a_right_click(const Session& session) {
  const int check1 = session.checked(kCheck1), check2 = session.checked(kCheck2);
  const Bounds label = std::find_if(std::begin(kDesign), std::end(kDesign), [](const auto& design) {
                         return design.id == kLabel5;
                       })->bounds;  // at 100%, 15 twips a pixel
  const struct {
    bool keyboard;
    POINT at;
  } ways[] = {{true, {label.left / 15, (label.top + label.height) / 15}}, {false, {200, 20}}};
  for (const auto& way : ways) {
    SetForegroundWindow(session.form);
    HWND menu = nullptr;
    const auto opened = [&] { return (menu = find(L"#32768", nullptr, 1)) != nullptr; };
    way.keyboard ? void(hold_keys({VK_SHIFT, VK_F10}, opened)) : click(session.form, true, way.at);
    ASSERT_TRUE(wait_until(opened));
    POINT at = way.at;
    ClientToScreen(session.form, &at);
    RECT place{};
    GetWindowRect(menu, &place);
    EXPECT_LT(std::abs(place.left - at.x) + std::abs(place.top - at.y), 3) << way.keyboard;
    click(session.chat_window);
    EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(menu); }));
  }
  EXPECT_EQ(find(L"#32770", nullptr, 1000), nullptr);
  EXPECT_EQ(session.checked(kCheck1), check1);
  EXPECT_EQ(session.checked(kCheck2), check2);
  EXPECT_EQ(text_of(session.control(kText4)), L"%TEMP% %s");
}

// Stored settings; the template edited and one switch turned off; the window
// closed, or the user logging off: what is stored, and what the next start
// shows.
void settings_are_kept_between_runs(Session& session) {
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
    SetWindowTextW(session.control(kText4), L"new %s");
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

}  // namespace

TEST(Session, FirstStartHelpBoxAndSettingsKeptBetweenRuns) {
  store_settings({nullptr, nullptr, nullptr});
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"String", REG_EXPAND_SZ, L"%TEMP% %s", 20);
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"Enabled", REG_SZ, L"1", 3);
  const DWORD one = 1;
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"SaveIt", REG_DWORD, &one, sizeof one);
  Session session;
  shows_the_stored_settings_on_the_picture(session);
  tab_moves_the_focus_and_it_stays(session);
  opts_opens_help_and_about(session);
  opts_opens_from_the_keyboard_or_a_right_click(session);
  settings_are_kept_between_runs(session);
}

// The main window, in a process of its own started at 150% (LogPixels 144,
// read as a program starts), laid out at that scale, then told ten times
// that it moved to a monitor of another scale: it follows each
// (scale_change_check.cpp says what failed, if anything).
TEST(Session, TheWindowFollowsItsScale) {
  const auto set_scale = [](DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
  };
  set_scale(144);
  Process check(L"scale_change_check.exe 144");
  ASSERT_TRUE(check.ends_within(60000));
  set_scale(96);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(check.info.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

namespace {

// The time now as the user's regional settings write it.
std::wstring time_now() {
  wchar_t text[64];
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 64);
  return text;
}

// The first song, with every variable as the user's regional settings write
// it (times with '.', as some do); then the time a song change takes.
void the_first_song_in_regional_figures(const Session& session, const std::wstring& started) {
  ASSERT_TRUE(session.wait_for_lines(1));
  const std::wstring posted = time_now();
  wchar_t song[64], time[64], date[64], today[64];
  ASSERT_EQ(swscanf(session.transcript()[0].c_str(),
                    L"%63l[^|]|03.45|0|6|%*dd, %*dh, %*dm|%63l[^|]|%63l[^\n]", song, time, date),
            3);
  EXPECT_STREQ(song, L"TuneFan: np: Nightfall Radio - Slow Orbit");
  // HH.mm.ss sorts as the time does, but for midnight.
  EXPECT_TRUE(started <= posted ? started <= time && time <= posted
                                : time >= started || time <= posted)
      << time;
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, 64);
  EXPECT_STREQ(date, today);
  const DWORD changed = GetTickCount();
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(2));
  std::printf(
      "figure: a song change reached the chat room after %lu ms (the title box takes a song once "
      "two title polls at least 0.9 s apart name it; the next posting tick, 350 ms at most, posts "
      "it)\n",
      GetTickCount() - changed);
}

// Both peers answer every message 2.9 s late, never hung in Windows' eyes:
// clicks on "Save State" for three seconds, the longest time one took to
// take effect. Then the room is quick again, and the song goes out once,
// without the figures of a player still too slow to give them.
void clicks_are_answered_while_both_peers_are_slow(const Session& session) {
  session.tell(session.player_window, peers::kSlow, 2900);
  session.tell(session.chat_window, peers::kSlow, 2900);
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
  session.tell(session.chat_window, peers::kSlow, 0);
  ASSERT_TRUE(session.wait_for_lines(3));
  EXPECT_NE(session.transcript()[2].find(L"||0|0|"), std::wstring::npos);
  session.tell(session.player_window, peers::kSlow, 0);
}

// The input box refuses the text: the user's draft stays and is not sent;
// taken again, the song is posted once.
void a_text_refused_is_set_again_once_taken(const Session& session) {
  SetWindowTextW(session.input(), L"my draft");
  session.tell(session.chat_window, peers::kRefuse, 1);
  session.next_song();
  EXPECT_TRUE(
      wait_until([&] { return title_of(session.chat_window) == peers::kChatTitleRefused; }));
  EXPECT_EQ(text_of(session.input()), L"my draft");
  session.tell(session.chat_window, peers::kRefuse, 0);
  EXPECT_TRUE(session.wait_for_lines(4));
}

// A button-up on "Opts" that another program sends while a post waits for
// a slow chat room: the menu opens once the post is done, and the room gets
// the song while it is open. The room holds each song once.
void a_menu_asked_for_during_a_post_waits_for_it(const Session& session) {
  session.tell(session.chat_window, peers::kSlow, 600);
  session.next_song();
  ASSERT_TRUE(session.room_answers_late());
  SendNotifyMessageW(session.form, WM_LBUTTONUP, 0, MAKELPARAM(20, 120));
  HWND menu = find(L"#32768");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(session.wait_for_lines(5));
  EXPECT_TRUE(hold_keys({VK_ESCAPE}, [&] { return !IsWindowVisible(menu); }));
  session.tell(session.chat_window, peers::kSlow, 0);
  EXPECT_EQ(session.transcript().size(), 5u);
}

// The send button takes 2.5 s for each press and release. A song, and as
// soon as the room is taking its press, the next: the next text reaches the
// room while the press waits there. A post's press is taken before the next
// post's text, so each line is one song, whole and with its own figures.
void each_line_is_one_song_while_send_is_slow(const Session& session) {
  session.tell(session.chat_window, peers::kSlowSend, 2500);
  const std::size_t before = session.transcript().size();
  for (std::size_t pair = 1; pair <= 2; ++pair) {
    session.next_song();
    EXPECT_TRUE(session.room_answers_late(30000));
    session.next_song();
    ASSERT_TRUE(
        wait_until([&] { return session.transcript().size() == before + 2 * pair; }, 30000));
  }
  session.tell(session.chat_window, peers::kSlowSend, 0);
  const std::wstring ours = L"TuneFan: np: ";
  const std::vector<std::wstring> lines = session.transcript();
  ASSERT_EQ(lines.size(), before + 4);
  for (std::size_t line = before; line < lines.size(); ++line) {
    const std::size_t bar = lines[line].find(L'|');
    const int position = _wtoi(lines[line].c_str() + lines[line].find(L'|', bar + 1) + 1);
    EXPECT_EQ(lines[line].substr(0, bar), ours + peers::kPlaylist[position % peers::kEntries].name)
        << line;
  }
}

}  // namespace

// Every song posted once, whether the peers answer at once or too slowly,
// refuse the text, take it late, or the chat room is slow to send.
TEST(Session, EachSongIsPostedOnceWhateverThePeersDo) {
  // No other test reads a time.
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, L".");
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, L"HH.mm.ss");
  store_settings({L"np:%s|%l|%z|%f|%u|%t|%d", L"1", nullptr});
  const std::wstring started = time_now();
  Session session;
  the_first_song_in_regional_figures(session, started);
  clicks_are_answered_while_both_peers_are_slow(session);
  a_text_refused_is_set_again_once_taken(session);
  a_menu_asked_for_during_a_post_waits_for_it(session);
  each_line_is_one_song_while_send_is_slow(session);
}

// The input box takes each text 1 s late, later than Tunelet waits (0.9 s),
// so that its user acts well before Tunelet asks what the box holds. Given
// back in the client's own form, as its editor writes it ('&lt;3' for the
// template's own '<3', named entities and hex references for the song's
// letters, <BR> for a blank, wrapped in its tags), the late text is sent
// once. Then the room's user acts on a late text with real keys: presses
// Enter, which sends it, or clears the box. Tunelet, asking what the box
// holds, finds it empty and leaves it alone: no song is in the room twice,
// and the one cleared never is.
TEST(Session, ALateTextIsSentOnceAndTheUsersHandOnItKept) {
  store_settings({L"<3 np:%s", L"1", nullptr});
  Session session;
  ASSERT_TRUE(session.wait_for_lines(1));
  const LRESULT texts = session.counted(WM_SETTEXT);
  session.tell(session.chat_window, peers::kSlowText, 1000);
  session.tell(session.chat_window, peers::kOwnForm, 1);
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(2));
  for (const LPARAM user : {peers::kPressesEnter, peers::kClears}) {
    session.tell(session.chat_window, peers::kUser, user);
    EXPECT_TRUE(wait_until([&] { return GetForegroundWindow() == session.chat_window; }));
    session.next_song();
    EXPECT_TRUE(wait_until([&] { return session.counted(WM_GETTEXT) >= 1; })) << user;
  }
  session.tell(session.chat_window, peers::kSlowText, 0);
  session.next_song();
  ASSERT_TRUE(session.wait_for_lines(4));
  const auto line = [](int entry) {
    return L"TuneFan: <3 np: " + std::wstring(peers::kPlaylist[entry].name);
  };
  EXPECT_EQ(session.transcript(), (std::vector<std::wstring>{line(0), line(1), line(2), line(4)}));
  EXPECT_EQ(session.counted(WM_SETTEXT), texts + 4);  // one text for each song
}
