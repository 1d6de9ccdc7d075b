#include "player/player_link.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

// The player's documented protocol: commands posted as WM_COMMAND (273),
// queries sent as WM_USER (1024) with their argument and number.
TEST(PlayerLink, SpeaksThePlayersProtocol) {
  const struct {
    void (*command)(WindowSystem&);
    const char* posted;
  } commands[] = {
      // clang-format off
      {player_next, "post 1 273 40048 0"}, {player_previous, "post 1 273 40044 0"},
      {player_play, "post 1 273 40045 0"}, {player_pause, "post 1 273 40046 0"},
      {player_stop, "post 1 273 40047 0"}, {player_close, "post 1 273 40001 0"},
      // clang-format on
  };
  const struct {
    std::int32_t (*query)(WindowSystem&);
    const char* sent;
    std::int32_t answer;
  } queries[] = {
      {player_track_length, "send 1 1024 1 105", 225},
      {player_playlist_position, "send 1 1024 0 125", 0},  // as the player counts: no 1 added
      {player_playlist_length, "send 1 1024 0 124", 17},
  };
  fake::FakePlatform fake;
  add_player(fake, {u"1. Song - Winamp"}, 225, 0, 17);
  for (const auto& row : commands) {
    fake.log.clear();
    row.command(fake);
    EXPECT_EQ(fake.log, std::vector<std::string>{row.posted});
  }
  for (const auto& row : queries) {
    fake.log.clear();
    EXPECT_EQ(row.query(fake), row.answer) << row.sent;
    EXPECT_EQ(fake.log, std::vector<std::string>{row.sent});
  }
}

TEST(PlayerLink, WithoutPlayerNothingIsSentAndAPlayerStartedLaterIsReached) {
  fake::FakePlatform fake;
  player_next(fake);
  EXPECT_EQ(player_track_length(fake), 0);
  EXPECT_TRUE(fake.log.empty());
  add_player(fake, {u""}, 59);
  EXPECT_EQ(player_track_length(fake), 59);
}

}  // namespace
}  // namespace tunelet
