#include "shell/program_exit.h"

#include "shell/tray.h"
#include "state/settings.h"

namespace tunelet {

void leave_program(Platform& platform, ProgramState& state, void (*stop_timers)()) {
  stop_timers();
  leave_tray(platform, state);
  if (!save_settings(platform, state) && !state.session_ending) {
    platform.runtime.message_box(u"The settings could not be saved.", kPlainBox, std::nullopt);
  }
}

}  // namespace tunelet
