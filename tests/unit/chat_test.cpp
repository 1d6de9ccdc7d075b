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
    bool text_sent;
    std::vector<std::string> log;
  } rows[] = {
      // clang-format off
      {{kButton, kBox, kButton, u"Static", kBox, kButton}, false, {"settext 6 np", "notify 7 513 0 0", "notify 7 514 0 0"}},
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
    post_to_chat(fake, u"np", budget, row.text_sent);
    EXPECT_EQ(fake.log, row.log) << "row " << &row - rows + 1;
  }
}

// The time left is read once: a deadline passing between two reads of the
// clock would leave a wait of nearly 50 days.
TEST(WaitBudget, WaitsWhatIsLeftAtMost) {
  fake::FakePlatform fake;
  const WindowHandle slow = fake.add_window(u"Slow");
  fake.open_windows[slow].answers_after_ms = 2000;
  fake.milliseconds_per_read = 500;
  WaitBudget budget(fake, 900);
  EXPECT_EQ(budget.send(fake, slow, wm::kNull, 0, 0).reply, Reply::kTimedOut);
}

int exits = 0;
void count_exit() {
  ++exits;
}

// Lines from the chat room, each echoed in a box first: the master
// operator's commands, stripped of their mark-up, drive the player that
// plays (not the idle window of its class above it), and "/exit" also ends
// the program; nobody else's do, nor what is no command.
TEST(InterpretChatLine, ObeysTheMasterOperatorsCommandsStrippedOfMarkUp) {
  const struct {
    Text sender, message;
    std::uint32_t command;  // 0: none
    int exits;
  } rows[] = {
      // clang-format off
      {u"Boss", u"<b>/skip</b>", 40048, 0}, {u"Boss", u"/prev", 40044, 0},
      {u"Boss", u"/pause", 40046, 0}, {u"Boss", u"<i>/unpause</i>", 40046, 0},
      {u"Boss", u"/play", 40045, 0}, {u"Boss", u"/stop", 40047, 0},
      {u"Boss", u"/exit", 40001, 1}, {u"Boss", u"/Skip", 0, 0}, {u"boss", u"/skip", 0, 0},
      {u"Alice", u"/exit", 0, 0},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    add_player(fake, {u"Winamp v1.x"});
    add_player(fake, {u"1. A - Winamp"});
    ProgramState state;
    state.master_operator = u"Boss";
    exits = 0;
    interpret_chat_line(fake.platform, state, row.sender, row.message, count_exit);
    std::vector<std::string> expected = {"box 0 - " +
                                         fake::narrow(row.sender + u":" + row.message)};
    if (row.command != 0) {
      expected.push_back("post 2 273 " + std::to_string(row.command) + " 0");
    }
    EXPECT_EQ(fake.logged({"box", "post"}), expected);
    EXPECT_EQ(exits, row.exits);
  }
  EXPECT_EQ(StripHTML(u"a<b>c</b>d<e f"), u"acd f");
}

}  // namespace
}  // namespace tunelet
