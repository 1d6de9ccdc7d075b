#include <gtest/gtest.h>

#include "chat/chat_commands.h"
#include "chat/chat_poster.h"
#include "fake_platform.h"

namespace tunelet {
namespace {

// The text goes to the second text box and the press to the button after it,
// whatever else stands between; send is never pressed without an input box.
// What a busy or refusing chat room gets is the posting cycle's table.
TEST(PostToChat, SetsTheSecondTextBoxAndPressesTheButtonAfterIt) {
  const Text kBox = u"WndAte32Class", kButton = u"_Oscar_IconBtn";
  const struct {
    std::vector<Text> children;
    bool ask_first;
    std::vector<std::string> log;
  } rows[] = {
      // clang-format off
      {{kButton, kBox, kButton, u"Static", kBox, kButton}, false, {"settext 6 np", "notify 7 513 0 0", "notify 7 514 0 0"}},
      {{kBox, kBox, kButton}, true, {"send 3 0 0 0"}},  // after a text it let go: the text on the next try
      {{kBox, kButton}, false, {}},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    const WindowHandle chat = fake.add_window(u"AIM_ChatWnd");
    for (const Text& window_class : row.children) {
      fake.add_window(window_class, chat);
    }
    WaitBudget budget(fake, 900);
    post_to_chat(fake, u"np", budget, row.ask_first);
    EXPECT_EQ(fake.log, row.log) << "row " << &row - rows + 1;
  }
}

// The master operator's command, stripped of its mark-up, drives the player;
// every line is echoed first. Stripping, a '<' with no '>' after it goes
// together with the character after it (the fuzzer checks that no '<' is
// left and nothing grows).
TEST(InterpretChatLine, ObeysTheMasterOperatorsCommandsStrippedOfMarkUp) {
  fake::FakePlatform fake;
  add_player(fake, {u""});
  ProgramState state;
  state.controls.master_operator = u"Boss";
  interpret_chat_line(fake.platform, state, u"Boss", u"<i>/unpause</i>");
  EXPECT_EQ(fake.logged({"box", "post"}),
            (std::vector<std::string>{"box 0 - Boss:<i>/unpause</i>", "post 1 273 40046 0"}));
  EXPECT_EQ(StripHTML(u"a<b>c</b>d<e f"), u"acd f");
}

}  // namespace
}  // namespace tunelet
