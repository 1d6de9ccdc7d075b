// Start-up: the main window is the program; its timers do the work.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/form_design.h"
#include "app/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // One Tunelet a user session, or every song would be announced twice: a
  // second start brings the running one back and ends, touching nothing.
  CreateMutexW(nullptr, FALSE, tunelet::app::kRunningMutex);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    tunelet::app::show_running_tunelet();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitialize(nullptr);

  static tunelet::win32::Win32Platform platform;
  static tunelet::ProgramState state;
  HWND window = tunelet::app::create_main_window(instance, platform, state);
  if (window == nullptr) {
    return 1;
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return 0;
}
