// The program's one exit, up to the end of the process.
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

// The timers stop first (no tick runs under a box, nor after the saves), the
// icon goes, the settings are saved as "Save State" says, and a failed write
// is told in a box, unless Windows is ending the session, which no box may
// hold up.
void leave_program(Platform& platform, ProgramState& state, void (*stop_timers)());

}  // namespace tunelet
