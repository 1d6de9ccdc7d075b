#include "state/settings.h"

#include <cstdlib>

namespace tunelet {
namespace {

std::optional<Text> load(Platform& platform, const Text& key) {
  return platform.settings.load(kSettingsApplication, kSettingsSection, key);
}

// A stored value that checks its switch: any text but the empty one.
bool is_set(const std::optional<Text>& value) {
  return value && !value->empty();
}

bool save(Platform& platform, const Text& key, const Text& value) {
  return platform.settings.save(kSettingsApplication, kSettingsSection, key, value);
}

}  // namespace

void Form_Load(Platform& platform, ProgramState& state) {
  const std::optional<Text> status_template = load(platform, kTemplateKey);
  const std::optional<Text> enabled = load(platform, kEnabledKey);
  state.controls.Text4 = status_template.value_or(Text());
  state.unreadable = {!status_template, !enabled};
  if (is_set(enabled)) {
    state.controls.Check1 = kChecked;
  }
  if (is_set(load(platform, kSaveStateKey))) {
    state.controls.Check2 = kChecked;
  }
}

void Hitit(Platform& platform, const ProgramState& state) {
  // No post may start inside the box below, nor after the settings are saved.
  platform.runtime.stop_timers();
  // The icon leaves with the program, not when the user next points at it.
  if (state.icon_in_tray) {
    platform.desktop.notify_icon(IconAction::kDelete, state.tray_record);
  }
  const Controls& controls = state.controls;
  bool saved = true;
  if (controls.Check2 == kChecked) {
    if (!state.unreadable.template_text || !controls.Text4.empty()) {
      saved &= save(platform, kTemplateKey, controls.Text4);
    }
    if (!state.unreadable.enabled || controls.Check1 != kUnchecked) {
      saved &= save(platform, kEnabledKey, controls.Check1 == kChecked ? u"1" : u"");
    }
    saved &= save(platform, kSaveStateKey, u"1");
  } else if (is_set(load(platform, kSaveStateKey))) {
    saved &= save(platform, kSaveStateKey, u"");
  }
  if (!saved && !state.session_ending) {
    platform.runtime.message_box(u"The settings could not be saved.", kPlainBox, std::nullopt);
  }
  platform.runtime.end_process();
  std::abort();  // not reached: ending the process never comes back
}

}  // namespace tunelet
