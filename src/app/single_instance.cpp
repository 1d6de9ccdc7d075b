#include "app/single_instance.h"

#include "app/form_design.h"

namespace tunelet::app {

bool another_tunelet_runs() {
  // Held until the process ends.
  CreateMutexW(nullptr, FALSE, L"Local\\Tunelet");
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

void show_running_tunelet() {
  HWND running = FindWindowW(kFormClass, nullptr);
  if (running != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    AllowSetForegroundWindow(process);
    PostMessageW(running, show_request_message(), 0, 0);
  }
}

UINT show_request_message() {
  return RegisterWindowMessageW(L"Tunelet.ShowWindow");
}

}  // namespace tunelet::app
