#include "player/player_link.h"

namespace tunelet {
namespace {

void post_command(WindowSystem& windows, std::uint32_t command) {
  if (find_player(windows) == kNoWindow) {
    return;
  }
  windows.post_message(find_player(windows), wm::kCommand, command, 0);
}

PlayerAnswer ask(WindowSystem& windows, WaitBudget& budget, PlayerQuery query) {
  if (find_player(windows) == kNoWindow) {
    return 0;
  }
  return budget.send(windows, find_player(windows), wm::kUser, query.argument, query.number);
}

}  // namespace

WindowHandle find_player(WindowSystem& windows) {
  return windows.find_window(kPlayerWindowClass);
}

void player_next(WindowSystem& windows) {
  post_command(windows, player_command::kNext);
}
void player_previous(WindowSystem& windows) {
  post_command(windows, player_command::kPrevious);
}
void player_play(WindowSystem& windows) {
  post_command(windows, player_command::kPlay);
}
void player_pause(WindowSystem& windows) {
  post_command(windows, player_command::kPause);
}
void player_stop(WindowSystem& windows) {
  post_command(windows, player_command::kStop);
}
void player_close(WindowSystem& windows) {
  post_command(windows, player_command::kClose);
}

PlayerAnswer player_playlist_length(WindowSystem& windows, WaitBudget& budget) {
  return ask(windows, budget, player_query::kPlaylistLength);
}
PlayerAnswer player_playlist_position(WindowSystem& windows, WaitBudget& budget) {
  return ask(windows, budget, player_query::kPlaylistPosition);
}
PlayerAnswer player_track_length(WindowSystem& windows, WaitBudget& budget) {
  return ask(windows, budget, player_query::kTrackLength);
}

}  // namespace tunelet
