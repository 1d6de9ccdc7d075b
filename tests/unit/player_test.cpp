#include <gtest/gtest.h>

#include "fake_platform.h"
#include "player/title_reader.h"

namespace tunelet {
namespace {

// The player's documented protocol: commands posted as WM_COMMAND (273),
// queries sent as WM_USER (1024) with their argument and number; nothing at
// all without a player window.
TEST(PlayerLink, SpeaksThePlayersProtocol) {
  const struct {
    void (*command)(WindowSystem&);
    std::int32_t (*query)(WindowSystem&);
    const char* message;
    std::int32_t answer;
  } rows[] = {
      // clang-format off
      {player_next, nullptr, "post 1 273 40048 0", 0}, {player_previous, nullptr, "post 1 273 40044 0", 0},
      {player_play, nullptr, "post 1 273 40045 0", 0}, {player_pause, nullptr, "post 1 273 40046 0", 0},
      {player_stop, nullptr, "post 1 273 40047 0", 0}, {player_close, nullptr, "post 1 273 40001 0", 0},
      {nullptr, player_track_length, "send 1 1024 1 105", 225},
      {nullptr, player_playlist_position, "send 1 1024 0 125", 0},  // as the player counts: no 1 added
      {nullptr, player_playlist_length, "send 1 1024 0 124", 17},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake, no_player;
    add_player(fake, {u""}, 225, 0, 17);
    EXPECT_EQ(row.command ? (row.command(fake), 0) : row.query(fake), row.answer);
    EXPECT_EQ(fake.log, std::vector<std::string>{row.message});
    EXPECT_EQ(row.command ? (row.command(no_player), 0) : row.query(no_player), 0);
    EXPECT_EQ(no_player.log.size(), 0u) << row.message;
  }
}

// One tick of the title poll: the player's title as its successive reads
// give it (none: no player), then the song and the title box.
TEST(TitlePoll, PublishesTheSongWhenTwoReadsAgree) {
  const struct {
    int check1;
    std::deque<Text> reads;
    Text song, title_box;
  } rows[] = {
      // clang-format off
      {kChecked, {u"12. Artist - Title - Winamp"}, u" Artist - Title", u" Artist - Title"},
      {kChecked, {u"1. Track 1. Remix - Winamp"}, u" Track 1. Remix", u" Track 1. Remix"},
      {kChecked, {u"NoBlankAtAll"}, u"", u""},
      {kChecked, {u" Leading blank - Winamp"}, u" Leading blank", u" Leading blank"},
      {kChecked, {u"5. A - winamp - Winamp"}, u" A - winamp", u" A - winamp"},
      {kChecked, {u"1. A - Winamp", u"2. B - Winamp"}, u" A", u"old"},  // changed before the second read
      {kChecked, {u"1. A - Winamp", u"1. A - Winamp", u"2. B - Winamp"}, u" A", u" B"},
      {kChecked, {}, u"", u""},
      {kUnchecked, {u"1. A - Winamp"}, u"before", u"old"},
      {kGrayed, {u"1. A - Winamp"}, u"before", u"old"},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    if (!row.reads.empty()) {
      add_player(fake, row.reads);
    }
    ProgramState state;
    state.form.Check1 = row.check1;
    state.form.Text3 = u"old";
    state.current_song = u"before";
    Timer2_Timer(fake, state);
    EXPECT_EQ(state.current_song, row.song);
    EXPECT_EQ(state.form.Text3, row.title_box);
  }
}

}  // namespace
}  // namespace tunelet
