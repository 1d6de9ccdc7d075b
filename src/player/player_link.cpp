#include "player/player_link.h"

#include <algorithm>

#include "player/title_text.h"

namespace tunelet {
namespace {

// More windows of the class than any desktop holds: the walk ends even if
// the windows are reordered under it.
constexpr int kMostPlayerWindows = 64;

Answer<std::int32_t> ask(Desktop& desktop, WaitBudget& budget, WindowHandle player,
                         PlayerQuery query) {
  return budget.send(desktop, player, wm::kUser, query.argument, query.number);
}

void post_command(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget,
                  std::uint32_t command) {
  const WindowHandle player = find_player(desktop, windows, budget).window;
  if (player != kNoWindow) {
    desktop.post_message(player, wm::kCommand, command, 0);
  }
}

// Whether a window whose title names a song plays it; one that says it does
// not is silent while its title names that song.
bool plays(Desktop& desktop, WaitBudget& budget, PlayerWindow& window) {
  constexpr std::int32_t kPlaying = 1;
  const Answer<std::int32_t> state = ask(desktop, budget, window.window, player_query::kPlayState);
  window.silent = state.reply == Reply::kAnswered && state.value != kPlaying;
  return !window.silent;
}

// The windows of the class as they are now, each with its verdict kept while
// its title names the song it was given for, and whether a song starts there.
std::vector<PlayerWindow> look_at_windows(Desktop& desktop, const PlayerWindows& windows,
                                          std::vector<bool>& starts) {
  std::vector<PlayerWindow> seen;
  WindowHandle window = kNoWindow;
  for (int walked = 0; walked < kMostPlayerWindows; ++walked) {
    window = desktop.find_window(kPlayerWindowClass, window);
    if (window == kNoWindow) {
      break;
    }
    PlayerWindow here{window, song_named_by(desktop, window)};
    const auto before =
        std::find_if(windows.seen.begin(), windows.seen.end(),
                     [&](const PlayerWindow& known) { return known.window == window; });
    const bool same_song = before != windows.seen.end() && before->song == here.song;
    here.silent = same_song && before->silent;
    starts.push_back(here.song && !same_song);
    seen.push_back(here);
  }
  return seen;
}

}  // namespace

Player find_player(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget) {
  std::vector<bool> starts;
  std::vector<PlayerWindow> seen = look_at_windows(desktop, windows, starts);
  const auto kept = std::find_if(seen.begin(), seen.end(), [&](const PlayerWindow& here) {
    return here.window == windows.player;
  });
  // A song that starts in a window that plays it (the player's own too) takes
  // the player there; without a player, a window whose title names a song
  // that plays becomes it.
  auto player = seen.end();
  for (auto here = seen.begin(); here != seen.end() && player == seen.end(); ++here) {
    const bool starts_here = starts[static_cast<std::size_t>(here - seen.begin())];
    if (here->song && !here->silent && (starts_here || kept == seen.end()) &&
        plays(desktop, budget, *here)) {
      player = here;
    }
  }
  player = player != seen.end() ? player : kept != seen.end() ? kept : seen.begin();
  const Player found = player == seen.end() ? Player{}
                       : player->silent     ? Player{player->window, std::nullopt}
                                            : Player{player->window, player->song};
  windows.player = found.window;
  windows.seen = std::move(seen);
  return found;
}

std::optional<Text> song_named_by(Desktop& desktop, WindowHandle window) {
  return song_in_title(desktop.window_title(window));
}

void player_next(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget) {
  post_command(desktop, windows, budget, player_command::kNext);
}
void player_previous(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget) {
  post_command(desktop, windows, budget, player_command::kPrevious);
}
void player_play(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget) {
  post_command(desktop, windows, budget, player_command::kPlay);
}
void player_pause(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget) {
  post_command(desktop, windows, budget, player_command::kPause);
}
void player_stop(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget) {
  post_command(desktop, windows, budget, player_command::kStop);
}
void player_close(Desktop& desktop, PlayerWindows& windows, WaitBudget& budget) {
  post_command(desktop, windows, budget, player_command::kClose);
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
