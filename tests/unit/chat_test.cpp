#include <gtest/gtest.h>

#include "chat/chat_commands.h"
#include "chat/chat_poster.h"
#include "fake_platform.h"

namespace tunelet {
namespace {

// Where the text goes and the button pressed; what a busy or refusing chat
// room gets is the posting cycle's table.
TEST(PostToChat, SetsTheSecondTextBoxAndPressesTheButtonAfterIt) {
  const Text kBox = u"WndAte32Class", kButton = u"_Oscar_IconBtn";
  const struct {
    bool chat_room;
    std::vector<Text> children;  // the chat room's children; without it, other programs' windows
    Text message;
    std::vector<std::string> log;
  } rows[] = {
      // clang-format off
      {true, {kBox, kBox, kButton}, u"", {"settext 3 ", "post 4 513 0 0", "post 4 514 0 0"}},
      {true, {kButton, kBox, u"Static", kBox, kButton}, u"np", {"settext 5 np", "post 6 513 0 0", "post 6 514 0 0"}},
      {false, {kBox, kBox, kButton}, u"np", {}},
      {true, {kBox, kButton}, u"np", {}},  // no input box: the user's draft is not sent
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    const WindowHandle chat = row.chat_room ? fake.add_window(u"AIM_ChatWnd") : kNoWindow;
    for (const Text& window_class : row.children) {
      fake.add_window(window_class, chat);
    }
    WaitBudget budget(fake, 500);
    post_to_chat(fake, row.message, budget);
    EXPECT_EQ(fake.log, row.log) << "row " << &row - rows + 1;
  }
}

TEST(StripHTML, RemovesEachStretchFromALessThanToTheNextGreaterThan) {
  const struct {
    Text text, stripped;
  } rows[] = {
      // clang-format off
      {u"<b>hi</b>", u"hi"}, {u"<i><b>x</b></i>", u"x"},  // adjacent tags all go
      {u"a<b c", u"a c"}, {u"<<", u""},  // no '>': the next character goes too
      {u"x>y<z>w", u"x>yw"}, {u"a>b<cd", u"a>bd"},  // a '>' before any '<' stays
      {u"<a<b>>x", u">x"},  // no nesting
      {u"ab<", u"ab"},  // a '<' at the very end goes alone
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
    state.controls.master_operator = u"Boss";
    try {
      interpret_chat_line(fake.platform, state, row.sender, row.message);
    } catch (const fake::ProcessEnded&) {
    }
    EXPECT_EQ(fake.logged({"box", "post", "end"}), row.done) << fake::narrow(row.message);
  }
}

}  // namespace
}  // namespace tunelet
