#include "player/player_link.h"

namespace tunelet {
namespace {

void post_command(Desktop& desktop, std::uint32_t command) {
  if (find_player(desktop) == kNoWindow) {
    return;
  }
  desktop.post_message(find_player(desktop), wm::kCommand, command, 0);
}

PlayerAnswer ask(Desktop& desktop, WaitBudget& budget, PlayerQuery query) {
  if (find_player(desktop) == kNoWindow) {
    return 0;
  }
  return budget.send(desktop, find_player(desktop), wm::kUser, query.argument, query.number);
}

}  // namespace

WindowHandle find_player(Desktop& desktop) {
  return desktop.find_window(kPlayerWindowClass);
}

void player_next(Desktop& desktop) {
  post_command(desktop, player_command::kNext);
}
void player_previous(Desktop& desktop) {
  post_command(desktop, player_command::kPrevious);
}
void player_play(Desktop& desktop) {
  post_command(desktop, player_command::kPlay);
}
void player_pause(Desktop& desktop) {
  post_command(desktop, player_command::kPause);
}
void player_stop(Desktop& desktop) {
  post_command(desktop, player_command::kStop);
}
void player_close(Desktop& desktop) {
  post_command(desktop, player_command::kClose);
}

PlayerAnswer player_playlist_length(Desktop& desktop, WaitBudget& budget) {
  return ask(desktop, budget, player_query::kPlaylistLength);
}
PlayerAnswer player_playlist_position(Desktop& desktop, WaitBudget& budget) {
  return ask(desktop, budget, player_query::kPlaylistPosition);
}
PlayerAnswer player_track_length(Desktop& desktop, WaitBudget& budget) {
  return ask(desktop, budget, player_query::kTrackLength);
}

}  // namespace tunelet
