#include <gtest/gtest.h>

#include "chat/chat_commands.h"
#include "chat/chat_intake.h"
#include "chat/chat_poster.h"
#include "fake_platform.h"

namespace tunelet {
namespace {

TEST(PostToChat, SetsTheSecondTextBoxAndPressesTheButtonAfterIt) {
  const Text kBox = u"WndAte32Class", kButton = u"_Oscar_IconBtn";
  const struct {
    bool chat_room;
    std::vector<Text> windows;  // the chat room's children; without it, other programs' windows
    Text message;
    std::vector<std::string> log;
    WindowHandle hung = kNoWindow;  // lets every message go unanswered
  } rows[] = {
      // clang-format off
      {true, {kBox, kBox, kButton}, u"", {"settext 3 ", "send 4 513 0 0", "send 4 514 0 0"}},
      {true, {kButton, kBox, u"Static", kBox, kButton}, u"np", {"settext 5 np", "send 6 513 0 0", "send 6 514 0 0"}},
      {false, {kBox, kBox, kButton}, u"np", {}},
      {true, {kBox, kButton}, u"np", {}},  // no input box: the user's draft is not sent
      {true, {kBox, kBox, kButton}, u"np", {"settext 3 np"}, 3},  // the text not taken: not sent
      {true, {kBox, kBox, kButton}, u"np", {"settext 3 np", "send 4 513 0 0", "post 4 514 0 0"}, 4},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    const WindowHandle chat = row.chat_room ? fake.add_window(u"AIM_ChatWnd") : kNoWindow;
    for (const Text& window_class : row.windows) {
      fake.add_window(window_class, chat);
    }
    if (row.hung != kNoWindow) {
      fake.windows.at(row.hung).hung = true;
    }
    post_to_chat(fake, row.message);
    EXPECT_EQ(fake.log, row.log) << "row " << &row - rows + 1;
  }
}

TEST(StripHTML, RemovesEachStretchFromALessThanToTheNextGreaterThan) {
  const struct {
    Text text, stripped;
  } rows[] = {
      // clang-format off
      {u"<b>hi</b>", u"hi"}, {u"", u""}, {u"plain", u"plain"}, {u"<i><b>x</b></i>", u"x"},
      {u"<HTML><BODY><FONT>/pause</FONT></BODY></HTML>", u"/pause"},
      {u"a<b c", u"a c"}, {u"a<bc", u"ac"}, {u"<a", u""}, {u"<<", u""},  // no '>': the next character goes too
      {u"a<b>c<d", u"ac"}, {u"x>y<z>w", u"x>yw"}, {u"a>b<cd", u"a>bd"},
      {u"<a<b>>x", u">x"}, {u"<<b>>", u">"}, {u"<>", u""}, {u"1 < 2 and 3 > 2", u"1  2"},
      {u"ab<", u"ab"}, {u"<b>x</b><", u"x"},  // a '<' at the very end goes alone
      // clang-format on
  };
  for (const auto& row : rows) {
    EXPECT_EQ(StripHTML(row.text), row.stripped) << fake::narrow(row.text);
  }
}

// One chat line to the master operator "Boss": the echo box, then the
// command posted to the player, or the end.
TEST(InterpretChatLine, EchoesEveryLineAndObeysOnlyTheMasterOperator) {
  const struct {
    Text sender, message;
    std::vector<std::string> done;
    bool player = true;
  } rows[] = {
      // clang-format off
      {u"Boss", u"/prev", {"box 0 - Boss:/prev", "post 1 273 40044 0"}},
      {u"Boss", u"<i>/unpause</i>", {"box 0 - Boss:<i>/unpause</i>", "post 1 273 40046 0"}},
      {u"Boss", u"/play", {"box 0 - Boss:/play", "post 1 273 40045 0"}},
      {u"Boss", u"/stop", {"box 0 - Boss:/stop", "post 1 273 40047 0"}},
      {u"Boss", u"/exit", {"box 0 - Boss:/exit", "end"}, false},
      {u"Boss", u"/skip ", {"box 0 - Boss:/skip "}},
      {u"Boss", u" /skip", {"box 0 - Boss: /skip"}},
      {u"Boss", u"<b></b>", {"box 0 - Boss:<b></b>"}},
      {u"boss", u"/skip", {"box 0 - boss:/skip"}},
      {u"<b>Boss</b>", u"/skip", {"box 0 - <b>Boss</b>:/skip"}},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    if (row.player) {
      add_player(fake, {u""});
    }
    ProgramState state;
    state.form.master_operator = u"Boss";
    try {
      interpret_chat_line(fake.platform, state, row.sender, row.message);
    } catch (const fake::ProcessEnded&) {
    }
    EXPECT_EQ(fake.logged({"box", "post", "end"}), row.done) << fake::narrow(row.message);
  }
}

// "CCOM" is checked while the transcript reads as its first text; each later
// text is one tick's read, and one more tick reads the last again.
TEST(ChatIntake, HandsEachNewChatLineOverOnceInOrder) {
  const struct {
    std::deque<Text> transcript;
    std::vector<std::string> handed;
    int check4 = kChecked;
  } rows[] = {
      // clang-format off
      {{u"<b>A</b>: 0\r\n", u"<b>A</b>: 0\r\n<b>B</b>: 1\r\n<b>C</b>: 2\r\n"}, {"box 0 - B:1", "box 0 - C:2"}},
      {{u"", u"<b>B</b>: 1", u"<b>B</b>: 1\r\n"}, {"box 0 - B:1"}},  // complete with its CR LF
      {{u"<b>A</b>: 1\r\n<b>A</b>: 2\r\n", u"<b>A</b>: 2\r\n<b>B</b>: 3\r\n"}, {"box 0 - B:3"}},  // the top drops off
      {{u"<b>A</b>: 1\r\n", u"", u"<b>A</b>: 1\r\n"}, {"box 0 - A:1"}},  // cleared
      {{u"", u"Boss has entered the room\r\n<font><b>B</b></font>: a: b\r\n"}, {"box 0 - B:a: b"}},
      {{u"", u"<b>A</b>: 1\r\n"}, {}, kUnchecked},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    fake.windows[add_chat_room(fake) + 1].titles = row.transcript;
    ProgramState state;
    state.form.Check4 = kChecked;
    start_chat_intake(fake.platform, state);
    state.form.Check4 = row.check4;
    for (std::size_t tick = 0; tick < row.transcript.size(); ++tick) {
      read_chat_room(fake.platform, state);
    }
    EXPECT_EQ(fake.logged({"box"}), row.handed) << fake::narrow(row.transcript.back());
  }
}

}  // namespace
}  // namespace tunelet
