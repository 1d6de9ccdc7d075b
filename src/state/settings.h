// The three settings that survive a restart, loaded at the start and saved
// when the program ends.
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

// Saves the settings as the "Save State" switch says. Checked, the
// template, "Enabled" ("1" or empty) and "SaveIt" are written, but a value
// stored in a form that could not be read stays unless the user changed its
// control; unchecked, only a stored "SaveIt" is cleared, so the choice not to
// save sticks. False when a value could not be written.
bool save_settings(Platform& platform, const ProgramState& state);

}  // namespace tunelet
