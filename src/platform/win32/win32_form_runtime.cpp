#include "platform/win32/win32_form_runtime.h"

#include "platform/win32/resource_ids.h"
#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

const wchar_t kApplicationTitle[] = L"Tunelet";

struct InputBox {
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
      SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, wide(box->prompt));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        InputBox* box = reinterpret_cast<InputBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
        box->answer = own_window_text(GetDlgItem(dialog, IDC_INPUT_TEXT));
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
  InputBox box{prompt, title, Text()};
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUT_BOX), owner_,
                  input_box_procedure, reinterpret_cast<LPARAM>(&box));
  return box.answer;
}

Text Win32FormRuntime::time_separator() {
  wchar_t separator[8] = L"";
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIME, separator, 8) == 0) {
    return u":";
  }
  return from_wide(separator);
}

void Win32FormRuntime::end_process() {
  ExitProcess(0);
}

}  // namespace tunelet::win32
