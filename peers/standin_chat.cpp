// A stand-in for the instant messenger's chat room window: a window of class
// "AIM_ChatWnd" whose children are, in this order, the transcript and the
// input box (both of class "WndAte32Class", each holding its text in an
// inner "Ate32Class" rich edit) and the send button (class "_Oscar_IconBtn").
//
// As in the real client, text set into a box with WM_SETTEXT is read as
// HTML: <b>, <i> and <u> format, other tags vanish ('<' opens one only
// before a letter, '/', '!' or '?'), and &amp; &lt; &gt; &quot; &nbsp; and
// &#N; stand for their characters. The input box gives back its HTML: what
// it was given, or what the user typed there, as text, and on request in
// the client's own form or written anew as an editor writes it.
// A press and release of the button, or Enter in the input box, sends that
// HTML to the room, unless it is longer than the 1024 characters a room
// takes: the transcript shows it rendered after the sender in bold,
// '<b>TuneFan</b>: ...', and the box empties.
//
//   standin_chat.exe [--transcript FILE]
//
// Every line of the transcript also goes to the transcript file, as shown.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "peer_common.h"

namespace {

constexpr int kSendButton = 3;
HWND transcript = nullptr;
HWND input = nullptr;
std::wstring input_html;  // what the input box was last given
std::wstring transcript_path;
DWORD slow_ms = 0;       // a message to the input box or button waits this long
DWORD slow_text_ms = 0;  // and a text set into the input box this long more
DWORD slow_send_ms = 0;  // and a press or release of the button this long more
bool refusing = false;   // and a text is not taken at all
bool own_form = false;   // the input box gives its HTML back in its own form
LPARAM user = 0;         // what the user does to the next text another program sets
LPARAM user_acting = 0;  // what the user is doing now, until the box is empty
int texts_taken = 0;     // texts other programs set into the input box
int reads_since_user = 0;
WNDPROC rich_edit_procedure = nullptr;
constexpr std::size_t kLongestMessage = 1024;
constexpr UINT_PTR kUserTimer = 1;

// A stretch of rendered text in one format.
struct Run {
  std::wstring text;
  DWORD effects;  // CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE
};

wchar_t entity(const std::wstring& name) {
  const struct {
    const wchar_t* name;
    wchar_t character;
  } kNamed[] = {{L"amp", L'&'}, {L"lt", L'<'}, {L"gt", L'>'}, {L"quot", L'"'}, {L"nbsp", 0xA0}};
  for (const auto& known : kNamed) {
    if (name == known.name) {
      return known.character;
    }
  }
  const bool hex = name.size() > 2 && (name[1] == L'x' || name[1] == L'X');
  return name.size() > 1 && name[0] == L'#'
             ? static_cast<wchar_t>(wcstoul(name.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10))
             : 0;
}

// As HTML reads it: before anything else, a '<' is text.
bool opens_tag(const std::wstring& html, std::size_t at) {
  const wchar_t next = at + 1 < html.size() ? html[at + 1] : L'\0';
  return html[at] == L'<' && (IsCharAlphaW(next) || next == L'/' || next == L'!' || next == L'?');
}

std::vector<Run> render(const std::wstring& html) {
  std::vector<Run> runs{{L"", 0}};
  DWORD effects = 0;
  for (std::size_t at = 0; at < html.size(); ++at) {
    const std::size_t close = html.find(html[at] == L'<' ? L'>' : L';', at);
    if (opens_tag(html, at) && close != std::wstring::npos) {
      std::wstring tag = html.substr(at + 1, close - at - 1);
      CharLowerW(&tag[0]);
      const bool closing = !tag.empty() && tag[0] == L'/';
      const std::size_t start = closing ? 1 : 0;
      const std::wstring name = tag.substr(start, tag.find_first_of(L" /", start) - start);
      const DWORD effect = name == L"b"   ? CFE_BOLD
                           : name == L"i" ? CFE_ITALIC
                           : name == L"u" ? CFE_UNDERLINE
                                          : 0;
      effects = closing ? effects & ~effect : effects | effect;
      runs.push_back({name == L"br" ? L"\r" : L"", effects});
      at = close;
    } else if (html[at] == L'&' && close != std::wstring::npos &&
               entity(html.substr(at + 1, close - at - 1)) != 0) {
      runs.back().text += entity(html.substr(at + 1, close - at - 1));
      at = close;
    } else {
      runs.back().text += html[at];
    }
  }
  return runs;
}

std::wstring plain(const std::vector<Run>& runs) {
  std::wstring text;
  for (const Run& run : runs) {
    text += run.text;
  }
  return text;
}

std::wstring text_of(HWND box) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(box, &text[0], static_cast<int>(text.size()))));
  return text;
}

