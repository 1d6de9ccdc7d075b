// The platform in memory: other programs' windows, the notification area,
// the keyboard, the clock, the settings store and the main window with its
// boxes and menus. What the logic asks of it goes to one log, as text.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "player/player_link.h"

namespace tunelet::fake {

// Text for the log; the tests use ASCII.
inline std::string narrow(const Text& text) {
  return std::string(text.begin(), text.end());
}

constexpr std::uint32_t kHung = UINT32_MAX;  // a window that never answers

struct FakeWindow {
  WindowHandle parent;
  Text class_name;
  std::deque<Text> titles{Text()};     // successive reads; the last stays
  std::uint32_t answers_after_ms = 0;  // the time each sent message takes; the clock moves on
  std::uint32_t text_after_ms = 0;     // and WM_SETTEXT this long more
  bool refuses_text = false;           // answers WM_SETTEXT with FALSE
  std::map<std::pair<std::uint32_t, std::int32_t>, std::int32_t>
      answers{};  // to WM_USER; none: no answer
};

class FakePlatform final : public Desktop, public Clock, public SettingsStore, public FormRuntime {
 public:
  Platform platform{*this, *this, *this, *this};
  std::vector<std::string> log;
  std::map<WindowHandle, FakeWindow> open_windows;  // handles 1, 2, ... in z-order
  std::map<int, std::uint16_t> keys;
  std::uint64_t milliseconds = 0;
  std::uint64_t milliseconds_per_read = 0;              // the clock moves on as it is read
  std::uint64_t user_input_at = 0;                      // the user's last key or click
  std::map<std::string, std::optional<Text>> settings;  // by key; nothing: not text
  std::string failing_setting;
  Text separator = u":";   // of hours, minutes and seconds
  bool tray_there = true;  // the notification area
  bool icon_there = false;
  bool visible = true;
  std::uint32_t icon = 0x71;  // the notification icon's image
  int state = kNormal;
  std::function<void()> on_resize;    // the resize handler
  std::function<void()> during_wait;  // what other programs send our window meanwhile

  template <typename... Parts>
  void note(const Parts&... parts) {
    std::ostringstream entry;
    ((entry << ' ' << parts), ...);
    log.push_back(entry.str().substr(1));
  }
  // The log's entries that begin with one of these words.
  std::vector<std::string> logged(std::initializer_list<std::string> kinds) const {
    std::vector<std::string> entries;
    for (const std::string& entry : log) {
      for (const std::string& kind : kinds) {
        entries.insert(entries.end(), entry.rfind(kind, 0) == 0 ? 1 : 0, entry);
      }
    }
    return entries;
  }
  WindowHandle add_window(const Text& class_name, WindowHandle parent = kNoWindow) {
    const WindowHandle handle = open_windows.empty() ? 1 : open_windows.rbegin()->first + 1;
    return open_windows.emplace(handle, FakeWindow{parent, class_name}), handle;
  }
  // The window, once it has answered within `wait_ms`; nothing otherwise.
  FakeWindow* answering(WindowHandle window, std::uint32_t wait_ms, bool text = false) {
    during_wait ? during_wait() : void();
    FakeWindow* found = open_windows.count(window) ? &open_windows.at(window) : nullptr;
    const std::uint32_t takes =
        !found ? 0
               : found->answers_after_ms +
                     (text && found->answers_after_ms != kHung ? found->text_after_ms : 0);
    milliseconds += std::min(takes, wait_ms);
    return takes <= wait_ms ? found : nullptr;
  }

