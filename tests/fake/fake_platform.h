// An in-memory stand-in for the platform: a small window system of top-level
// and child windows with programmable answers, a settings store, a clock and
// a form runtime that records its boxes. It records every message.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "platform/platform.h"

namespace tunelet::fake {

struct Message {
  enum class Kind { kSent, kPosted, kSetText };
  Kind kind;
  WindowHandle window;
  std::uint32_t message;
  std::uint32_t wparam;
  std::int32_t lparam;
  Text text;  // for kSetText

  bool operator==(const Message& other) const {
    return std::tie(kind, window, message, wparam, lparam, text) ==
           std::tie(other.kind, other.window, other.message, other.wparam, other.lparam,
                    other.text);
  }
};

std::ostream& operator<<(std::ostream& out, const Message& message);

struct Window {
  WindowHandle handle = kNoWindow;
  WindowHandle parent = kNoWindow;
  Text class_name;
  Text title;
  // Answers sent messages other than WM_SETTEXT; 0 when not set.
  std::function<std::int32_t(std::uint32_t message, std::uint32_t wparam, std::int32_t lparam)>
      answer;
  // A hung window: takes no text (its title is still readable, as on Windows).
  bool hung = false;
  // Runs before each read of the title's length, to change it between reads.
  std::function<void(Window&)> before_title_read;
};

class FakeWindowSystem : public WindowSystem {
 public:
  WindowHandle create_window(const Text& class_name, const Text& title = Text(),
                             WindowHandle parent = kNoWindow);
  void destroy_window(WindowHandle window);
  Window& window(WindowHandle handle);

  std::vector<Message> log;
  std::vector<Message> log_for(WindowHandle window) const;

  WindowHandle find_window(const Text& class_name) override;
  WindowHandle find_child_window(WindowHandle parent, WindowHandle after,
                                 const Text& class_name) override;
  std::int32_t send_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                            std::int32_t lparam) override;
  void post_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                    std::int32_t lparam) override;
  bool set_window_text(WindowHandle window, const Text& text) override;
  std::int32_t window_text_length(WindowHandle window) override;
  Text window_text(WindowHandle window, std::int32_t buffer_size) override;
  std::uint16_t async_key_state(int) override { return 0; }

  int lookups = 0;  // find_window and find_child_window calls

 private:
  Window* existing(WindowHandle handle);
  std::vector<Window> windows_;  // in creation order, which is the z-order
  WindowHandle next_handle_ = 0x100;
};

class FakeClock : public Clock {
 public:
  std::uint64_t milliseconds = 0;
  Text time = u"12:34:56";
  Text date = u"06/12/2026";

  std::uint64_t milliseconds_since_start() override { return milliseconds; }
  Text time_text() override { return time; }
  Text date_text() override { return date; }
};

class FakeSettingsStore : public SettingsStore {
 public:
  // Values by "application/section/key".
  std::map<std::string, Text> values;
  std::vector<std::string> writes;  // keys in the order written
  std::string failing_key;          // a save of this key fails

  Text load(const Text& application, const Text& section, const Text& key) override;
  bool save(const Text& application, const Text& section, const Text& key,
            const Text& value) override;

  static std::string path(const Text& application, const Text& section, const Text& key);
};

// Thrown by end_process, so that a test sees the end and the code after the
// call never runs.
struct ProcessEnded : std::runtime_error {
  ProcessEnded() : std::runtime_error("process ended") {}
};

struct Box {
  Text prompt;
  int style;
  std::optional<Text> title;
};

class FakeFormRuntime : public FormRuntime {
 public:
  std::vector<Box> boxes;
  Text separator = u":";

  void message_box(const Text& prompt, int style, const std::optional<Text>& title) override;
  Text input_box(const Text&, const Text&) override { return Text(); }
  Text time_separator() override { return separator; }
  [[noreturn]] void end_process() override;
};

// A whole platform, ready to hand to the logic.
struct FakePlatform {
  FakeWindowSystem windows;
  FakeClock clock;
  FakeSettingsStore settings;
  FakeFormRuntime form;
  Platform platform{windows, clock, settings, form};
};

// Narrow text for test output.
std::string narrow(const Text& text);

}  // namespace tunelet::fake