std::wstring as_html(const std::wstring& text) {
  std::wstring html;
  for (const wchar_t c : text) {
    html += c == L'&' ? L"&amp;" : c == L'<' ? L"&lt;" : c == L'>' ? L"&gt;" : std::wstring(1, c);
  }
  return html;
}

HWND editor_of(HWND box) {
  return GetWindow(box, GW_CHILD);
}

void append(HWND box, const std::vector<Run>& runs) {
  HWND editor = editor_of(box);
  for (const Run& run : runs) {
    CHARRANGE end{0x7FFFFFFF, 0x7FFFFFFF};  // past the end: the end
    SendMessageW(editor, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    format.dwEffects = run.effects;
    SendMessageW(editor, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(run.text.c_str()));
  }
}

// The HTML the input box was given, unless the user typed over it.
std::wstring input_box_html() {
  const std::wstring typed = text_of(editor_of(input));
  return typed == plain(render(input_html)) ? input_html : as_html(typed);
}

// The input box's HTML as the client may give it back, written anew as its
// editor writes it: wrapped in its tags, <BR> and CR LF for the first
// blank, an entity for a character it names or HTML may not hold as it is
// ('&eacute;', '&lt;', '&apos;'), a hex reference for any other beyond
// ASCII, and a blank added.
std::wstring in_own_form(const std::wstring& html) {
  const struct {
    wchar_t character;
    const wchar_t* name;
  } kNamed[] = {{L'&', L"amp"},    {L'<', L"lt"},   {L'>', L"gt"},    {L'\'', L"apos"},
                {0xE9, L"eacute"}, {0xEB, L"euml"}, {0xAB, L"laquo"}, {0xBB, L"raquo"}};
  std::wstring written = L"<HTML><BODY BGCOLOR=\"#ffffff\"><FONT FACE=\"Arial\" SIZE=2>";
  bool broken = false;
  for (const wchar_t c : plain(render(html))) {
    const auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                    [&](const auto& known) { return known.character == c; });
    wchar_t hex[16];
    swprintf(hex, 16, L"&#x%X;", static_cast<unsigned>(c));
    written += c == L' ' && !broken        ? (broken = true, L"<BR>\r\n")
               : named != std::end(kNamed) ? L"&" + std::wstring(named->name) + L";"
               : c >= 0x80                 ? std::wstring(hex)
                                           : std::wstring(1, c);
  }
  return written + L" </FONT></BODY></HTML>";
}

void send_input() {
  const std::wstring html = input_box_html();
  if (html.empty() || html.size() > kLongestMessage) {
    return;  // nothing to send, or too long for the room: it stays in the box
  }
  const std::vector<Run> line = render(L"<b>TuneFan</b>: " + html + L"<br>");
  append(transcript, line);
  const std::wstring shown = plain(line);
  peers::append_line(transcript_path, shown.substr(0, shown.size() - 1));
  SetWindowTextW(editor_of(input), L"");
  input_html.clear();
}

// Whether the message being handled was sent by another program, waited for
// or not. What the box's own rich edit sends it meanwhile counts as that
// program's too in Wine's eyes: only the outermost message is the other's.
int depth = 0;
struct Handling {
  Handling() { ++depth; }
  ~Handling() { --depth; }
};
bool from_another_program() {
  return depth == 1 && InSendMessageEx(nullptr) != ISMEX_NOSEND;
}

