// The platform services of the real system, gathered for the program.
#pragma once

#include "platform/platform.h"
#include "platform/win32/registry_settings.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_form_runtime.h"

namespace tunelet::win32 {

struct Win32Platform {
  Win32Desktop desktop;
  Win32Clock clock;
  RegistrySettings settings;
  Win32FormRuntime runtime;
  Platform platform{desktop, clock, settings, runtime};
};

}  // namespace tunelet::win32
