#include "platform/win32/win32_form_runtime.h"

#include "platform/win32/resource_ids.h"
#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

const wchar_t kApplicationTitle[] = L"Tunelet";

struct InputBox {
  std::wstring prompt;
  std::wstring title;
  std::wstring answer;
};

INT_PTR CALLBACK input_box_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      const InputBox* box = reinterpret_cast<const InputBox*>(lparam);
      SetWindowTextW(dialog, box->title.c_str());
      SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, box->prompt.c_str());
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        InputBox* box = reinterpret_cast<InputBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
        HWND field = GetDlgItem(dialog, IDC_INPUT_TEXT);
        std::wstring typed(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
        GetWindowTextW(field, &typed[0], static_cast<int>(typed.size()));
        typed.resize(typed.size() - 1);
        box->answer = typed;
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
  const std::wstring caption = title ? to_wide(*title) : kApplicationTitle;
  MessageBoxW(owner_, to_wide(prompt).c_str(), caption.c_str(), static_cast<UINT>(style));
}

Text Win32FormRuntime::input_box(const Text& prompt, const Text& title) {
  InputBox box{to_wide(prompt), to_wide(title), std::wstring()};
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUT_BOX), owner_,
                  input_box_procedure, reinterpret_cast<LPARAM>(&box));
  return from_wide(box.answer);
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