// A message taken late; the title says so meanwhile.
void take_late(HWND window, DWORD milliseconds) {
  if (milliseconds != 0) {
    HWND chat = GetParent(window);
    SetWindowTextW(chat, peers::kChatTitleAnsweringLate);
    Sleep(milliseconds);
    SetWindowTextW(chat, peers::kChatTitle);
  }
}

// The user at the keyboard: the chat room in front, the input box focused,
// and the keys pressed until the box is empty, as a person does.
void user_acts(HWND chat) {
  if (text_of(editor_of(input)).empty()) {
    KillTimer(chat, kUserTimer);
    user_acting = 0;
    reads_since_user = 0;
    return;
  }
  if (GetForegroundWindow() != chat) {
    SetForegroundWindow(chat);
    return;
  }
  SetFocus(editor_of(input));
  std::vector<INPUT> keys;
  const auto key = [&](WORD code, DWORD flags) {
    keys.push_back(INPUT{INPUT_KEYBOARD, {}});
    keys.back().ki.wVk = code;
    keys.back().ki.dwFlags = flags;
  };
  if (user_acting == peers::kPressesEnter) {
    key(VK_RETURN, 0), key(VK_RETURN, KEYEVENTF_KEYUP);
  } else {
    key(VK_HOME, 0), key(VK_HOME, KEYEVENTF_KEYUP), key(VK_SHIFT, 0), key(VK_END, 0);
    key(VK_END, KEYEVENTF_KEYUP), key(VK_SHIFT, KEYEVENTF_KEYUP), key(VK_DELETE, 0);
    key(VK_DELETE, KEYEVENTF_KEYUP);
  }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

// The input box's rich edit: Enter sends.
LRESULT CALLBACK input_editor_procedure(HWND editor, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KEYDOWN && wparam == VK_RETURN) {
    send_input();
    return 0;
  }
  if (message == WM_CHAR && wparam == L'\r') {
    return 0;
  }
  return CallWindowProcW(rich_edit_procedure, editor, message, wparam, lparam);
}

// Both boxes: a frame around the rich edit that holds the text.
LRESULT CALLBACK box_procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  const Handling handling;
  const bool from_outside = box == input && from_another_program();
  texts_taken += from_outside && message == WM_SETTEXT ? 1 : 0;
  reads_since_user += from_outside && message == WM_GETTEXT ? 1 : 0;
  take_late(box, from_outside ? slow_ms + (message == WM_SETTEXT ? slow_text_ms : 0) : 0);
  switch (message) {
    case WM_CREATE: {  // the box's edit styles go to the rich edit, its scroll bar too
      const LONG style = reinterpret_cast<const CREATESTRUCTW*>(lparam)->style;
      SetWindowLongW(box, GWL_STYLE, style & ~WS_VSCROLL);
      RECT inside;
      GetClientRect(box, &inside);
      HWND editor = CreateWindowExW(
          0, L"Ate32Class", L"", WS_CHILD | WS_VISIBLE | (style & 0xFFFF) | (style & WS_VSCROLL), 0,
          0, inside.right, inside.bottom, box, nullptr, GetModuleHandleW(nullptr), nullptr);
      SendMessageW(editor, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                   0);
      return 0;
    }
    case WM_SETTEXT: {
      if (from_outside && refusing) {
        SetWindowTextW(GetParent(box), peers::kChatTitleRefused);
        return FALSE;
      }
      const std::wstring html = lparam != 0 ? reinterpret_cast<const wchar_t*>(lparam) : L"";
      input_html = box == input ? html : input_html;
      SetWindowTextW(editor_of(box), L"");
      append(box, render(html));
      if (from_outside && user != 0) {  // at once, and again until the box is empty
        user_acting = user;
        user = 0;
        user_acts(GetParent(box));
        SetTimer(GetParent(box), kUserTimer, 100, nullptr);
      }
      return TRUE;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
      if (box != input) {
        return SendMessageW(editor_of(box), message, wparam, lparam);
      }
      const std::wstring html = own_form ? in_own_form(input_box_html()) : input_box_html();
      if (message == WM_GETTEXTLENGTH) {
        return static_cast<LRESULT>(html.size());
      }
      const std::size_t copied = wparam == 0 ? 0 : std::min<std::size_t>(html.size(), wparam - 1);
      if (wparam != 0) {
        html.copy(reinterpret_cast<wchar_t*>(lparam), copied);
        reinterpret_cast<wchar_t*>(lparam)[copied] = L'\0';
      }
      return static_cast<LRESULT>(copied);
    }
    case WM_SETFOCUS:
      SetFocus(editor_of(box));
      return 0;
    default:
      return DefWindowProcW(box, message, wparam, lparam);
  }
}

