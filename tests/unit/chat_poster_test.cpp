#include "chat/chat_poster.h"

#include <gtest/gtest.h>

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
    bool input_hung = false;
  } rows[] = {
      // clang-format off
      {true, {kBox, kBox, kButton}, u"np", {"settext 3 np", "send 4 513 0 0", "send 4 514 0 0"}},
      {true, {kBox, kBox, kButton}, u"", {"settext 3 ", "send 4 513 0 0", "send 4 514 0 0"}},
      {true, {kButton, kBox, u"Static", kBox, kButton}, u"np", {"settext 5 np", "send 6 513 0 0", "send 6 514 0 0"}},
      {false, {kBox, kBox, kButton}, u"np", {}},
      {true, {kBox, kButton}, u"np", {}},  // no input box: the user's draft is not sent
      {true, {kBox, kBox, kButton}, u"np", {"settext 3 np"}, true},  // the text not taken: not sent
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    const WindowHandle chat = row.chat_room ? fake.add_window(u"AIM_ChatWnd") : kNoWindow;
    for (const Text& window_class : row.windows) {
      fake.add_window(window_class, chat);
    }
    fake.windows[3].hung = row.input_hung;
    post_to_chat(fake, row.message);
    EXPECT_EQ(fake.log, row.log);
  }
}

}  // namespace
}  // namespace tunelet
