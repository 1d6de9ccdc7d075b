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
    switch (c) {
      case u'&':
        html += u"&amp;";
        break;
      case u'<':
        html += u"&lt;";
        break;
      case u'>':
        html += u"&gt;";
        break;
      case u'"':
        html += u"&quot;";
        break;
      case u'\'':
        html += u"&#39;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

bool is_high_surrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

TemplateValues template_values(Platform& platform, const Text& song, const PlayerFigures& figures) {
  return {
      {u's', song},
      {u't', platform.clock.time_text()},
      {u'd', platform.clock.date_text()},
      {u'l',
       format_track_length(figures.track_seconds.value_or(-1), platform.runtime.time_separator())},
      {u'z', decimal(figures.position.value_or(0))},
      {u'f', decimal(figures.count.value_or(0))},
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

Text message_for_room(const Text& status_template, TemplateValues values) {
  const Text message = expand_template(status_template, values);
  const auto song = std::find_if(values.begin(), values.end(),
                                 [](const TemplateValue& value) { return value.letter == u's'; });
  if (message.size() <= kLongestChatMessage || song == values.end()) {
    return message;
  }
  // The most of the song's characters that fit, with "..." after them; a
  // character made of two UTF-16 units is kept or cut whole. Where not even
  // "..." fits, the song is left out; where the template's own text does
  // not fit, the message goes as typed.
  const Text whole = song->value;
  const auto cut_to = [&](std::size_t kept, const char16_t* ending) {
    song->value = whole.substr(0, kept) + ending;
    return expand_template(status_template, values);
  };
  if (cut_to(0, u"").size() > kLongestChatMessage) {
    return message;
  }
  if (cut_to(0, u"...").size() > kLongestChatMessage) {
    return cut_to(0, u"");
  }
  std::size_t fits = 0;
  std::size_t too_long = whole.size();
  while (too_long - fits > 1) {
    const std::size_t middle = fits + (too_long - fits) / 2;
    (cut_to(middle, u"...").size() <= kLongestChatMessage ? fits : too_long) = middle;
  }
  if (fits > 0 && is_high_surrogate(whole[fits - 1])) {
    --fits;
  }
  return cut_to(fits, u"...");
}

}  // namespace tunelet
