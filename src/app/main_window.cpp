#include "app/main_window.h"

#include <windowsx.h>

#include "app/form_design.h"
#include "app/form_layout.h"
#include "app/form_painting.h"
#include "app/resource_ids.h"
#include "app/screen_scale.h"
#include "app/single_instance.h"
#include "chat/chat_commands.h"
#include "platform/win32/text_conversion.h"
#include "player/title_reader.h"
#include "shell/form_geometry.h"
#include "shell/info_boxes.h"
#include "shell/program_exit.h"
#include "shell/tray.h"
#include "state/settings.h"
#include "status/posting_cycle.h"

namespace tunelet::app {
namespace {

// Everything the window owns besides the program's state and its looks.
struct Form1 {
  HWND hwnd = nullptr;
  win32::Win32Platform* system = nullptr;
  ProgramState* state = nullptr;
  HMENU opts = nullptr;
  HMENU miniopts = nullptr;
  UINT taskbar_created = 0;   // broadcast when the notification area is made anew
  UINT show_request = 0;      // posted by a second start of the program
  HWND focus = nullptr;       // the control that had the focus when the window was left
  int dpi = kDefaultDpi;      // the scale the window is laid out at
  HICON tray_icon = nullptr;  // the notification icon's image, at that scale
};

Form1 form1;

Platform& platform() {
  return form1.system->platform;
}

HWND control(ControlId id) {
  return GetDlgItem(form1.hwnd, id);
}

int check_value(ControlId id) {
  return static_cast<int>(SendMessageW(control(id), BM_GETCHECK, 0, 0));
}

void set_check_value(ControlId id, int value) {
  SendMessageW(control(id), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void create_menus() {
  form1.opts = CreatePopupMenu();
  AppendMenuW(form1.opts, MF_STRING, kMenuHelp, L"Help");
  AppendMenuW(form1.opts, MF_STRING, kMenuAbout, L"About");
  // "CCOM Options" (kMenuCcom) exists with its handler but is not listed.

  form1.miniopts = CreatePopupMenu();
  AppendMenuW(form1.miniopts, MF_STRING, kMenuShowamp, L"Show Tunelet");
  AppendMenuW(form1.miniopts, MF_STRING, kMenuHidecomp, L"Hide Tunelet Completely");
  AppendMenuW(form1.miniopts, MF_STRING, kMenuClose, L"Close");
}

// The hidden title box shows the song the title poll decided on.
void show_title_box() {
  const Text& song = form1.state->controls.Text3;
  if (win32::own_window_text(control(kText3)) != song) {
    SetWindowTextW(control(kText3), win32::wide(song));
  }
}

// The program's icon drawn for the size a scale asks for, big or small.
HICON load_icon(bool small, int dpi) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TUNELET),
                                       IMAGE_ICON,
                                       system_metric(small ? SM_CXSMICON : SM_CXICON, dpi),
                                       system_metric(small ? SM_CYSMICON : SM_CYICON, dpi), 0));
}

// The window's icons at the sizes a scale asks for, and the notification
// icon's own at the small size, which the tray shows before the old one goes.
void set_icons(int dpi) {
  for (const WPARAM kind : {ICON_BIG, ICON_SMALL}) {
    HICON previous = reinterpret_cast<HICON>(
        SendMessageW(form1.hwnd, WM_SETICON, kind,
                     reinterpret_cast<LPARAM>(load_icon(kind == ICON_SMALL, dpi))));
    if (previous != nullptr) {
      DestroyIcon(previous);
    }
  }
  HICON previous = form1.tray_icon;
  form1.tray_icon = load_icon(true, dpi);
  form1.system->runtime.set_tray_icon(form1.tray_icon);
  TrayIcon_ScaleChanged(platform(), *form1.state);
  if (previous != nullptr) {
    DestroyIcon(previous);
  }
}

