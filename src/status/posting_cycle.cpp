#include "status/posting_cycle.h"

#include "chat/chat_poster.h"
#include "platform/wait_budget.h"
#include "player/player_link.h"
#include "player/title_reader.h"
#include "status/status_template.h"

namespace tunelet {
namespace {

// A chat client that is busy for a moment answers within a few tenths of a
// second, some within most of a second. Our window takes no input while it
// waits, so one post waits 0.9 s at most, and a click is never left
// unanswered for more than a second.
constexpr std::uint32_t kPostWaitMs = 900;
constexpr std::uint64_t kRestMs = 1000;
constexpr std::uint64_t kRetryForMs = 10000;

// Loading a windows media stream shows as "Opening ... .wma" for a while;
// that is no song.
bool is_opening_stream(const Text& title) {
  const Text lowered = to_lower_ascii(title);
  return contains(lowered, u"opening") && contains(lowered, u".wma");
}

// The player's three figures, unless it is absent or resting, or lets one
// question go unanswered: then it is asked nothing more, and rests.
std::optional<PlayerFigures> ask_player(Platform& platform, PeerRests& rests, WaitBudget& budget) {
  Desktop& desktop = platform.desktop;
  if (find_player(desktop) == kNoWindow ||
      platform.clock.milliseconds_since_start() < rests.player_until) {
    return std::nullopt;
  }
  const PlayerAnswer length = player_track_length(desktop, budget);
  const PlayerAnswer position = length ? player_playlist_position(desktop, budget) : std::nullopt;
  const PlayerAnswer count = position ? player_playlist_length(desktop, budget) : std::nullopt;
  if (!count) {
    rests.player_until = platform.clock.milliseconds_since_start() + kRestMs;
    return std::nullopt;
  }
  return PlayerFigures{*length, *position, *count};
}

// The message for the song in the title box, with its figures; nothing when
// the player names another song, or none, before or after its figures were
// asked: they would be another song's. That song's turn comes with the poll.
std::optional<PendingPost> compose_post(Platform& platform, ProgramState& state,
                                        WaitBudget& budget) {
  const Text song = state.controls.Text3;
  if (read_song(platform.desktop) != song) {
    return std::nullopt;
  }
  const std::optional<PlayerFigures> figures = ask_player(platform, state.rests, budget);
  if (read_song(platform.desktop) != song) {
    return std::nullopt;
  }
  return PendingPost{
      song, expand_template(state.controls.Text4, template_values(platform, song, figures)),
      platform.clock.milliseconds_since_start()};
}

// Marks a post in progress for as long as it waits: what the window handles
// meanwhile (another program's message to it) starts no post of its own.
class PostInProgress {
 public:
  explicit PostInProgress(bool& flag) : flag_(flag) { flag_ = true; }
  ~PostInProgress() { flag_ = false; }
  PostInProgress(const PostInProgress&) = delete;
  PostInProgress& operator=(const PostInProgress&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void Timer1_Timer(Platform& platform, ProgramState& state) {
  Controls& controls = state.controls;
  std::optional<PendingPost>& pending = state.pending_post;
  if (pending && (pending->title != controls.Text3 || controls.Check1 == kUnchecked)) {
    pending.reset();  // its song is over, or posting was switched off
  }
  // Cheapest tests first: on most ticks the title is the one posted last.
  if (state.post_in_progress || controls.Text3 == kNoTitleYet || controls.Check1 == kUnchecked ||
      controls.Text3 == controls.last_posted_title || is_opening_stream(controls.Text3)) {
    return;
  }
  const std::uint64_t now = platform.clock.milliseconds_since_start();
  if (pending && now - pending->since >= kRetryForMs) {
    controls.last_posted_title = pending->title;  // given up: dropped, as with no chat room
    pending.reset();
    return;
  }
  if (now < state.rests.chat_until) {
    return;
  }
  const PostInProgress in_progress(state.post_in_progress);
  WaitBudget budget(platform.clock, kPostWaitMs);
  if (!pending && !(pending = compose_post(platform, state, budget))) {
    return;
  }
  if (budget.spent()) {
    return;  // the player took the time: the chat room's turn is the next tick
  }
  switch (post_to_chat(platform.desktop, pending->message, budget, pending->unanswered)) {
    case Delivery::kDone:
      controls.last_posted_title = pending->title;
      pending.reset();
      break;
    case Delivery::kUnanswered:
      pending->unanswered = true;
      state.rests.chat_until = platform.clock.milliseconds_since_start() + kRestMs;
      break;
    case Delivery::kNotTaken:
      pending->unanswered = false;
      break;  // tried again on the next tick
  }
}

}  // namespace tunelet