// The send button: a press followed by a release sends.
LRESULT CALLBACK button_procedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  static bool pressed = false;
  const Handling handling;
  // A busy client takes its button's press and release late however they
  // come, sent by another program or queued.
  const bool press = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP;
  take_late(button, press ? slow_ms + slow_send_ms : from_another_program() ? slow_ms : 0);
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
  if (message == WM_COMMAND &&
      (wparam == peers::kSlow || wparam == peers::kSlowText || wparam == peers::kSlowSend)) {
    (wparam == peers::kSlow       ? slow_ms
     : wparam == peers::kSlowText ? slow_text_ms
                                  : slow_send_ms) = static_cast<DWORD>(lparam);
  } else if (message == WM_COMMAND && wparam == peers::kOwnForm) {
    own_form = lparam != 0;
  } else if (message == WM_COMMAND && wparam == peers::kUser) {
    user = lparam;  // ready at the keyboard: the room in front, the input box focused
    SetForegroundWindow(window);
    SetFocus(editor_of(input));
  } else if (message == WM_COMMAND && wparam == peers::kCount) {
    return lparam == WM_SETTEXT            ? texts_taken
           : user != 0 || user_acting != 0 ? -1  // the user has yet to act
                                           : reads_since_user;
  } else if (message == WM_TIMER && wparam == kUserTimer) {
    user_acts(window);
  } else if (message == WM_COMMAND && wparam == peers::kRefuse) {
    refusing = lparam != 0;
    SetWindowTextW(window, peers::kChatTitle);
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
  LoadLibraryW(L"riched20.dll");
  WNDCLASSW rich_edit{};  // the client's inner text boxes: rich edits under its own class name
  GetClassInfoW(nullptr, RICHEDIT_CLASSW, &rich_edit);
  rich_edit.hInstance = instance;
  rich_edit.lpszClassName = L"Ate32Class";
  RegisterClassW(&rich_edit);
  peers::register_window_class(L"WndAte32Class", box_procedure);
  peers::register_window_class(L"_Oscar_IconBtn", button_procedure);
  peers::register_window_class(L"AIM_ChatWnd", chat_procedure);

  HWND chat = CreateWindowExW(0, L"AIM_ChatWnd", peers::kChatTitle, WS_OVERLAPPEDWINDOW, 0, 230,
                              640, 250, nullptr, nullptr, instance, nullptr);
  const DWORD edge = WS_EX_CLIENTEDGE;
  transcript = peers::add_child(chat, L"WndAte32Class",
                                WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, edge, 1,
                                {4, 4, 628, 180});
  input = peers::add_child(chat, L"WndAte32Class", WS_TABSTOP | ES_AUTOHSCROLL, edge, 2,
                           {4, 186, 556, 210});
  peers::add_child(chat, L"_Oscar_IconBtn", 0, 0, kSendButton, {560, 186, 628, 210});
  rich_edit_procedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      editor_of(input), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(input_editor_procedure)));
  ShowWindow(chat, SW_SHOWNOACTIVATE);
  return peers::run_message_loop();
}