  WindowHandle find_window(const Text& name, WindowHandle after) override {
    return next_window(0, after, name);
  }
  WindowHandle find_child_window(WindowHandle parent, WindowHandle after,
                                 const Text& name) override {
    return parent != kNoWindow ? next_window(parent, after, name) : kNoWindow;
  }
  WindowHandle next_window(WindowHandle parent, WindowHandle after, const Text& name) {
    for (auto it = open_windows.upper_bound(after); it != open_windows.end(); ++it) {
      if (it->second.parent == parent &&
          to_lower_ascii(it->second.class_name) == to_lower_ascii(name)) {
        return it->first;
      }
    }
    return kNoWindow;
  }
  bool window_exists(WindowHandle window) override { return open_windows.count(window) != 0; }
  bool is_hung(WindowHandle window) override {
    return open_windows.count(window) && open_windows.at(window).answers_after_ms == kHung;
  }
  std::optional<std::int32_t> send_message(WindowHandle window, std::uint32_t message,
                                           std::uint32_t wparam, std::int32_t lparam,
                                           std::uint32_t wait_ms) override {
    note("send", window, message, wparam, lparam);
    FakeWindow* found = answering(window, wait_ms);
    const bool question = message == wm::kUser;
    if (!found || (question && !found->answers.count({wparam, lparam}))) {
      milliseconds += found ? wait_ms : 0;  // a question left unanswered takes the whole wait
      return std::nullopt;
    }
    return question ? found->answers.at({wparam, lparam}) : 0;
  }
  void send_without_waiting(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                            std::int32_t lparam) override {
    note("notify", window, message, wparam, lparam);
  }
  void post_message(WindowHandle window, std::uint32_t message, std::uint32_t wparam,
                    std::int32_t lparam) override {
    note("post", window, message, wparam, lparam);
  }
  // A text let go lands all the same, before any later message is answered.
  std::optional<bool> set_window_text(WindowHandle window, const Text& text,
                                      std::uint32_t wait_ms) override {
    note("settext", window, narrow(text));
    const bool answered = answering(window, wait_ms, true) != nullptr;
    const bool taken = open_windows.count(window) && !open_windows.at(window).refuses_text;
    taken ? void(open_windows.at(window).titles = {text}) : void();
    return answered ? std::optional<bool>(taken) : std::nullopt;
  }
  std::optional<Text> read_window_text(WindowHandle window, std::size_t longest,
                                       std::uint32_t wait_ms) override {
    note("gettext", window);
    FakeWindow* found = answering(window, wait_ms);
    return found ? std::optional<Text>(found->titles.back().substr(0, longest)) : std::nullopt;
  }
  Text window_title(WindowHandle window) override {
    if (!open_windows.count(window)) {
      return Text();
    }
    std::deque<Text>& titles = open_windows.at(window).titles;
    const Text title = titles.front();
    titles.size() > 1 ? titles.pop_front() : void();
    return title;
  }
  std::uint16_t async_key_state(int virtual_key) override { return keys[virtual_key]; }
  // Explorer restarting: the icons go, and the new notification area may
  // not be there yet.
  void restart_tray(bool there) { icon_there = false, tray_there = there; }
  bool notify_icon(IconAction action, const TrayRecord& record) override {
    const char* kinds[] = {"icon add", "icon modify", "icon delete"};
    note(kinds[static_cast<int>(action)], record.window, record.id, record.callback_message,
         record.icon, narrow(record.tip));
    const bool done = tray_there && (action == IconAction::kAdd ? !icon_there : icon_there);
    icon_there = done ? action != IconAction::kDelete : icon_there;
    return done;
  }
  std::uint64_t milliseconds_since_start() override {
    return milliseconds += milliseconds_per_read;
  }
  std::uint64_t last_input() override { return user_input_at; }
  Text time_text() override { return u"12:34:56"; }
  Text date_text() override { return u"06/12/2026"; }
  std::optional<Text> load(const Text&, const Text&, const Text& key) override {
    const auto found = settings.find(narrow(key));  // the path is checked end to end
    return found != settings.end() ? found->second : Text();
  }
  bool save(const Text&, const Text&, const Text& key, const Text& value) override {
    note("save", narrow(key + u"=" + value));  // the path is checked end to end
    return narrow(key) != failing_setting && (settings[narrow(key)] = value, true);
  }
  void message_box(const Text& prompt, int style, const std::optional<Text>& title) override {
    note("box", style, title ? narrow(*title) : "-", narrow(prompt));
  }
  Text input_box(const Text&, const Text&) override { return Text(); }
  void show_window() override { note("show"), visible = true; }
  void hide_window() override { note("hide"), visible = false; }
  bool window_visible() override { return visible; }
  int window_state() override { return state; }
  void restore_window() override { note("restore"), state = kNormal, on_resize(); }
  WindowHandle window_handle() override { return 0x51; }
  std::uint32_t tray_icon() override { return icon; }
  void popup_menu(PopupMenu menu) override {
    note("menu", menu == PopupMenu::kOpts ? "Opts" : "Miniopts");
  }
  Text time_separator() override { return separator; }
};

// A player window whose title reads as `titles`, answering the questions.
inline WindowHandle add_player(FakePlatform& fake, std::deque<Text> titles,
                               std::int32_t track_length = 0, std::int32_t position = 0,
                               std::int32_t count = 0, std::int32_t play_state = 1) {
  const WindowHandle player = fake.add_window(kPlayerWindowClass);
  fake.open_windows.at(player).titles = std::move(titles);
  for (const auto& [query, answer] : {std::pair{player_query::kTrackLength, track_length},
                                      {player_query::kPlaylistPosition, position},
                                      {player_query::kPlaylistLength, count},
                                      {player_query::kPlayState, play_state}}) {
    fake.open_windows.at(player).answers[{query.argument, query.number}] = answer;
  }
  return player;
}

// A chat room window as the client makes it: icon buttons before and after
// the transcript, the member list, the input box, the send button after it,
// a separator.
inline WindowHandle add_chat_room(FakePlatform& fake) {
  const WindowHandle chat = fake.add_window(u"AIM_ChatWnd");
  for (const Text window_class :
       {u"_Oscar_IconBtn", u"WndAte32Class", u"_Oscar_IconBtn", u"_Oscar_Tree", u"WndAte32Class",
        u"_Oscar_IconBtn", u"_Oscar_Separator"}) {
    fake.add_window(window_class, chat);
  }
  return chat;
}

}  // namespace tunelet::fake
