// A stand-in for the instant messenger's chat room window: a window of class
// "AIM_ChatWnd" whose children are, in this order, the transcript and the
// input box (both of class "WndAte32Class") and the send button (class
// "_Oscar_IconBtn"). A press and release of the button puts the input box's
// text into the transcript as '<b>TuneFan</b>: text' and empties the box, as
// the real client does. Its windows keep wide text, so whatever reaches them
// in a single-byte code page shows as such.
//
//   standin_chat.exe [--transcript FILE]
//
// Every line of the transcript also goes to the transcript file.
#include <windows.h>

#include <string>

#include "peer_common.h"

namespace {

constexpr int kSendButton = 3;
HWND transcript = nullptr;
HWND input = nullptr;
std::wstring transcript_path;
WNDPROC edit_procedure = nullptr;
DWORD slow_ms = 0;      // a text from another program is taken this long late
bool refusing = false;  // and not at all

std::wstring text_of(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

void send_input() {
  const std::wstring line = L"<b>TuneFan</b>: " + text_of(input);
  const int end = GetWindowTextLengthW(transcript);
  SendMessageW(transcript, EM_SETSEL, static_cast<WPARAM>(end), end);
  SendMessageW(transcript, EM_REPLACESEL, FALSE,
               reinterpret_cast<LPARAM>((line + L"\r\n").c_str()));
  peers::append_line(transcript_path, line);
  SetWindowTextW(input, L"");
}

LRESULT CALLBACK text_box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETTEXT && InSendMessage()) {
    Sleep(slow_ms);
    if (refusing) {
      return FALSE;
    }
  }
  return CallWindowProcW(edit_procedure, box, message, wparam, lparam);
}

// The send button: a press followed by a release sends.
LRESULT CALLBACK button_procedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  static bool pressed = false;
  switch (message) {
    case WM_LBUTTONDOWN:
      pressed = true;
      return 0;
    case WM_LBUTTONUP:
      if (pressed) {
        send_input();
      }
      pressed = false;
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(button, &paint);
      RECT face;
      GetClientRect(button, &face);
      DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
      SetBkMode(dc, TRANSPARENT);
      SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      DrawTextW(dc, L"Send", -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(button, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(button, message, wparam, lparam);
  }
}

LRESULT CALLBACK chat_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && wparam == peers::kBusy) {
    Sleep(static_cast<DWORD>(lparam));
  } else if (message == WM_COMMAND && wparam == peers::kSlow) {
    slow_ms = static_cast<DWORD>(lparam);
  } else if (message == WM_COMMAND && wparam == peers::kRefuse) {
    refusing = lparam != 0;
  } else if (message == WM_DESTROY) {
    PostQuitMessage(0);
  } else {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  transcript_path = peers::option(L"--transcript", L"");
  WNDCLASSW text_box{};  // the client's text boxes are edit boxes under its own class name
  GetClassInfoW(nullptr, L"EDIT", &text_box);
  edit_procedure = text_box.lpfnWndProc;
  text_box.lpfnWndProc = text_box_procedure;
  text_box.hInstance = instance;
  text_box.lpszClassName = L"WndAte32Class";
  RegisterClassW(&text_box);
  peers::register_window_class(L"_Oscar_IconBtn", button_procedure);
  peers::register_window_class(L"AIM_ChatWnd", chat_procedure);

  HWND chat = CreateWindowExW(0, L"AIM_ChatWnd", L"Chat room: music", WS_OVERLAPPEDWINDOW, 0, 230,
                              640, 250, nullptr, nullptr, instance, nullptr);
  const DWORD edge = WS_EX_CLIENTEDGE;
  transcript = peers::add_child(chat, L"WndAte32Class",
                                WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, edge, 1,
                                {4, 4, 628, 180});
  SendMessageW(transcript, EM_LIMITTEXT, 0, 0);
  input = peers::add_child(chat, L"WndAte32Class", WS_TABSTOP | ES_AUTOHSCROLL, edge, 2,
                           {4, 186, 556, 210});
  peers::add_child(chat, L"_Oscar_IconBtn", 0, 0, kSendButton, {560, 186, 628, 210});
  ShowWindow(chat, SW_SHOWNOACTIVATE);
  return peers::run_message_loop();
}
