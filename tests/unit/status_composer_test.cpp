#include "status/status_composer.h"

#include <gtest/gtest.h>

#include "fake_peers.h"
#include "player/player_link.h"

namespace tunelet {
namespace {

class PostingCycle : public ::testing::Test {
 protected:
  fake::FakePlatform fake;
  fake::FakePlayer player{u"", 225, 4, 17};
  fake::FakeChatRoom room;
  ProgramState state;

  void SetUp() override {
    add_player(fake.windows, player);
    room = add_chat_room(fake.windows);
    state.form.Check1 = kChecked;
    state.form.Text4 = u"now playing:%s [%l]";
    fake.clock.milliseconds = 93784567;
  }

  // The title poll's result, as Timer2_Timer would leave it.
  void song(const Text& title) {
    state.current_song = title;
    state.form.Text3 = title;
  }

  std::vector<Text> posted() const {
    std::vector<Text> messages;
    for (const fake::Message& m : fake.windows.log_for(room.input)) {
      messages.push_back(m.text);
    }
    return messages;
  }

  void tick() { Timer1_Timer(fake.platform, state); }
};

TEST_F(PostingCycle, PostsTheExpandedTemplateOncePerSong) {
  song(u" Artist - Title");
  tick();
  tick();
  EXPECT_EQ(posted(), std::vector<Text>{u"now playing: Artist - Title [03:45]"});
  EXPECT_EQ(state.form.last_posted_title, u" Artist - Title");
  EXPECT_EQ(state.form.status_message, u"now playing: Artist - Title [03:45]");
}

TEST_F(PostingCycle, ASongThatComesBackIsPostedAgain) {
  state.form.Text4 = u"%s";
  for (const Text title : {u"A", u"B", u"B", u"A"}) {
    song(title);
    tick();
  }
  EXPECT_EQ(posted(), (std::vector<Text>{u"A", u"B", u"A"}));
}

TEST_F(PostingCycle, EveryVariableIsExpanded) {
  state.form.Text4 = u"%s|%t|%d|%l|%z|%f|%u|%S|%x|100%";
  song(u" Song");
  tick();
  EXPECT_EQ(posted(),
            std::vector<Text>{u" Song|12:34:56|06/12/2026|03:45|4|17|1d, 2h, 3m|%S|%x|100%"});
}

TEST_F(PostingCycle, SongTitlesAreInsertedAsTheyStand) {
  state.form.Text4 = u"%s at %t";
  song(u" 100%d %t %s %u");
  tick();
  EXPECT_EQ(posted(), std::vector<Text>{u" 100%d %t %s %u at 12:34:56"});
}

TEST_F(PostingCycle, NoPlayerGivesZeroesAndNoLength) {
  fake.windows.destroy_window(find_player(fake.windows));
  state.form.Text4 = u"%z/%f [%l]";
  song(u" Song");
  tick();
  EXPECT_EQ(posted(), std::vector<Text>{u"0/0 []"});
}

TEST_F(PostingCycle, UptimeIsNeverNegative) {
  state.form.Text4 = u"%u";
  fake.clock.milliseconds = 30ULL * 86400000 + 60000;
  song(u" Song");
  tick();
  EXPECT_EQ(posted(), std::vector<Text>{u"30d, 0h, 1m"});
}

TEST_F(PostingCycle, AllValuesAreGatheredOnEveryPostInTheirOrder) {
  state.form.Text4 = u"no variables";
  song(u" Song");
  tick();
  std::vector<std::int32_t> queries;
  for (const fake::Message& m : fake.windows.log_for(find_player(fake.windows))) {
    queries.push_back(m.lparam);
  }
  EXPECT_EQ(queries, (std::vector<std::int32_t>{105, 125, 124}));
  EXPECT_EQ(posted(), std::vector<Text>{u"no variables"});
}

TEST_F(PostingCycle, StaysQuietUntilATitleIsRead) {
  tick();
  EXPECT_TRUE(fake.windows.log.empty());
}

TEST_F(PostingCycle, SkipsAStreamThatIsStillOpening) {
  state.form.Text4 = u"%s";
  for (const Text title : {u"Opening song.WMA", u".wma OPENING", u"Opening song.mp3"}) {
    song(title);
    tick();
  }
  EXPECT_EQ(posted(), std::vector<Text>{u"Opening song.mp3"});
}

TEST_F(PostingCycle, EnabledOffPostsNothingAndGrayedCountsAsOn) {
  song(u" Song");
  state.form.Check1 = kUnchecked;
  tick();
  EXPECT_TRUE(posted().empty());
  state.form.Check1 = kGrayed;
  tick();
  EXPECT_EQ(posted().size(), 1u);
}

TEST_F(PostingCycle, SwitchingEnabledOffAndOnDoesNotRepeatAPost) {
  song(u" Song");
  tick();
  state.form.Check1 = kUnchecked;
  tick();
  state.form.Check1 = kChecked;
  tick();
  EXPECT_EQ(posted().size(), 1u);
}

TEST_F(PostingCycle, AnEmptyTitleIsPostedOnlyAfterARealOne) {
  state.form.Text4 = u"[%s]";
  song(u"");
  tick();
  EXPECT_TRUE(posted().empty());
  song(u" Song");
  tick();
  song(u"");
  tick();
  EXPECT_EQ(posted(), (std::vector<Text>{u"[ Song]", u"[]"}));
}

TEST_F(PostingCycle, AnEmptyTemplatePostsAnEmptyMessageAndPressesSend) {
  state.form.Text4 = u"";
  song(u" Song");
  tick();
  EXPECT_EQ(posted(), std::vector<Text>{u""});
  EXPECT_EQ(fake.windows.log_for(room.send).size(), 2u);
}

TEST_F(PostingCycle, ATitleIsRecordedEvenWithoutAChatRoom) {
  fake.windows.destroy_window(room.window);
  song(u" Song");
  tick();
  EXPECT_EQ(state.form.last_posted_title, u" Song");
  room = add_chat_room(fake.windows);
  tick();
  EXPECT_TRUE(posted().empty());
}

TEST_F(PostingCycle, ATickWithNothingNewTouchesNoWindow) {
  song(u" Song");
  tick();
  const std::size_t messages = fake.windows.log.size();
  const int lookups = fake.windows.lookups;
  tick();
  EXPECT_EQ(fake.windows.log.size(), messages);
  EXPECT_EQ(fake.windows.lookups, lookups);
}

TEST(ExpandTemplate, HandlesPercentSignsAtEveryPlace) {
  TemplateValues values{u"S", u"T", u"D", u"L", u"Z", u"F", u"U"};
  struct Case {
    Text status_template, message;
  };
  const Case cases[] = {
      {u"", u""},      {u"%", u"%"},      {u"%%", u"%%"},
      {u"%%s", u"%S"}, {u"a%", u"a%"},    {u"%s%s", u"SS"},
      {u"%ss", u"Ss"}, {u"%T%t", u"%TT"}, {u"%d%l%z%f%u", u"DLZFU"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(expand_template(c.status_template, values), c.message)
        << fake::narrow(c.status_template);
  }
  const Text long_template(100000, u'%');
  EXPECT_EQ(expand_template(long_template + u"s", values), Text(99999, u'%') + u"S");
}

}  // namespace
}  // namespace tunelet
