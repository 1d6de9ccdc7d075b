#include "chat/chat_poster.h"

#include <gtest/gtest.h>

#include "fake_peers.h"

namespace tunelet {
namespace {

using fake::Message;

TEST(PostToChat, SetsTheSecondTextBoxAndPressesTheButtonAfterIt) {
  fake::FakeWindowSystem windows;
  windows.create_window(u"WndAte32Class");  // a top-level box of another program
  const fake::FakeChatRoom room = add_chat_room(windows);
  windows.window(room.input).title = u"half-typed words";
  post_to_chat(windows, u"now playing: Song");

  const std::vector<Message> expected = {
      {Message::Kind::kSetText, room.input, wm::kSetText, 0, 0, u"now playing: Song"},
      {Message::Kind::kSent, room.send, wm::kLButtonDown, 0, 0, Text()},
      {Message::Kind::kSent, room.send, wm::kLButtonUp, 0, 0, Text()},
  };
  EXPECT_EQ(windows.log, expected);
  EXPECT_EQ(windows.window(room.input).title, u"now playing: Song");
  EXPECT_EQ(windows.window(room.transcript).title, u"");  // the first box is never touched
}

TEST(PostToChat, AnEmptyMessageStillPressesSend) {
  fake::FakeWindowSystem windows;
  const fake::FakeChatRoom room = add_chat_room(windows);
  post_to_chat(windows, u"");
  ASSERT_EQ(windows.log.size(), 3u);
  EXPECT_EQ(windows.log[0].text, u"");
  EXPECT_EQ(windows.log[2].window, room.send);
}

TEST(PostToChat, ABoxOrButtonBeforeTheInputBoxIsNotUsed) {
  fake::FakeWindowSystem windows;
  const WindowHandle chat = windows.create_window(u"AIM_ChatWnd");
  const WindowHandle early_button = windows.create_window(u"_Oscar_IconBtn", Text(), chat);
  windows.create_window(u"WndAte32Class", Text(), chat);
  windows.create_window(u"Static", Text(), chat);
  const WindowHandle input = windows.create_window(u"WndAte32Class", Text(), chat);
  const WindowHandle send = windows.create_window(u"_Oscar_IconBtn", Text(), chat);
  post_to_chat(windows, u"x");
  EXPECT_EQ(windows.log_for(input).size(), 1u);
  EXPECT_EQ(windows.log_for(send).size(), 2u);
  EXPECT_TRUE(windows.log_for(early_button).empty());
}

TEST(PostToChat, WithoutChatRoomNothingAtAllIsTouched) {
  fake::FakeWindowSystem windows;
  windows.create_window(u"WndAte32Class");
  windows.create_window(u"WndAte32Class");
  windows.create_window(u"_Oscar_IconBtn");
  post_to_chat(windows, u"x");
  EXPECT_TRUE(windows.log.empty());
}

TEST(PostToChat, AChatRoomWithoutItsInputBoxKeepsTheUsersDraft) {
  fake::FakeWindowSystem windows;
  const WindowHandle chat = windows.create_window(u"AIM_ChatWnd");
  windows.create_window(u"WndAte32Class", u"draft", chat);
  windows.create_window(u"_Oscar_IconBtn", Text(), chat);
  post_to_chat(windows, u"x");
  EXPECT_TRUE(windows.log.empty());
}

TEST(PostToChat, AnInputBoxThatTakesNoTextIsNotSent) {
  fake::FakeWindowSystem windows;
  const fake::FakeChatRoom room = add_chat_room(windows);
  windows.window(room.input).hung = true;
  post_to_chat(windows, u"x");
  EXPECT_EQ(windows.log.size(), 1u);
  EXPECT_TRUE(windows.log_for(room.send).empty());
}

}  // namespace
}  // namespace tunelet
