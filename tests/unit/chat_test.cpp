#include <gtest/gtest.h>

#include "chat/chat_commands.h"
#include "chat/room_text.h"
#include "fake_platform.h"
#include "platform/wait_budget.h"

namespace tunelet {
namespace {

// The time left is read once: a deadline passing between two reads of the
// clock would leave a wait of nearly 50 days.
TEST(WaitBudget, WaitsWhatIsLeftAtMost) {
  fake::FakePlatform fake;
  const WindowHandle slow = fake.add_window(u"Slow");
  fake.open_windows[slow].answers_after_ms = 2000;
  fake.milliseconds_per_read = 500;
  bool waiting = false;
  WaitBudget budget(fake, waiting, 900);
  EXPECT_EQ(budget.send(fake, slow, wm::kNull, 0, 0).reply, Reply::kTimedOut);
}

// What the chat room shows for its input box's HTML, read as HTML reads
// it: the message as Tunelet writes it, and the box as an editor hands it
// back, show the same words.
TEST(RoomText, ReadAsHtmlReadsIt) {
  const std::pair<Text, Text> rows[] = {
      // clang-format off
      {u"<HTML><BODY><FONT FACE=\"Arial\">A\r\n&amp;&nbsp;  co </FONT></BODY></HTML>", u"A & co"},
      {u"&lt;3 np:<BR>Caf&eacute; &copy;<P>x</p>", u"<3 np: Caf\u00e9 \u00a9 x"},  // any named entity
      {u"<3 1 < 2 <= 3 a<b>b</b>c", u"<3 1 < 2 <= 3 abc"},  // '<' opens a tag only before a letter
      {u"&#xE9;&#Xe9;&#233;&#128512;&apos;&#0039;", u"\u00e9\u00e9\u00e9\U0001F600''"},
      {u"&bogus; &amp &#x110000; &#; &Eacute", u"&bogus; &amp &#x110000; &#; &Eacute"},
      {u"a <!-- c --> b</ x> <?y?> <open", u"a b"},  // a tag left open takes the rest
      // clang-format on
  };
  for (const auto& [html, shown] : rows) {
    EXPECT_EQ(as_the_room_shows(html), shown) << fake::narrow(html);
  }
}

int exits = 0;

// The dormant chat commands. Lines from the chat room, each echoed in a box
// first: the master operator's commands, stripped of their mark-up, drive
// the player, paused since the title poll looked, not the window of its
// class below it that stays on an old song; "/exit" also ends the program;
// nobody else's do, nor what is no command.
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
    add_player(fake, {u"1. A - Winamp", u"1. A - Winamp [Paused]"});
    add_player(fake, {u"0. Old - Winamp"});
    ProgramState state;
    WaitBudget budget(fake, state.waiting_for_peer);
    find_player(fake, state.player_windows, budget);
    state.master_operator = u"Boss";
    exits = 0;
    interpret_chat_line(fake.platform, state, row.sender, row.message, [] { ++exits; });
    std::vector<std::string> expected = {"box 0 - " +
                                         fake::narrow(row.sender + u":" + row.message)};
    if (row.command != 0) {
      expected.push_back("post 1 273 " + std::to_string(row.command) + " 0");
    }
    EXPECT_EQ(fake.logged({"box", "post"}), expected);
    EXPECT_EQ(exits, row.exits);
  }
  EXPECT_EQ(StripHTML(u"a<b>c</b>d<e f"), u"acd f");
}

}  // namespace
}  // namespace tunelet
