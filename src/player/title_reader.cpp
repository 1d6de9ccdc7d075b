#include "player/title_reader.h"

#include "player/player_link.h"

namespace tunelet {
namespace {

// A song becomes the title box once polls this far apart have named it:
// two polls of the timer, but not two that a late timer delivers close
// together.
constexpr std::uint64_t kSameSongMs = kTitlePollMs * 9 / 10;

}  // namespace

void Timer2_Timer(Platform& platform, ProgramState& state) {
  if (state.controls.Check1 != kChecked) {
    return;
  }
  WaitBudget budget(platform.clock, state.waiting_for_peer);
  const std::optional<Text> song = find_player(platform.desktop, state.player_windows, budget).song;
  const std::uint64_t now = platform.clock.milliseconds_since_start();
  TitlePoll& poll = state.title_poll;
  if (!song || song != poll.song) {
    poll = {song, now};
  } else if (now - poll.since >= kSameSongMs) {
    state.controls.Text3 = *song;
  }
}

}  // namespace tunelet
