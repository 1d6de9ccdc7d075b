#include "player/player_link.h"

#include <algorithm>

#include "player/title_reader.h"

namespace tunelet {
namespace {

// More windows of the class than any desktop holds: the walk ends even if
// the windows are reordered under it.
constexpr int kMostPlayerWindows = 64;

void post_command(Desktop& desktop, PlayerWindows& windows, std::uint32_t command) {
  const WindowHandle player = find_player(desktop, windows).window;
  if (player != kNoWindow) {
    desktop.post_message(player, wm::kCommand, command, 0);
  }
}

Answer<std::int32_t> ask(Desktop& desktop, WaitBudget& budget, WindowHandle player,
                         PlayerQuery query) {
  return budget.send(desktop, player, wm::kUser, query.argument, query.number);
}

}  // namespace

Player find_player(Desktop& desktop, PlayerWindows& windows) {
  std::vector<PlayerWindow> seen;
  std::optional<Player> started, kept, fallback;
  WindowHandle window = kNoWindow;
  for (int walked = 0; walked < kMostPlayerWindows; ++walked) {
    window = desktop.find_window(kPlayerWindowClass, window);
    if (window == kNoWindow) {
      break;
    }
    const Player here{window, song_in_title(desktop.window_title(window))};
    const auto before =
        std::find_if(windows.seen.begin(), windows.seen.end(),
                     [&](const PlayerWindow& known) { return known.window == window; });
    const bool known = before != windows.seen.end();
    if (window == windows.player) {
      kept = here;
    } else if (known && here.song && here.song != before->song && !started) {
      started = here;  // a new song started there
    }
    // The first window whose title names a song, else the first window.
    if (!fallback || (here.song && !fallback->song)) {
      fallback = here;
    }
    seen.push_back({window, here.song || !known ? here.song : before->song});
  }
  const Player player = started ? *started : kept ? *kept : fallback.value_or(Player{});
  windows.player = player.window;
  windows.seen = std::move(seen);
  return player;
}

void player_next(Desktop& desktop, PlayerWindows& windows) {
  post_command(desktop, windows, player_command::kNext);
}
void player_previous(Desktop& desktop, PlayerWindows& windows) {
  post_command(desktop, windows, player_command::kPrevious);
}
void player_play(Desktop& desktop, PlayerWindows& windows) {
  post_command(desktop, windows, player_command::kPlay);
}
void player_pause(Desktop& desktop, PlayerWindows& windows) {
  post_command(desktop, windows, player_command::kPause);
}
void player_stop(Desktop& desktop, PlayerWindows& windows) {
  post_command(desktop, windows, player_command::kStop);
}
void player_close(Desktop& desktop, PlayerWindows& windows) {
  post_command(desktop, windows, player_command::kClose);
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