// The window's size for the designed client area at a scale.
void fit_window(int dpi) {
  const SIZE size =
      form_window_size(static_cast<DWORD>(GetWindowLongW(form1.hwnd, GWL_STYLE)),
                       static_cast<DWORD>(GetWindowLongW(form1.hwnd, GWL_EXSTYLE)), dpi);
  SetWindowPos(form1.hwnd, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label5_Click() {
  platform().runtime.popup_menu(PopupMenu::kOpts);
}

[[noreturn]] void Form_Unload() {
  Hitit();
}

[[noreturn]] void close_Click() {
  Hitit();
}

void on_create(HWND window) {
  form1.hwnd = window;
  form1.dpi = window_dpi(window);
  create_form_controls(form1.hwnd, form1.dpi);
  set_icons(form1.dpi);
  fit_window(form1.dpi);
  create_menus();
  form1.system->runtime.set_owner(form1.hwnd, form1.opts, form1.miniopts,
                                  {IDD_INPUT_BOX, IDC_INPUT_PROMPT, IDC_INPUT_TEXT});
  form1.taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
  form1.show_request = show_request_message();

  Form_Load(platform(), *form1.state);
  const Controls& controls = form1.state->controls;
  SetWindowTextW(control(kText4), win32::wide(controls.Text4));
  set_check_value(kCheck1, controls.Check1);
  set_check_value(kCheck2, controls.Check2);
  set_check_value(kCheck4, controls.Check4);

  form1.system->runtime.start_timer(kTimer1, kPostingTickMs);
  form1.system->runtime.start_timer(kTimer2, kTitlePollMs);
  form1.system->runtime.start_timer(kTmrHotkey, kTmrHotkeyMs);
}

// What the switches hold, as the logic reads them; "CCOM" runs its handler.
void Check1_Changed() {
  form1.state->controls.Check1 = check_value(kCheck1);
}
void Check2_Changed() {
  form1.state->controls.Check2 = check_value(kCheck2);
}
void Check4_Changed() {
  form1.state->controls.Check4 = check_value(kCheck4);
  Check4_Click(platform(), *form1.state);
}

void on_command(int id, int notification) {
  if (id == kText4 && notification == EN_CHANGE) {
    form1.state->controls.Text4 = win32::own_window_text(control(kText4));
    return;
  }
  const struct {
    int id;
    void (*handler)();
  } kCommands[] = {
      {kCheck1, Check1_Changed},
      {kCheck2, Check2_Changed},
      {kCheck4, Check4_Changed},
      {kMenuHelp, [] { help_Click(platform().runtime); }},
      {kMenuAbout, [] { about_Click(platform().runtime); }},
      {kMenuCcom, [] { CCOM_Click(platform().runtime); }},
      {kMenuShowamp, [] { Showamp_Click(platform(), *form1.state); }},
      {kMenuHidecomp, [] { hidecomp_Click(platform(), *form1.state); }},
      {kMenuClose, close_Click},
  };
  for (const auto& command : kCommands) {
    if (command.id == id) {
      command.handler();
      return;
    }
  }
}

void on_title_poll_tick() {
  Timer2_Timer(platform(), *form1.state);
  show_title_box();
  form1.system->clock.keep_wrap_count();  // once a second is far more than once a wrap
}

void on_timer(UINT_PTR timer) {
  switch (timer) {
    case kTimer1:
      Timer1_Timer(platform(), *form1.state);
      break;
    case kTimer2:
      on_title_poll_tick();
      break;
    case kTmrHotkey:
      TmrHotkey_Timer(platform(), *form1.state);
      break;
    default:
      break;
  }
}

// As in a dialog, the control that had the focus gets it back when the user
// returns to the window; the first time, "Enabled" gets it.
void on_activate(bool active) {
  if (!active) {
    HWND focused = GetFocus();
    form1.focus = IsChild(form1.hwnd, focused) ? focused : form1.focus;
  } else if (!IsIconic(form1.hwnd)) {
    SetFocus(form1.focus != nullptr ? form1.focus : control(kCheck1));
  }
}

// The user started the program again, which came to us: the window comes
// back, in front.
void on_another_start() {
  Showamp_Click(platform(), *form1.state);
  SetForegroundWindow(form1.hwnd);
}

// Moved to a monitor of another scale: laid out anew at that scale, in the
// rectangle Windows suggests.
void on_dpi_changed(int dpi, const RECT& suggested) {
  form1.dpi = dpi;
  lay_out_form(form1.hwnd, dpi);
  set_icons(dpi);
  SetWindowPos(form1.hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// "Opts" from the keyboard (the menu key or Shift+F10 on a switch) opens at
// its label; a right click on the window's background or a switch opens it
// at the pointer. The template box keeps its own edit menu.
bool on_context_menu(HWND target, LPARAM at) {
  if (target != form1.hwnd && target != control(kCheck1) && target != control(kCheck2)) {
    return false;
  }
  const bool from_keyboard = at == -1;
  form1.system->runtime.popup_menu_at(PopupMenu::kOpts,
                                      from_keyboard ? below_opts_label(form1.hwnd, form1.dpi)
                                                    : POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)});
  return true;
}

void on_left_button_up(POINT at) {
  if (is_on_opts_label(at.x, at.y, form1.dpi)) {
    Label5_Click();
  }
}

LRESULT on_control_colour(HWND window, WPARAM wparam, LPARAM lparam) {
  HBRUSH brush = control_background(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
  return brush != nullptr ? reinterpret_cast<LRESULT>(brush)
                          : DefWindowProcW(window, WM_CTLCOLORSTATIC, wparam, lparam);
}

// Windows is ending the session: the settings are saved as at a close, but
// no box holds up the user's logoff.
void on_end_session(bool ending) {
  if (ending) {
    form1.state->session_ending = true;
    Form_Unload();
  }
}

// While a tick waits for another program, the window still handles what
// other programs send it. A menu or a box would run a message loop of its
// own inside the wait, and the timers with it: whatever may open one is
// handled once the wait is over.
bool may_open_menu_or_box(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_LBUTTONUP:
    case WM_CLOSE:
    case WM_CONTEXTMENU:
    case kTrayIconMessage:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK form_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (form1.state->waiting_for_peer && may_open_menu_or_box(message)) {
    PostMessageW(window, message, wparam, lparam);
    return 0;
  }
  // Registered messages have no number of their own: told apart first.
  if (message != 0 && message == form1.taskbar_created) {
    Taskbar_Created(platform(), *form1.state);
    return 0;
  }
  if (message != 0 && message == form1.show_request) {
    on_another_start();
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      on_create(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT:
      paint_form(window, form1.dpi);
      return 0;
    case WM_CTLCOLORSTATIC:
      return on_control_colour(window, wparam, lparam);
    case WM_COMMAND:
      on_command(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_TIMER:
      on_timer(wparam);
      return 0;
    case WM_LBUTTONUP:
      on_left_button_up(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return 0;
    case WM_SIZE:
      Form_Resize(platform(), *form1.state);
      return 0;
    case kDpiChanged:
      on_dpi_changed(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_CONTEXTMENU:
      return on_context_menu(reinterpret_cast<HWND>(wparam), lparam)
                 ? 0
                 : DefWindowProcW(window, message, wparam, lparam);
    case WM_ACTIVATE:
      on_activate(LOWORD(wparam) != WA_INACTIVE);
      return 0;
    case kTrayIconMessage:
      TrayIcon_Event(platform(), static_cast<std::uint32_t>(lparam));
      return 0;
    case WM_CLOSE:
      Form_Unload();
      return 0;
    case WM_ENDSESSION:
      on_end_session(wparam != FALSE);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

void Hitit() {
  leave_program(platform(), *form1.state, [] { form1.system->runtime.stop_timers(); });
  ExitProcess(0);
}

HWND create_main_window(HINSTANCE instance, win32::Win32Platform& system, ProgramState& state) {
  form1.system = &system;
  form1.state = &state;

  WNDCLASSEXW form_class{};
  form_class.cbSize = sizeof form_class;
  form_class.lpfnWndProc = form_procedure;
  form_class.hInstance = instance;
  form_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  form_class.lpszClassName = kFormClass;
  if (RegisterClassExW(&form_class) == 0) {
    return nullptr;
  }

  // Sized at its scale once it exists, on its monitor.
  HWND window = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_APPWINDOW, kFormClass, kFormCaption,
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    return nullptr;
  }
  ShowWindow(window, SW_SHOWNORMAL);  // always starts in the normal state
  UpdateWindow(window);
  SetFocus(control(kCheck1));  // also when the window could not come to the foreground
  return window;
}

}  // namespace tunelet::app
