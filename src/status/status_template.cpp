#include "status/status_template.h"

#include <algorithm>
#include <limits>

#include "status/duration_format.h"

namespace tunelet {
namespace {

constexpr int kUptimeStyle = 3;

Text uptime(Clock& clock) {
  constexpr std::uint64_t kLargest = std::numeric_limits<std::int64_t>::max();
  const std::uint64_t milliseconds = clock.milliseconds_since_start();
  return format_duration(static_cast<std::int64_t>(std::min(milliseconds, kLargest)), kUptimeStyle);
}

Text as_html_text(const Text& value) {
  Text html;
  for (const char16_t c : value) {
    html += c == u'&' ? u"&amp;" : c == u'<' ? u"&lt;" : c == u'>' ? u"&gt;" : Text(1, c);
  }
  return html;
}

}  // namespace

TemplateValues template_values(Platform& platform, const Text& song,
                               const std::optional<PlayerFigures>& figures) {
  const PlayerFigures player = figures.value_or(PlayerFigures{-1, 0, 0});
  return {
      {u's', song},
      {u't', platform.clock.time_text()},
      {u'd', platform.clock.date_text()},
      {u'l', format_track_length(player.track_seconds, platform.runtime.time_separator())},
      {u'z', decimal(player.position)},
      {u'f', decimal(player.count)},
      {u'u', uptime(platform.clock)},
  };
}

Text expand_template(const Text& status_template, const TemplateValues& values) {
  Text message;
  message.reserve(status_template.size());
  for (std::size_t i = 0; i < status_template.size(); ++i) {
    const char16_t next = i + 1 < status_template.size() ? status_template[i + 1] : u'%';
    const auto variable =
        std::find_if(values.begin(), values.end(),
                     [&](const TemplateValue& known) { return known.letter == next; });
    if (status_template[i] == u'%' && variable != values.end()) {
      message += as_html_text(variable->value);
      ++i;
    } else {
      message += status_template[i];
    }
  }
  return message;
}

}  // namespace tunelet
