// The posting cycle: announces every new song once in the chat room.
#pragma once

#include "platform/platform.h"
#include "platform/wait_budget.h"
#include "state/program_state.h"

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

// Computes every value, in the order above, whatever the template uses. The
// player is asked within the budget, and not at all while it rests after a
// question it let go; unanswered, it counts as absent: "%l" empty, "%z" and
// "%f" 0.
TemplateValues gather_template_values(Platform& platform, ProgramState& state, WaitBudget& budget);

// One pass from left to right: each "%s", "%t", "%d", "%l", "%z", "%f", "%u"
// becomes its value; the values are inserted as they stand and never scanned
// for variables, so a song named "100%d" stays "100%d".
Text expand_template(const Text& status_template, const TemplateValues& values);

// Every 350 ms: posts the status message when the title box holds a title
// other than the last one posted and "Enabled" is not off. One post waits
// for the player and the chat room half a second at most, together. A text
// the chat room did not take is tried again on later ticks, for ten seconds
// while the song stays, and a peer that let a message go is left alone for a
// second first; send is pressed once, after the text was taken.
void Timer1_Timer(Platform& platform, ProgramState& state);

}  // namespace tunelet
