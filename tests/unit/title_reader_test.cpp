#include "player/title_reader.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

// One tick of the title poll: the player's title as its successive reads
// give it (no reads: no player), then the song and the title box after it.
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
      {kChecked, {u"1. A - Winamp", u"2. B - Winamp"}, u" A", u"old"},  // changed before the 2nd
      {kChecked, {u"1. A - Winamp", u"1. A - Winamp", u"2. B - Winamp"}, u" A", u" B"},
      {kChecked, {}, u"", u""},  // no player
      {kUnchecked, {u"1. A - Winamp"}, u"before", u"old"},
      {kGrayed, {u"1. A - Winamp"}, u"before", u"old"},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    if (!row.reads.empty()) {
      add_player(fake, row.reads);
    }
    ProgramState state;
    state.form.Check1 = row.check1;
    state.form.Text3 = u"old";
    state.current_song = u"before";
    Timer2_Timer(fake, state);
    const std::string trace = row.reads.empty() ? "no player" : fake::narrow(row.reads.back());
    EXPECT_EQ(state.current_song, row.song) << trace;
    EXPECT_EQ(state.form.Text3, row.title_box) << trace;
  }
}

}  // namespace
}  // namespace tunelet
