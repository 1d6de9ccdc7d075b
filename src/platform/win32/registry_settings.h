// Settings as string values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// where earlier versions of the program kept them.
#pragma once

#include "platform/platform.h"

namespace tunelet::win32 {

class RegistrySettings : public SettingsStore {
 public:
  std::optional<Text> load(const Text& application, const Text& section, const Text& key) override;
  bool save(const Text& application, const Text& section, const Text& key,
            const Text& value) override;
};

}  // namespace tunelet::win32
