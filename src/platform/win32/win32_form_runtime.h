// Modal boxes, regional number formatting and the end of the process, on Win32.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace tunelet::win32 {

class Win32FormRuntime : public FormRuntime {
 public:
  // The boxes belong to this window once it exists.
  void set_owner(HWND owner) { owner_ = owner; }

  void message_box(const Text& prompt, int style, const std::optional<Text>& title) override;
  Text input_box(const Text& prompt, const Text& title) override;
  Text time_separator() override;
  [[noreturn]] void end_process() override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace tunelet::win32
