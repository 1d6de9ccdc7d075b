#include "status/posting_cycle.h"

#include "chat/chat_poster.h"
#include "platform/wait_budget.h"
#include "player/player_link.h"
#include "status/status_template.h"

namespace tunelet {
namespace {

// A peer that let a message go is left alone this long.
constexpr std::uint64_t kRestMs = 1000;
// A player busy for a moment (a playlist loading, a dialog) answers again
// within about two seconds: the song waits this long for its figures.
constexpr std::uint64_t kFiguresWaitMs = 3000;
// A message the chat room has not taken by then is given up.
constexpr std::uint64_t kGiveUpMs = 10000;

// Loading a windows media stream shows as "Opening ... .wma" for a while;
// that is no song.
bool is_opening_stream(const Text& song) {
  const Text lowered = to_lower_ascii(song);
  return contains(lowered, u"opening") && contains(lowered, u".wma");
}

// Asks the player for the figures not answered yet, in order, until one is
// let go: then the player rests. True once all are in.
bool ask_figures(Platform& platform, PeerRests& rests, WaitBudget& budget, WindowHandle player,
                 PlayerFigures& figures) {
  if (platform.clock.milliseconds_since_start() < rests.player_until) {
    return false;
  }
  const struct {
    std::optional<std::int32_t> PlayerFigures::*figure;
    Answer<std::int32_t> (*ask)(Desktop&, WaitBudget&, WindowHandle);
  } kQuestions[] = {{&PlayerFigures::track_seconds, player_track_length},
                    {&PlayerFigures::position, player_playlist_position},
                    {&PlayerFigures::count, player_playlist_length}};
  for (const auto& question : kQuestions) {
    if (figures.*question.figure) {
      continue;
    }
    const Answer<std::int32_t> answer = question.ask(platform.desktop, budget, player);
    if (answer.reply != Reply::kAnswered) {
      if (answer.reply == Reply::kTimedOut) {
        rests.player_until = platform.clock.milliseconds_since_start() + kRestMs;
      }
      return false;
    }
    figures.*question.figure = answer.value;
  }
  return true;
}

// Gathers the figures for the title box's song and composes its message once
// they are in, or once the song has waited long enough for them. Nothing is
// kept while the player names another song, or none, before or after it was
// asked: the answers would be another song's. That song's turn comes with
// the title poll.
bool compose(Platform& platform, ProgramState& state, WaitBudget& budget) {
  const Text song = state.controls.Text3;  // a copy: the title box may change during a wait
  const Player player = find_player(platform.desktop, state.player_windows, budget);
  if (player.song != song) {
    return false;
  }
  std::optional<PendingPost>& post = state.pending_post;
  if (!post) {
    post.emplace();
    post->song = song;
    post->first_asked = platform.clock.milliseconds_since_start();
  }
  PlayerFigures figures = post->figures;
  const bool complete = ask_figures(platform, state.rests, budget, player.window, figures);
  if (song_named_by(platform.desktop, player.window) != song) {
    return false;
  }
  post->figures = figures;
  const std::uint64_t now = platform.clock.milliseconds_since_start();
  if (!complete && now - post->first_asked < kFiguresWaitMs) {
    return false;
  }
  post->message =
      message_for_room(state.controls.Text4, template_values(platform, song, post->figures));
  post->composed_at = now;
  return true;
}

// A post goes with its song, and with posting switched off, unless its text
// is in the chat room already: whether it was set belongs to the song,
// whatever the switch does meanwhile.
void drop_post_not_wanted(ProgramState& state) {
  const Controls& controls = state.controls;
  std::optional<PendingPost>& pending = state.pending_post;
  if (pending && (pending->song != controls.Text3 ||
                  (controls.Check1 == kUnchecked && !pending->text_let_go))) {
    pending.reset();
  }
}

// Whether the title box holds a song to announce. Cheapest tests first: on
// most ticks the song is the one posted last.
bool song_to_post(const ProgramState& state) {
  const Controls& controls = state.controls;
  return controls.Text3 != kNoSongYet && controls.Check1 != kUnchecked &&
         controls.Text3 != state.last_posted_song && !is_opening_stream(controls.Text3);
}

// The song is done with: posted, or given up.
void done_with_song(ProgramState& state) {
  state.last_posted_song = state.pending_post->song;
  state.pending_post.reset();
}

// A message the chat room has not taken long after it was composed is
// given up, as with no chat room. True when it was.
bool given_up(std::uint64_t now, ProgramState& state) {
  if (now - state.pending_post->composed_at < kGiveUpMs) {
    return false;
  }
  done_with_song(state);
  return true;
}

// What the chat room's answer means for the song.
void apply(Delivery delivery, Platform& platform, ProgramState& state) {
  const auto rest = [&] {
    state.rests.chat_until = platform.clock.milliseconds_since_start() + kRestMs;
  };
  switch (delivery) {
    case Delivery::kSent:
    case Delivery::kNoRoom:
    case Delivery::kTypedOver:
    case Delivery::kUserEmptied:
      done_with_song(state);
      break;
    case Delivery::kTextLetGo:
      state.pending_post->text_let_go = true;
      state.pending_post->let_go_at = platform.clock.milliseconds_since_start();
      rest();
      break;
    case Delivery::kUnanswered:
      rest();
      break;
    case Delivery::kRefused:
    case Delivery::kNotSent:
      break;  // tried again on the next tick
  }
}

// What the chat room did with the post's text, as far as we know.
EarlierText earlier_text(Platform& platform, const PendingPost& post) {
  return !post.text_let_go                              ? EarlierText::kNone
         : platform.clock.last_input() > post.let_go_at ? EarlierText::kLetGoThenUserActed
                                                        : EarlierText::kLetGo;
}

}  // namespace

void Timer1_Timer(Platform& platform, ProgramState& state) {
  if (state.waiting_for_peer) {
    return;  // a tick run inside another tick's wait
  }
  drop_post_not_wanted(state);
  if (!song_to_post(state)) {
    return;
  }
  WaitBudget budget(platform.clock, state.waiting_for_peer);
  std::optional<PendingPost>& pending = state.pending_post;
  if ((!pending || !pending->message) && !compose(platform, state, budget)) {
    return;
  }
  const std::uint64_t now = platform.clock.milliseconds_since_start();
  if (given_up(now, state)) {
    return;
  }
  if (now < state.rests.chat_until || budget.spent()) {
    return;  // the chat room's turn comes on a later tick
  }
  apply(post_to_chat(platform.desktop, *pending->message, budget, earlier_text(platform, *pending)),
        platform, state);
}

}  // namespace tunelet
