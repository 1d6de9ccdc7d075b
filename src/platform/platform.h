// The services of the operating system and of the window runtime that the
// program's logic uses. The logic is written only against these interfaces;
// src/platform/win32 implements them on the real system and the unit tests
// implement them in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/text.h"

namespace tunelet {

// A window of another program. 0 means that no window was found; a message
// sent or posted to window 0 does nothing.
using WindowHandle = std::uint32_t;
constexpr WindowHandle kNoWindow = 0;

// Window messages, by their Win32 numbers.
namespace wm {
constexpr std::uint32_t kNull = 0;
constexpr std::uint32_t kCommand = 273;
constexpr std::uint32_t kLButtonDown = 513;
constexpr std::uint32_t kLButtonUp = 514;
constexpr std::uint32_t kRButtonDown = 516;
constexpr std::uint32_t kUser = 1024;
constexpr std::uint32_t kApp = 0x8000;  // the first message number an application may define
}  // namespace wm

// The program's notification-area icon, with its image, its tip, and the
// message that brings its mouse events to our window. All zero until it is
// first filled.
struct TrayRecord {
  WindowHandle window = kNoWindow;  // the window that gets the icon's events
  std::uint32_t id = 0;
  std::uint32_t callback_message = 0;
  std::uint32_t icon = 0;  // icon handle
  Text tip;
};

// Adding an icon that is there already is refused; modifying one succeeds
// only when it is there.
enum class IconAction { kAdd, kModify, kDelete };

// The desktop we share with other programs: their windows, the keyboard and
// the notification area.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // The next top-level window of this class (compared without regard to
  // case) after the window `after` (0: the first), or 0.
  virtual WindowHandle find_window(const Text& class_name, WindowHandle after) = 0;

  // The next child of `parent` with this class after the child `after`
  // (0: from the first child), or 0; 0 for parent 0.
  virtual WindowHandle find_child_window(WindowHandle parent, WindowHandle after,
                                         const Text& class_name) = 0;

  // Whether the system counts the window's program as hung: it has taken no
  // message for five seconds.
  virtual bool is_hung(WindowHandle window) = 0;

  // Whether the window is there still.
  virtual bool window_exists(WindowHandle window) = 0;

  // Sends a message and returns the window's answer; nothing when the window
  // did not answer within `wait_ms`, or there is none. On Windows a message
  // left unanswered is still handled later.
  virtual std::optional<std::int32_t> send_message(WindowHandle window, std::uint32_t message,
                                                   std::uint32_t wparam, std::int32_t lparam,
                                                   std::uint32_t wait_ms) = 0;

  // Sends a message without waiting for it: the window handles it after the
  // messages sent to it before and ahead of those sent after, never twice.
  virtual void send_without_waiting(WindowHandle window, std::uint32_t message,
                                    std::uint32_t wparam, std::int32_t lparam) = 0;

  // Queues a message to the window and returns at once.
  virtual void post_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                            std::int32_t lparam) = 0;

  // WM_SETTEXT: replaces the window's text. True when the window took it,
  // false when it answered that it did not; nothing when there is no window
  // or it did not answer within `wait_ms`.
  virtual std::optional<bool> set_window_text(WindowHandle window, const Text& text,
                                              std::uint32_t wait_ms) = 0;

  // WM_GETTEXT: the window's text, up to `longest` characters; nothing when
  // there is no window or it did not answer within `wait_ms`.
  virtual std::optional<Text> read_window_text(WindowHandle window, std::size_t longest,
                                               std::uint32_t wait_ms) = 0;

  // A window's title as the system keeps it, read without waiting for the
  // window; empty for window 0.
  virtual Text window_title(WindowHandle window) = 0;

  // GetAsyncKeyState: top bit set while the key is held, lowest bit set
  // when it was pressed since the previous call.
  virtual std::uint16_t async_key_state(int virtual_key) = 0;

  // Adds, modifies or removes the program's notification-area icon; false
  // when the notification area refused (none is there yet, or the icon is
  // there already for an add, not there for the others).
  virtual bool notify_icon(IconAction action, const TrayRecord& record) = 0;
};

// Time as the user sees it and as the system counts it.
class Clock {
 public:
  virtual ~Clock() = default;

  // Milliseconds since the system started, never wrapping.
  virtual std::uint64_t milliseconds_since_start() = 0;

  // When the user last pressed a key or used the mouse, in any program, in
  // milliseconds since the system started.
  virtual std::uint64_t last_input() = 0;

  // The current time and date in the user's regional format.
  virtual Text time_text() = 0;
  virtual Text date_text() = 0;
};

// Per-user string values that survive the process.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored value; empty when it was never written; nothing when a value
  // is stored that cannot be read as text.
  virtual std::optional<Text> load(const Text& application, const Text& section,
                                   const Text& key) = 0;

  // Returns false when the value could not be written.
  virtual bool save(const Text& application, const Text& section, const Text& key,
                    const Text& value) = 0;
};

// Message box styles.
constexpr int kPlainBox = 0;
constexpr int kInformationBox = 64;

// States of the main window; being hidden is apart from them.
constexpr int kNormal = 0;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;

// The main window's pop-up menus.
enum class PopupMenu { kOpts, kMiniopts };

// The services of the window runtime: modal boxes, the main window and
// regional formatting.
class FormRuntime {
 public:
  virtual ~FormRuntime() = default;

  // A modal box; without a title it carries the application's title.
  virtual void message_box(const Text& prompt, int style, const std::optional<Text>& title) = 0;

  // A modal box with one text field; the typed text, or empty on Cancel.
  virtual Text input_box(const Text& prompt, const Text& title) = 0;

  // Shows or hides the main window; its state stays as it is.
  virtual void show_window() = 0;
  virtual void hide_window() = 0;
  virtual bool window_visible() = 0;

  // The main window's state; restoring it to normal runs the resize handler
  // before it returns.
  virtual int window_state() = 0;
  virtual void restore_window() = 0;

  // The main window's handle, and the notification icon's image: the
  // program's icon at the small size of the window's scale, valid for as
  // long as it is the one given.
  virtual WindowHandle window_handle() = 0;
  virtual std::uint32_t tray_icon() = 0;

  // Opens the menu at the mouse pointer; the item chosen, later, runs its
  // click handler.
  virtual void popup_menu(PopupMenu menu) = 0;

  // The separator of hours, minutes and seconds in the user's regional
  // settings, normally ":".
  virtual Text time_separator() = 0;
};

// Everything the logic may call, handed to it as one value.
struct Platform {
  Desktop& desktop;
  Clock& clock;
  SettingsStore& settings;
  FormRuntime& runtime;
};

}  // namespace tunelet
