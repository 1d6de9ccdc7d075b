#include "player/title_reader.h"

#include <gtest/gtest.h>

#include "fake_peers.h"
#include "player/player_link.h"

namespace tunelet {
namespace {

TEST(ReadTitle, CutsTheLeadingNumberAndEveryWinampTail) {
  struct Case {
    Text title, song;
  };
  const Case cases[] = {
      {u"12. Artist - Title - Winamp", u" Artist - Title"},
      {u"1. Track 1. Remix - Winamp", u" Track 1. Remix"},  // only the leading number goes
      {u"NoBlankAtAll", u""},                               // all number: nothing left
      {u"3.", u""},
      {u" Leading blank - Winamp", u" Leading blank"},
      {u"5. Song - winamp", u" Song - winamp"},  // lower case stays
      {u"5. A - Winamp - Winamp", u" A"},
      {u"   ", u"   "},
      {u"5. \u00C9t\u00E9 \U0001F3B5 - Winamp", u" \u00C9t\u00E9 \U0001F3B5"},
      {u"", u""},
  };
  fake::FakeWindowSystem windows;
  fake::FakePlayer player;
  add_player(windows, player);
  for (const Case& c : cases) {
    player.title = c.title;
    EXPECT_EQ(read_title(windows), c.song) << fake::narrow(c.title);
  }
}

TEST(ReadTitle, EmptyWithoutPlayerWindow) {
  fake::FakeWindowSystem windows;
  EXPECT_EQ(read_title(windows), u"");
}

TEST(ReadTitle, ReadsVeryLongTitlesWhole) {
  fake::FakeWindowSystem windows;
  fake::FakePlayer player;
  add_player(windows, player);
  const Text name(70000, u'x');
  player.title = u"1. " + name + u" - Winamp";
  EXPECT_EQ(read_title(windows), u" " + name);
}

// The title grows between the length query and the text query.
struct GrowingTitle : fake::FakeWindowSystem {
  Text window_text(WindowHandle, std::int32_t) override { return u"1. ab - Winamp and more"; }
};

TEST(ReadTitle, KeepsToTheReportedLengthWhenTheTitleGrowsBetweenTheQueries) {
  GrowingTitle windows;
  windows.window(windows.create_window(u"Winamp v1.x")).title = u"1. ab - Winamp";
  EXPECT_EQ(read_title(windows), u" ab");
}

class TitlePoll : public ::testing::Test {
 protected:
  fake::FakeWindowSystem windows;
  fake::FakePlayer player{u"12. Artist - Title - Winamp"};
  ProgramState state;

  void SetUp() override {
    add_player(windows, player);
    state.form.Check1 = kChecked;
  }
};

TEST_F(TitlePoll, PublishesAStableTitle) {
  Timer2_Timer(windows, state);
  EXPECT_EQ(state.current_song, u" Artist - Title");
  EXPECT_EQ(state.form.Text3, u" Artist - Title");
}

TEST_F(TitlePoll, DoesNothingUnlessEnabledIsExactlyChecked) {
  for (int value : {kUnchecked, kGrayed}) {
    state.form.Check1 = value;
    Timer2_Timer(windows, state);
    EXPECT_EQ(state.form.Text3, kNoTitleYet);
    EXPECT_EQ(state.current_song, u"");
  }
}

TEST_F(TitlePoll, ATitleChangingBetweenTheFirstTwoReadsLeavesTheTitleBox) {
  state.form.Text3 = u"old";
  int reads = 0;
  windows.window(find_player(windows)).before_title_read = [&](fake::Window& w) {
    w.title = ++reads == 1 ? u"1. First - Winamp" : u"2. Second - Winamp";
  };
  Timer2_Timer(windows, state);
  EXPECT_EQ(state.current_song, u" First");
  EXPECT_EQ(state.form.Text3, u"old");
}

TEST_F(TitlePoll, ATitleChangingBeforeTheThirdReadPublishesTheNewerTitle) {
  int reads = 0;
  windows.window(find_player(windows)).before_title_read = [&](fake::Window& w) {
    w.title = ++reads <= 2 ? u"1. First - Winamp" : u"2. Second - Winamp";
  };
  Timer2_Timer(windows, state);
  EXPECT_EQ(state.current_song, u" First");
  EXPECT_EQ(state.form.Text3, u" Second");
}

TEST_F(TitlePoll, APlayerClosedWhileEnabledEmptiesBoth) {
  Timer2_Timer(windows, state);
  windows.destroy_window(find_player(windows));
  Timer2_Timer(windows, state);
  EXPECT_EQ(state.form.Text3, u"");
  EXPECT_EQ(state.current_song, u"");
}

TEST_F(TitlePoll, APlayerClosedWhileDisabledKeepsTheLastTitle) {
  Timer2_Timer(windows, state);
  state.form.Check1 = kUnchecked;
  windows.destroy_window(find_player(windows));
  Timer2_Timer(windows, state);
  EXPECT_EQ(state.form.Text3, u" Artist - Title");
  EXPECT_EQ(state.current_song, u" Artist - Title");
}

}  // namespace
}  // namespace tunelet
