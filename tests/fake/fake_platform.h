// The platform in memory: other programs' windows, the notification area,
// the keyboard, the clock, the settings store and the main window with its
// boxes and menus. What the logic asks of it goes to one log, as text.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "player/player_link.h"

namespace tunelet::fake {

// ASCII as it is, anything else as '?'.
inline std::string narrow(const Text& text) {
  std::string out;
  for (char16_t c : text) {
    out += c < 128 ? static_cast<char>(c) : '?';
  }
  return out;
}

inline std::string numbers(std::initializer_list<std::int64_t> values) {
  std::string text;
  for (std::int64_t value : values) {
    text += " " + std::to_string(value);
  }
  return text;
}

struct FakeWindow {
  WindowHandle parent = kNoWindow;
  Text class_name;
  std::deque<Text> titles{Text()};  // successive reads; the last stays
  bool hung = false;                // answers nothing, takes no text
  std::map<std::pair<std::uint32_t, std::int32_t>, std::int32_t> answers;  // to WM_USER
};

struct ProcessEnded : std::runtime_error {
  ProcessEnded() : std::runtime_error("process ended") {}
};

class FakePlatform final : public WindowSystem,
                           public Clock,
                           public SettingsStore,
                           public FormRuntime {
 public:
  Platform platform{*this, *this, *this, *this};
  std::vector<std::string> log;
  std::map<WindowHandle, FakeWindow> windows;              // handles 1, 2, ... in z-order
  std::set<std::pair<WindowHandle, std::uint32_t>> icons;  // in the notification area
  std::map<int, std::uint16_t> keys;
  std::uint64_t milliseconds = 0;
  std::map<std::string, Text> settings;  // by key
  std::string failing_setting;
  bool visible = true;
  int state = kNormal;
  int open_boxes = 0;
  std::function<void()> on_resize;   // the resize handler
  std::function<void()> during_box;  // what happens while a box is open
  std::deque<Text> typed;            // into input boxes; none left: Cancel

  WindowHandle add_window(const Text& class_name, WindowHandle parent = kNoWindow) {
    const WindowHandle handle = windows.empty() ? 1 : windows.rbegin()->first + 1;
    windows[handle] = FakeWindow{parent, class_name, {Text()}, false, {}};
    return handle;
  }
  FakeWindow* live(WindowHandle window) {
    auto found = windows.find(window);
    return found == windows.end() || found->second.hung ? nullptr : &found->second;
  }
  // The log's entries that begin with one of these words.
  std::vector<std::string> logged(std::initializer_list<const char*> kinds) const {
    std::vector<std::string> entries;
    for (const std::string& entry : log) {
      for (const char* kind : kinds) {
        if (entry.rfind(kind, 0) == 0) {
          entries.push_back(entry);
        }
      }
    }
    return entries;
  }

  WindowHandle find_window(const Text& class_name) override {
    return find_child_window(kNoWindow, kNoWindow, class_name);
  }
  WindowHandle find_child_window(WindowHandle parent, WindowHandle after,
                                 const Text& class_name) override {
    for (auto it = windows.upper_bound(after); it != windows.end(); ++it) {
      if (it->second.parent == parent &&
          to_lower_ascii(it->second.class_name) == to_lower_ascii(class_name)) {
        return it->first;
      }
    }
    return kNoWindow;
  }
  std::int32_t send_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                            std::int32_t lparam) override {
    log.push_back("send" + numbers({window, message, wparam, lparam}));
    FakeWindow* target = live(window);
    return target != nullptr && message == wm::kUser ? target->answers[{wparam, lparam}] : 0;
  }
  void post_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                    std::int32_t lparam) override {
    log.push_back("post" + numbers({window, message, wparam, lparam}));
  }
  bool set_window_text(WindowHandle window, const Text& text) override {
    log.push_back("settext" + numbers({window}) + " " + narrow(text));
    FakeWindow* target = live(window);
    return target != nullptr && (target->titles = {text}, true);
  }
  Text window_title(WindowHandle window) override {
    auto found = windows.find(window);
    if (found == windows.end()) {
      return Text();
    }
    std::deque<Text>& titles = found->second.titles;
    const Text title = titles.front();
    if (titles.size() > 1) {
      titles.pop_front();
    }
    return title;
  }
  std::optional<Text> ask_window_text(WindowHandle window) override {
    return live(window) == nullptr ? std::nullopt : std::optional<Text>(window_title(window));
  }
  std::uint16_t async_key_state(int virtual_key) override { return keys[virtual_key]; }
  void notify_icon(IconAction action, const TrayRecord& record) override {
    const bool add = action == IconAction::kAdd;
    log.push_back((add ? "icon add" : "icon delete") +
                  numbers({record.size, record.window, record.id, record.flags,
                           record.callback_message, record.icon}) +
                  " " + narrow(record.tip.substr(0, record.tip.find(u'\0'))));  // the tip shown
    if (record.size != 0 && add) {
      icons.insert({record.window, record.id});
    } else if (record.size != 0) {
      icons.erase({record.window, record.id});
    }
  }

  std::uint64_t milliseconds_since_start() override { return milliseconds; }
  Text time_text() override { return u"12:34:56"; }
  Text date_text() override { return u"06/12/2026"; }

  Text load(const Text& application, const Text& section, const Text& key) override {
    return application == u"Tunelet" && section == u"Main" ? settings[narrow(key)] : Text();
  }
  bool save(const Text& application, const Text& section, const Text& key,
            const Text& value) override {
    log.push_back("save " + narrow(application + u"/" + section + u"/" + key + u"=" + value));
    return narrow(key) != failing_setting && (settings[narrow(key)] = value, true);
  }

  void message_box(const Text& prompt, int style, const std::optional<Text>& title) override {
    log.push_back("box" + numbers({style}) + " " + (title ? narrow(*title) : "-") + " " +
                  narrow(prompt));
    ++open_boxes;
    if (during_box) {
      during_box();
    }
    --open_boxes;
  }
  Text input_box(const Text& prompt, const Text& title) override {
    log.push_back("input " + narrow(title) + " " + narrow(prompt));
    const Text answer = typed.empty() ? Text() : typed.front();
    if (!typed.empty()) {
      typed.pop_front();
    }
    return answer;
  }
  bool modal_open() override { return open_boxes > 0; }
  void show_window() override { log.push_back("show"), visible = true; }
  void hide_window() override { log.push_back("hide"), visible = false; }
  int window_state() override { return state; }
  void set_window_state(int new_state) override {
    log.push_back("state" + numbers({new_state}));
    state = new_state;
    on_resize();
  }
  WindowHandle window_handle() override { return 0x51; }
  std::uint32_t window_icon() override { return 0x71; }
  void popup_menu(PopupMenu menu) override {
    log.push_back(menu == PopupMenu::kOpts ? "menu Opts" : "menu Miniopts");
  }
  Text time_separator() override { return u":"; }
  [[noreturn]] void end_process() override {
    log.push_back("end");
    throw ProcessEnded();
  }
};

