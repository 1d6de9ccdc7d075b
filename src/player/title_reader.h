// The once-a-second title poll: the song the player plays, once it has
// played for a moment, becomes the title box.
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// The title poll's period.
constexpr unsigned kTitlePollMs = 1000;

// Every kTitlePollMs, while "Enabled" is checked: a song that the player names at
// polls at least 0.9 s apart, by the clock, becomes the title box, so that
// one skipped past within a second is never announced, even when a late
// timer delivers two polls close together. A title that names no song
// leaves the box as it is, so the song that plays on after a pause, or
// after the player was closed and started again, is no new title.
void Timer2_Timer(Platform& platform, ProgramState& state);

}  // namespace tunelet
