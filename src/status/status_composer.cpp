#include "status/status_composer.h"

#include <limits>

#include "chat/chat_poster.h"
#include "player/player_link.h"
#include "status/duration_format.h"

namespace tunelet {
namespace {

constexpr int kUptimeStyle = 3;

// A player or chat client busy for a moment answers within a few tenths of a
// second; waiting longer only freezes our window, which takes no input while
// it waits. Half a second is short enough that a click never feels ignored.
constexpr std::uint32_t kPostWaitMs = 500;
constexpr std::uint64_t kRestMs = 1000;
constexpr std::uint64_t kRetryForMs = 10000;

const Text* value_of(char16_t letter, const TemplateValues& values) {
  switch (letter) {
    case u's':
      return &values.song;
    case u't':
      return &values.time;
    case u'd':
      return &values.date;
    case u'l':
      return &values.track_length;
    case u'z':
      return &values.playlist_position;
    case u'f':
      return &values.playlist_length;
    case u'u':
      return &values.uptime;
    default:
      return nullptr;
  }
}

// Loading a windows media stream shows as "Opening ... .wma" for a while;
// that is no song.
bool is_opening_stream(const Text& title) {
  const Text lowered = to_lower_ascii(title);
  return contains(lowered, u"opening") && contains(lowered, u".wma");
}

// The player's three figures, as with no player ("", "0", "0") unless it
// answers all three questions. Once it lets one go unanswered it is asked
// nothing more, and is left alone for a while.
void ask_player(Platform& platform, PeerRests& rests, WaitBudget& budget, TemplateValues& values) {
  values.track_length = u"";
  values.playlist_position = values.playlist_length = u"0";
  Desktop& desktop = platform.desktop;
  if (find_player(desktop) == kNoWindow ||
      platform.clock.milliseconds_since_start() < rests.player_until) {
    return;
  }
  const PlayerAnswer length = player_track_length(desktop, budget);
  const PlayerAnswer position = length ? player_playlist_position(desktop, budget) : std::nullopt;
  const PlayerAnswer count = position ? player_playlist_length(desktop, budget) : std::nullopt;
  if (!count) {
    rests.player_until = platform.clock.milliseconds_since_start() + kRestMs;
    return;
  }
  values.track_length = format_track_length(*length, platform.runtime.time_separator());
  values.playlist_position = decimal(*position);
  values.playlist_length = decimal(*count);
}

}  // namespace

TemplateValues gather_template_values(Platform& platform, ProgramState& state, WaitBudget& budget) {
  TemplateValues values;
  values.song = state.current_song;
  values.time = platform.clock.time_text();
  values.date = platform.clock.date_text();
  ask_player(platform, state.rests, budget, values);
  const std::uint64_t uptime = platform.clock.milliseconds_since_start();
  constexpr std::uint64_t kLargest = std::numeric_limits<std::int64_t>::max();
  values.uptime = format_duration(static_cast<std::int64_t>(uptime < kLargest ? uptime : kLargest),
                                  kUptimeStyle);
  return values;
}

Text expand_template(const Text& status_template, const TemplateValues& values) {
  Text message;
  message.reserve(status_template.size());
  for (std::size_t i = 0; i < status_template.size(); ++i) {
    const Text* value = nullptr;
    if (status_template[i] == u'%' && i + 1 < status_template.size()) {
      value = value_of(status_template[i + 1], values);
    }
    if (value != nullptr) {
      message += *value;
      ++i;
    } else {
      message += status_template[i];
    }
  }
  return message;
}

void Timer1_Timer(Platform& platform, ProgramState& state) {
  Controls& controls = state.controls;
  // Cheapest tests first: on most ticks the title is the one posted last.
  if (controls.Text3 == kNoTitleYet || controls.Check1 == kUnchecked ||
      controls.Text3 == controls.last_posted_title || is_opening_stream(controls.Text3)) {
    return;
  }
  std::optional<PendingPost>& pending = state.pending_post;
  if (pending && pending->title != controls.Text3) {
    pending.reset();  // the song changed: the new one is posted instead
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
  WaitBudget budget(platform.clock, kPostWaitMs);
  if (!pending) {
    controls.status_message =
        expand_template(controls.Text4, gather_template_values(platform, state, budget));
    pending = PendingPost{controls.Text3, controls.status_message, now};
  }
  switch (post_to_chat(platform.desktop, pending->message, budget)) {
    case Delivery::kDone:
      controls.last_posted_title = pending->title;
      pending.reset();
      break;
    case Delivery::kUnanswered:
      state.rests.chat_until = platform.clock.milliseconds_since_start() + kRestMs;
      break;
    case Delivery::kRefused:
    case Delivery::kNoTime:
      break;  // tried again on the next tick
  }
}

}  // namespace tunelet