// A player window whose title reads as `titles`, answering the three queries.
inline WindowHandle add_player(FakePlatform& fake, std::deque<Text> titles,
                               std::int32_t track_length = 0, std::int32_t position = 0,
                               std::int32_t count = 0) {
  const WindowHandle player = fake.add_window(kPlayerWindowClass);
  FakeWindow& window = fake.windows[player];
  window.titles = std::move(titles);
  window.answers[{player_query::kTrackLength.argument, player_query::kTrackLength.number}] =
      track_length;
  window
      .answers[{player_query::kPlaylistPosition.argument, player_query::kPlaylistPosition.number}] =
      position;
  window.answers[{player_query::kPlaylistLength.argument, player_query::kPlaylistLength.number}] =
      count;
  return player;
}

struct ChatRoom {
  WindowHandle window, transcript, input, send;
};
inline ChatRoom add_chat_room(FakePlatform& fake) {
  const WindowHandle chat = fake.add_window(u"AIM_ChatWnd");
  const WindowHandle transcript = fake.add_window(u"WndAte32Class", chat);
  const WindowHandle input = fake.add_window(u"WndAte32Class", chat);
  return {chat, transcript, input, fake.add_window(u"_Oscar_IconBtn", chat)};
}

}  // namespace tunelet::fake
