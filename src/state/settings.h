// The three settings that survive a restart, loaded at the start and saved by
// the program's one exit.
#pragma once

#include "platform/platform.h"
#include "state/program_state.h"

namespace tunelet {

inline const Text kSettingsApplication = u"Tunelet";
inline const Text kSettingsSection = u"Main";
inline const Text kTemplateKey = u"String";
inline const Text kEnabledKey = u"Enabled";
inline const Text kSaveStateKey = u"SaveIt";

// Fills the template box and the two switches from the store; a missing or
// unreadable value leaves its control empty or unchecked.
void Form_Load(Platform& platform, ProgramState& state);

// Stops the timers, removes the notification icon, saves the settings as the
// "Save State" switch says and ends the process. With "Save State" checked,
// the template, "Enabled" ("1" or empty) and "SaveIt" are written, but a
// value stored in a form that could not be read stays unless the user changed
// its control; unchecked, only a stored "SaveIt" is cleared, so the choice
// not to save sticks. A failed write is told in a box, unless Windows is
// ending the session.
[[noreturn]] void Hitit(Platform& platform, const ProgramState& state);

}  // namespace tunelet
