#include "state/settings.h"

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

bool save_settings(Platform& platform, const ProgramState& state) {
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
  return saved;
}

}  // namespace tunelet
