// Durations as text, for the "%l" (track length) and "%u" (uptime) variables.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace tunelet {

// Styles of format_duration, for 93784567 ms:
//   0 "1d, 2h, 3m, 4 seconds, 567 milliseconds"   1 "1d, 2h, 3m, 4s"
//   2 "1:2:3:4:567"                               3 "1d, 2h, 3m"
// Any other style gives the empty text. Divisions truncate toward zero and
// days and hours are taken away only when positive, so a negative count
// shows its whole hours and minutes.
Text format_duration(std::int64_t milliseconds, int style);

// A track's length in seconds as minutes and seconds, with the regional
// separator between them ("03:45", "62:05"). Empty for a negative length:
// the player knows none.
Text format_track_length(std::int32_t seconds, const Text& separator);

}  // namespace tunelet
