#include <gtest/gtest.h>

#include "chat/chat_commands.h"
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

}  // namespace
}  // namespace tunelet
