#include "status/status_composer.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

// What the title poll left for one posting tick.
struct Tick {
  Text title_box, song;
  int check1 = kChecked;
};

TEST(PostingCycle, PostsEachNewSongOnceWithTheTemplateExpanded) {
  const struct {
    Text status_template;
    std::vector<Tick> ticks;
    std::vector<std::string> posted;  // into the chat room's input box
    bool player = true;
  } rows[] = {
      // clang-format off
      {u"%s|%t|%d|%l|%z|%f|%u|%S|%x|100%", {{u" S", u" S"}, {u" S", u" S"}}, {"settext 4  S|12:34:56|06/12/2026|03:45|4|17|30d, 0h, 1m|%S|%x|100%"}},
      {u"%s", {{u" B", u" A"}, {u" B", u" B"}}, {"settext 4  A"}},  // the song fills %s; the title box is what was posted
      {u"%s", {{u"A", u"A"}, {u"B", u"B"}, {u"B", u"B"}, {u"A", u"A"}}, {"settext 4 A", "settext 4 B", "settext 4 A"}},
      {u"%s", {{kNoTitleYet, u""}}, {}},
      {u"%s", {{u"Opening song.WMA", u"x"}, {u".wma OPENING", u"x"}, {u"Opening song.mp3", u"y"}}, {"settext 4 y"}},
      {u"%s", {{u" S", u" S", kUnchecked}, {u" S", u" S", kGrayed}, {u" S", u" S", kUnchecked}, {u" S", u" S"}}, {"settext 4  S"}},
      {u"[%s]", {{u"", u""}, {u" S", u" S"}, {u"", u""}}, {"settext 4 [ S]", "settext 4 []"}},
      {u"%s at %t", {{u" 100%d %t", u" 100%d %t"}}, {"settext 4  100%d %t at 12:34:56"}},
      {u"%z/%f [%l]", {{u" S", u" S"}}, {"settext 3 0/0 []"}, false},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    if (row.player) {
      add_player(fake, {u""}, 225, 4, 17);
    }
    add_chat_room(fake);
    fake.milliseconds = 30ULL * 86400000 + 60000;  // past a 32-bit signed count
    ProgramState state;
    state.form.Text4 = row.status_template;
    for (const Tick& tick : row.ticks) {
      state.form.Text3 = tick.title_box;
      state.current_song = tick.song;
      state.form.Check1 = tick.check1;
      Timer1_Timer(fake.platform, state);
    }
    EXPECT_EQ(fake.logged({"settext"}), row.posted);
  }
}

}  // namespace
}  // namespace tunelet
