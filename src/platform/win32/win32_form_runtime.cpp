#include "platform/win32/win32_form_runtime.h"

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

const wchar_t kApplicationTitle[] = L"Tunelet";

struct InputBox {
  InputBoxDialog ids;
  Text prompt;
  Text title;
  Text answer;
};

INT_PTR CALLBACK input_box_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      const InputBox* box = reinterpret_cast<const InputBox*>(lparam);
      SetWindowTextW(dialog, wide(box->title));
      SetDlgItemTextW(dialog, box->ids.prompt, wide(box->prompt));
      SetFocus(GetDlgItem(dialog, box->ids.text));  // ready for typing
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        InputBox* box = reinterpret_cast<InputBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
        box->answer = own_window_text(GetDlgItem(dialog, box->ids.text));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void Win32FormRuntime::message_box(const Text& prompt, int style,
                                   const std::optional<Text>& title) {
  MessageBoxW(owner_, wide(prompt), title ? wide(*title) : kApplicationTitle,
              static_cast<UINT>(style));
}

Text Win32FormRuntime::input_box(const Text& prompt, const Text& title) {
  InputBox box{input_box_, prompt, title, Text()};
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(input_box_.dialog), owner_,
                  input_box_procedure, reinterpret_cast<LPARAM>(&box));
  return box.answer;
}

void Win32FormRuntime::show_window() {
  if (!IsWindowVisible(owner_)) {  // a visible window stays as it is, behind others or not
    ShowWindow(owner_, SW_SHOW);
  }
}

void Win32FormRuntime::hide_window() {
  ShowWindow(owner_, SW_HIDE);
}

int Win32FormRuntime::window_state() {
  return IsIconic(owner_) ? kMinimised : IsZoomed(owner_) ? kMaximised : kNormal;
}

void Win32FormRuntime::restore_window() {
  ShowWindow(owner_, SW_RESTORE);
}

WindowHandle Win32FormRuntime::window_handle() {
  return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(owner_));
}

void Win32FormRuntime::popup_menu(PopupMenu menu) {
  POINT pointer;
  GetCursorPos(&pointer);
  popup_menu_at(menu, pointer);
}

// The window comes to the foreground first, so that the menu closes when the
// user clicks elsewhere or presses Escape.
void Win32FormRuntime::popup_menu_at(PopupMenu menu, POINT at) {
  SetForegroundWindow(owner_);
  TrackPopupMenu(menu == PopupMenu::kOpts ? opts_ : miniopts_, TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                 at.x, at.y, 0, owner_, nullptr);
  PostMessageW(owner_, WM_NULL, 0, 0);
}

Text Win32FormRuntime::time_separator() {
  wchar_t separator[8] = L"";
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8) == 0) {
    return u":";
  }
  return from_wide(separator);
}

void Win32FormRuntime::stop_timers() {
  for (const UINT_PTR timer : timers_) {
    KillTimer(owner_, timer);
  }
}

}  // namespace tunelet::win32
