#include "shell/settings.h"

#include <cstdlib>

namespace tunelet {
namespace {

Text load(Platform& platform, const Text& key) {
  return platform.settings.load(kSettingsApplication, kSettingsSection, key);
}

bool save(Platform& platform, const Text& key, const Text& value) {
  return platform.settings.save(kSettingsApplication, kSettingsSection, key, value);
}

}  // namespace

void Form_Load(Platform& platform, ProgramState& state) {
  state.form.Text4 = load(platform, kTemplateKey);
  if (!load(platform, kEnabledKey).empty()) {
    state.form.Check1 = kChecked;
  }
  if (!load(platform, kSaveStateKey).empty()) {
    state.form.Check2 = kChecked;
  }
}

void Hitit(Platform& platform, const ProgramState& state) {
  // The icon leaves with the program, not when the user next points at it.
  platform.windows.notify_icon(IconAction::kDelete, state.tray);
  bool saved = true;
  if (state.form.Check2 == kChecked) {
    saved &= save(platform, kTemplateKey, state.form.Text4);
    saved &= save(platform, kEnabledKey, state.form.Check1 == kChecked ? u"1" : u"");
    saved &= save(platform, kSaveStateKey, u"1");
  } else {
    saved &= save(platform, kSaveStateKey, u"");
  }
  if (!saved) {
    platform.form.message_box(u"The settings could not be saved.", kPlainBox, std::nullopt);
  }
  platform.form.end_process();
  std::abort();  // not reached: ending the process never comes back
}

void Form_Unload(Platform& platform, const ProgramState& state) {
  Hitit(platform, state);
}

void close_Click(Platform& platform, const ProgramState& state) {
  Hitit(platform, state);
}

}  // namespace tunelet
