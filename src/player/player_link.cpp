#include "player/player_link.h"

#include "player/title_reader.h"

namespace tunelet {
namespace {

// More windows of the class than any desktop holds: the walk ends even if
// the windows are reordered under it.
constexpr int kMostPlayerWindows = 64;

void post_command(Desktop& desktop, std::uint32_t command) {
  const WindowHandle player = find_player(desktop).window;
  if (player != kNoWindow) {
    desktop.post_message(player, wm::kCommand, command, 0);
  }
}

Answer<std::int32_t> ask(Desktop& desktop, WaitBudget& budget, WindowHandle player,
                         PlayerQuery query) {
  return budget.send(desktop, player, wm::kUser, query.argument, query.number);
}

}  // namespace

Player find_player(Desktop& desktop) {
  Player first;
  WindowHandle window = kNoWindow;
  for (int walked = 0; walked < kMostPlayerWindows; ++walked) {
    window = desktop.find_window(kPlayerWindowClass, window);
    if (window == kNoWindow) {
      break;
    }
    if (std::optional<Text> song = song_in_title(desktop.window_title(window))) {
      return Player{window, std::move(song)};
    }
    first.window = first.window == kNoWindow ? window : first.window;
  }
  return first;
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

Answer<std::int32_t> player_playlist_length(Desktop& desktop, WaitBudget& budget,
                                            WindowHandle player) {
  return ask(desktop, budget, player, player_query::kPlaylistLength);
}
Answer<std::int32_t> player_playlist_position(Desktop& desktop, WaitBudget& budget,
                                              WindowHandle player) {
  return ask(desktop, budget, player, player_query::kPlaylistPosition);
}
Answer<std::int32_t> player_track_length(Desktop& desktop, WaitBudget& budget,
                                         WindowHandle player) {
  return ask(desktop, budget, player, player_query::kTrackLength);
}

}  // namespace tunelet
