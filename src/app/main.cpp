// Start-up: the main window is the program; its timers do the work.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/main_window.h"
#include "app/single_instance.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (tunelet::app::another_tunelet_runs()) {
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
