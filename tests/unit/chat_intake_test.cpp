#include "chat/chat_intake.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

// "CCOM" is checked while the transcript reads as its first text; each later
// text is one tick's read, and one more tick reads the last again.
TEST(ChatIntake, HandsEachNewChatLineOverOnceInOrder) {
  const struct {
    std::deque<Text> transcript;
    std::vector<std::string> handed;
    int check4 = kChecked;
  } rows[] = {
      // clang-format off
      {{u"<b>A</b>: old\r\n"}, {}},  // history
      {{u"<b>A</b>: old\r\n", u"<b>A</b>: old\r\n<b>B</b>: one\r\n<b>C</b>: two\r\n"}, {"box 0 - B:one", "box 0 - C:two"}},
      {{u"", u"<b>B</b>: one", u"<b>B</b>: one\r\n"}, {"box 0 - B:one"}},  // complete with its CR LF
      {{u"<b>A</b>: 1\r\n<b>A</b>: 2\r\n", u"<b>A</b>: 2\r\n<b>B</b>: 3\r\n"}, {"box 0 - B:3"}},  // the top drops off
      {{u"<b>A</b>: 1\r\n", u"", u"<b>B</b>: 1\r\n"}, {"box 0 - B:1"}},  // cleared
      {{u"", u"Boss has entered the room\r\n<b>A</b>: hi\r\nBoss: /pause\r\n<b>Me</b>: np: S\r\n"}, {"box 0 - A:hi"}},
      {{u"", u"<font><b>Boss</b></font>: <font>/skip</font>\r\n"}, {"box 0 - Boss:<font>/skip</font>", "post 1 273 40048 0"}},
      {{u"", u"<b>A</b>: 1\r\n"}, {}, kUnchecked},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    add_player(fake, {u""});
    fake.windows[add_chat_room(fake).transcript].titles = row.transcript;
    ProgramState state;
    state.form.Check4 = kChecked;
    state.form.master_operator = u"Boss";
    state.form.status_message = u"np: S";  // the program's own last post
    start_chat_intake(fake.platform, state);
    state.form.Check4 = row.check4;
    for (std::size_t tick = 0; tick < row.transcript.size(); ++tick) {
      read_chat_room(fake.platform, state);
    }
    EXPECT_EQ(fake.logged({"box", "post"}), row.handed);
  }
}

// Timers tick while a box is open: lines that come meanwhile follow after
// it, one box at a time.
TEST(ChatIntake, ReadsNothingWhileABoxIsOpen) {
  fake::FakePlatform fake;
  fake.windows[add_chat_room(fake).transcript].titles = {u"", u"<b>A</b>: 1\r\n",
                                                         u"<b>A</b>: 1\r\n<b>A</b>: 2\r\n"};
  ProgramState state;
  state.form.Check4 = kChecked;
  start_chat_intake(fake.platform, state);
  fake.during_box = [&] {
    fake.log.push_back("tick");
    read_chat_room(fake.platform, state);
    fake.log.push_back("tock");
  };
  read_chat_room(fake.platform, state);
  read_chat_room(fake.platform, state);
  EXPECT_EQ(fake.log, (std::vector<std::string>{"box 0 - A:1", "tick", "tock", "box 0 - A:2",
                                                "tick", "tock"}));
}

}  // namespace
}  // namespace tunelet
