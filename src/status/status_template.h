// The status template: the user's text with the variables "%s", "%t", "%d",
// "%l", "%z", "%f" and "%u" filled in.
#pragma once

#include <vector>

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// A variable: the letter after the '%', and the text that it becomes.
struct TemplateValue {
  char16_t letter;
  Text value;
};
using TemplateValues = std::vector<TemplateValue>;

// The longest message a chat room takes, in characters as typed into its
// input box, mark-up and entities included.
constexpr std::size_t kLongestChatMessage = 1024;

// Every variable with its value, whatever the template uses: the song, the
// time, the date, the player's figures ("" for "%l", 0 for "%z" and "%f"
// where it gave none) and the uptime.
TemplateValues template_values(Platform& platform, const Text& song, const PlayerFigures& figures);

// One pass from left to right: each variable becomes its value, which is not
// scanned again. The chat room reads the message as HTML, so a value's own
// '&', '<', '>', '"' and '\'' are written as entities and show as
// themselves, while the template's own text, mark-up included, stays as the
// user typed it.
Text expand_template(const Text& status_template, const TemplateValues& values);

// The message as the chat room takes it: a song that would make it longer
// than kLongestChatMessage is shortened to fit, and ends in "..." (or is left
// out where not even that fits); the template's own text is never cut, nor
// an entity split, and a template whose own text is longer is posted as
// typed.
Text message_for_room(const Text& status_template, TemplateValues values);

}  // namespace tunelet
