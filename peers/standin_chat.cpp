// A stand-in for the chat room window of the instant messenger: a window of
// class "AIM_ChatWnd" whose children are, in this order, the transcript and
// the input box (both of class "WndAte32Class") and the send button (class
// "_Oscar_IconBtn"). A press and release of the button appends the input
// box's text to the transcript as a line from the user's own screen name and
// empties the input box, as the real client does.
//
//   standin_chat.exe [--screen-name NAME] [--transcript FILE]
//
// Every transcript line is also appended to the transcript file. For tests,
// a WM_COMMAND with identifier 99 and a count of seconds as lParam makes the
// window stop answering for that long, as a hung client does.
#include <windows.h>

#include <string>

#include "peer_common.h"

namespace {

constexpr int kTranscriptId = 1;
constexpr int kInputId = 2;
constexpr int kSendId = 3;
constexpr int kHangId = 99;

struct ChatRoom {
  HWND window = nullptr;
  HWND transcript = nullptr;
  HWND input = nullptr;
  std::wstring screen_name;
  std::wstring transcript_path;
};

ChatRoom room;

std::wstring text_of(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int copied = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void send_input_line() {
  const std::wstring line = room.screen_name + L": " + text_of(room.input);
  const int end = GetWindowTextLengthW(room.transcript);
  SendMessageW(room.transcript, EM_SETSEL, static_cast<WPARAM>(end), end);
  const std::wstring appended = (end > 0 ? L"\r\n" : L"") + line;
  SendMessageW(room.transcript, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(appended.c_str()));
  peers::append_line(room.transcript_path, line);
  SetWindowTextW(room.input, L"");
}

// The send button: a press followed by a release inside it sends.
LRESULT CALLBACK button_procedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetPropW(button, L"pressed", reinterpret_cast<HANDLE>(1));
      InvalidateRect(button, nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP:
      if (RemovePropW(button, L"pressed") != nullptr) {
        InvalidateRect(button, nullptr, TRUE);
        SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(kSendId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(button, &paint);
      RECT face;
      GetClientRect(button, &face);
      const bool pressed = GetPropW(button, L"pressed") != nullptr;
      DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
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
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == kSendId) {
        send_input_line();
      } else if (LOWORD(wparam) == kHangId) {
        Sleep(static_cast<DWORD>(lparam) * 1000);
      }
      return 0;
    case WM_SIZE: {
      const int width = LOWORD(lparam);
      const int height = HIWORD(lparam);
      MoveWindow(room.transcript, 4, 4, width - 8, height - 40, TRUE);
      MoveWindow(room.input, 4, height - 32, width - 76, 28, TRUE);
      MoveWindow(GetDlgItem(window, kSendId), width - 68, height - 32, 64, 28, TRUE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

void register_classes(HINSTANCE instance) {
  // The transcript and the input box are edit boxes under the client's class name.
  WNDCLASSEXW text_box{};
  text_box.cbSize = sizeof text_box;
  GetClassInfoExW(nullptr, L"EDIT", &text_box);
  text_box.hInstance = instance;
  text_box.lpszClassName = L"WndAte32Class";
  RegisterClassExW(&text_box);

  peers::register_window_class(instance, L"_Oscar_IconBtn", button_procedure, 0);
  peers::register_window_class(instance, L"AIM_ChatWnd", chat_procedure, COLOR_BTNFACE + 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const std::vector<std::wstring> args = peers::arguments();
  room.screen_name = peers::option(args, L"--screen-name", L"TuneFan");
  room.transcript_path = peers::option(args, L"--transcript", L"");
  register_classes(instance);

  room.window = CreateWindowExW(0, L"AIM_ChatWnd", L"Chat room: music", WS_OVERLAPPEDWINDOW, 0, 230,
                                640, 280, nullptr, nullptr, instance, nullptr);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  room.transcript = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"WndAte32Class", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
      room.window, reinterpret_cast<HMENU>(kTranscriptId), instance, nullptr);
  room.input = CreateWindowExW(WS_EX_CLIENTEDGE, L"WndAte32Class", L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
                               room.window, reinterpret_cast<HMENU>(kInputId), instance, nullptr);
  CreateWindowExW(0, L"_Oscar_IconBtn", L"Send", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, room.window,
                  reinterpret_cast<HMENU>(kSendId), instance, nullptr);
  SendMessageW(room.transcript, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(room.input, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(room.transcript, EM_LIMITTEXT, 0, 0);

  RECT client;
  GetClientRect(room.window, &client);
  SendMessageW(room.window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));

  ShowWindow(room.window, SW_SHOWNOACTIVATE);
  return peers::run_message_loop();
}
