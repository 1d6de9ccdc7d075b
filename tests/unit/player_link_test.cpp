#include "player/player_link.h"

#include <gtest/gtest.h>

#include "fake_peers.h"

namespace tunelet {
namespace {

using fake::Message;

struct CommandCase {
  void (*command)(WindowSystem&);
  std::uint32_t identifier;
};

const CommandCase kCommands[] = {
    {player_next, 40048},  {player_previous, 40044}, {player_play, 40045},
    {player_pause, 40046}, {player_stop, 40047},     {player_close, 40001},
};

TEST(PlayerLink, CommandsArePostedToThePlayerWindow) {
  fake::FakeWindowSystem windows;
  fake::FakePlayer player;
  windows.create_window(u"Some other window");
  const WindowHandle handle = add_player(windows, player);
  for (const CommandCase& c : kCommands) {
    windows.log.clear();
    c.command(windows);
    ASSERT_EQ(windows.log.size(), 1u);
    EXPECT_EQ(windows.log[0],
              (Message{Message::Kind::kPosted, handle, wm::kCommand, c.identifier, 0, Text()}));
  }
}

TEST(PlayerLink, WithoutPlayerCommandsDoNothingAndQueriesAnswerZero) {
  fake::FakeWindowSystem windows;
  for (const CommandCase& c : kCommands) {
    c.command(windows);
  }
  EXPECT_EQ(player_playlist_length(windows), 0);
  EXPECT_EQ(player_playlist_position(windows), 0);
  EXPECT_EQ(player_track_length(windows), 0);
  EXPECT_TRUE(windows.log.empty());
}

TEST(PlayerLink, QueriesReturnThePlayersAnswersUnchanged) {
  fake::FakeWindowSystem windows;
  fake::FakePlayer player{u"1. a - Winamp", -1, 0, 12};
  add_player(windows, player);
  EXPECT_EQ(player_playlist_length(windows), 12);
  EXPECT_EQ(player_playlist_position(windows), 0);  // no 1 is added
  EXPECT_EQ(player_track_length(windows), -1);      // not checked
  player.position = 7;
  EXPECT_EQ(player_playlist_position(windows), 7);
}

TEST(PlayerLink, APlayerStartedLaterIsReachedSinceNothingIsCached) {
  fake::FakeWindowSystem windows;
  player_next(windows);
  EXPECT_TRUE(windows.log.empty());
  fake::FakePlayer player{u"", 225, 3, 9};
  const WindowHandle handle = add_player(windows, player);
  player_next(windows);
  EXPECT_EQ(windows.log_for(handle).size(), 1u);
  EXPECT_EQ(player_track_length(windows), 225);
}

}  // namespace
}  // namespace tunelet
