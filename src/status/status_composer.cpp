#include "status/status_composer.h"

#include <limits>

#include "chat/chat_poster.h"
#include "player/player_link.h"
#include "status/duration_format.h"

namespace tunelet {
namespace {

constexpr int kUptimeStyle = 3;

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

// The player's three figures, as with no player ("", "0", "0") when it does
// not answer. Once it lets a question go unanswered it is asked nothing more,
// so a post waits for a busy or hung player once.
void ask_player(Platform& platform, TemplateValues& values) {
  WindowSystem& windows = platform.windows;
  const bool present = find_player(windows) != kNoWindow;
  const PlayerAnswer length = present ? player_track_length(windows) : std::nullopt;
  const PlayerAnswer position = length ? player_playlist_position(windows) : std::nullopt;
  const PlayerAnswer count = position ? player_playlist_length(windows) : std::nullopt;
  values.track_length = length ? format_track_length(*length, platform.form.time_separator()) : u"";
  values.playlist_position = decimal(position.value_or(0));
  values.playlist_length = decimal(count.value_or(0));
}

}  // namespace

TemplateValues gather_template_values(Platform& platform, const Text& current_song) {
  TemplateValues values;
  values.song = current_song;
  values.time = platform.clock.time_text();
  values.date = platform.clock.date_text();
  ask_player(platform, values);
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
  MainWindowState& form = state.form;
  // Cheapest tests first: on most ticks the title is the one posted last.
  if (form.Text3 == kNoTitleYet || form.Check1 == kUnchecked ||
      form.Text3 == form.last_posted_title || is_opening_stream(form.Text3)) {
    return;
  }
  const TemplateValues values = gather_template_values(platform, state.current_song);
  form.status_message = expand_template(form.Text4, values);
  post_to_chat(platform.windows, form.status_message);
  form.last_posted_title = form.Text3;
}

}  // namespace tunelet
