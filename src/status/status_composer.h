// The posting cycle: announces every new song once in the chat room.
#pragma once

#include "platform/platform.h"
#include "shell/program_state.h"

namespace tunelet {

// The values of the seven template variables, computed together.
struct TemplateValues {
  Text song;               // %s
  Text time;               // %t
  Text date;               // %d
  Text track_length;       // %l
  Text playlist_position;  // %z
  Text playlist_length;    // %f
  Text uptime;             // %u
};

// Computes every value, in the order above, whatever the template uses.
TemplateValues gather_template_values(Platform& platform, const Text& current_song);

// One pass from left to right: each "%s", "%t", "%d", "%l", "%z", "%f", "%u"
// becomes its value; the values are inserted as they stand and never scanned
// for variables, so a song named "100%d" stays "100%d".
Text expand_template(const Text& status_template, const TemplateValues& values);

// Every 350 ms: posts the status message when the title box holds a title
// other than the last one posted and "Enabled" is not off.
void Timer1_Timer(Platform& platform, ProgramState& state);

}  // namespace tunelet
