// The status template: the user's text with the variables "%s", "%t", "%d",
// "%l", "%z", "%f" and "%u" filled in.
#pragma once

#include <optional>
#include <vector>

#include "platform/platform.h"

namespace tunelet {

// A variable: the letter after the '%', and the text that it becomes.
struct TemplateValue {
  char16_t letter;
  Text value;
};
using TemplateValues = std::vector<TemplateValue>;

// What the player answered: the track's length in seconds (-1: none), the
// playlist position (as the player counts, from 0) and the playlist's length.
struct PlayerFigures {
  std::int32_t track_seconds;
  std::int32_t position;
  std::int32_t count;
};

// Every variable with its value, whatever the template uses: the song, the
// time, the date, the player's figures (as with no player, "", "0" and "0",
// when there are none) and the uptime.
TemplateValues template_values(Platform& platform, const Text& song,
                               const std::optional<PlayerFigures>& figures);

// One pass from left to right: each variable becomes its value, which is not
// scanned again. The chat room reads the message as HTML, so a value's own
// '&', '<' and '>' are written as entities and show as themselves, while the
// template's own text, mark-up included, stays as the user typed it.
Text expand_template(const Text& status_template, const TemplateValues& values);

}  // namespace tunelet
