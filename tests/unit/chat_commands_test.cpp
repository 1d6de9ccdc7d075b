#include "chat/chat_commands.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

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

// One chat line: the echo box, then the command posted to the player, or the end.
TEST(InterpretChatLine, EchoesEveryLineAndObeysOnlyTheMasterOperator) {
  const struct {
    Text master, sender, message;
    std::vector<std::string> done;
  } rows[] = {
      // clang-format off
      {u"Boss", u"Boss", u"<b>/skip</b>", {"box 0 - Boss:<b>/skip</b>", "post 1 273 40048 0"}},
      {u"Boss", u"Boss", u"/prev", {"box 0 - Boss:/prev", "post 1 273 40044 0"}},
      {u"Boss", u"Boss", u"/pause", {"box 0 - Boss:/pause", "post 1 273 40046 0"}},
      {u"Boss", u"Boss", u"/unpause", {"box 0 - Boss:/unpause", "post 1 273 40046 0"}},
      {u"Boss", u"Boss", u"/play", {"box 0 - Boss:/play", "post 1 273 40045 0"}},
      {u"Boss", u"Boss", u"/stop", {"box 0 - Boss:/stop", "post 1 273 40047 0"}},
      {u"Boss", u"Boss", u"/exit", {"box 0 - Boss:/exit", "post 1 273 40001 0", "end"}},
      {u"Boss", u"Boss", u"/Skip", {"box 0 - Boss:/Skip"}},
      {u"Boss", u"Boss", u"/skip ", {"box 0 - Boss:/skip "}},
      {u"Boss", u"Boss", u" /skip", {"box 0 - Boss: /skip"}},
      {u"Boss", u"Boss", u"/skip now", {"box 0 - Boss:/skip now"}},
      {u"Boss", u"Boss", u"<b></b>", {"box 0 - Boss:<b></b>"}},
      {u"Boss", u"Alice", u"/skip", {"box 0 - Alice:/skip"}},
      {u"Boss", u"boss", u"/skip", {"box 0 - boss:/skip"}},
      {u"Boss", u"<b>Boss</b>", u"/skip", {"box 0 - <b>Boss</b>:/skip"}},
      {u"", u"", u"/stop", {"box 0 - :/stop", "post 1 273 40047 0"}},
      // clang-format on
  };
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    add_player(fake, {u""});
    ProgramState state;
    state.form.master_operator = row.master;
    try {
      interpret_chat_line(fake.platform, state, row.sender, row.message);
    } catch (const fake::ProcessEnded&) {
    }
    EXPECT_EQ(fake.logged({"box", "post", "end"}), row.done) << fake::narrow(row.message);
  }
}

TEST(Check4Click, CheckedAsksForTheMasterOperatorAndTakesTheAnswerAsTyped) {
  const struct {
    int check4;
    std::deque<Text> typed;  // none: Cancel
    Text master;
  } rows[] = {{kChecked, {u" Boss "}, u" Boss "},
              {kChecked, {}, u""},
              {kUnchecked, {u"Other"}, u"before"},
              {kGrayed, {u"Other"}, u"before"}};
  for (const auto& row : rows) {
    fake::FakePlatform fake;
    fake.typed = row.typed;
    ProgramState state;
    state.form.Check4 = row.check4;
    state.form.master_operator = u"before";
    Check4_Click(fake.platform, state);
    EXPECT_EQ(state.form.master_operator, row.master);
    EXPECT_EQ(fake.log.size(), row.check4 == kChecked ? 1u : 0u);
  }
}

}  // namespace
}  // namespace tunelet
