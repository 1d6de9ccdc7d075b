#include "fake_platform.h"

#include <algorithm>
#include <ostream>

namespace tunelet::fake {
namespace {

bool same_class(const Text& a, const Text& b) {
  return to_lower_ascii(a) == to_lower_ascii(b);
}

}  // namespace

std::string narrow(const Text& text) {
  std::string out;
  for (char16_t c : text) {
    out += c < 128 ? static_cast<char>(c) : '?';
  }
  return out;
}

std::ostream& operator<<(std::ostream& out, const Message& message) {
  static const char* const kKinds[] = {"sent", "posted", "settext"};
  return out << kKinds[static_cast<int>(message.kind)] << "(window " << message.window << ", "
             << message.message << ", " << message.wparam << ", " << message.lparam << ", \""
             << narrow(message.text) << "\")";
}

WindowHandle FakeWindowSystem::create_window(const Text& class_name, const Text& title,
                                             WindowHandle parent) {
  Window created;
  created.handle = next_handle_++;
  created.parent = parent;
  created.class_name = class_name;
  created.title = title;
  windows_.push_back(created);
  return created.handle;
}

void FakeWindowSystem::destroy_window(WindowHandle window) {
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [window](const Window& w) {
                                  return w.handle == window || w.parent == window;
                                }),
                 windows_.end());
}

Window* FakeWindowSystem::existing(WindowHandle handle) {
  for (Window& w : windows_) {
    if (w.handle == handle && handle != kNoWindow) {
      return &w;
    }
  }
  return nullptr;
}

Window& FakeWindowSystem::window(WindowHandle handle) {
  Window* found = existing(handle);
  if (found == nullptr) {
    throw std::logic_error("no such window");
  }
  return *found;
}

std::vector<Message> FakeWindowSystem::log_for(WindowHandle window) const {
  std::vector<Message> result;
  std::copy_if(log.begin(), log.end(), std::back_inserter(result),
               [window](const Message& m) { return m.window == window; });
  return result;
}

WindowHandle FakeWindowSystem::find_window(const Text& class_name) {
  return find_child_window(kNoWindow, kNoWindow, class_name);
}

WindowHandle FakeWindowSystem::find_child_window(WindowHandle parent, WindowHandle after,
                                                 const Text& class_name) {
  ++lookups;
  bool passed_after = after == kNoWindow;
  for (const Window& w : windows_) {
    if (w.parent != parent) {
      continue;
    }
    if (!passed_after) {
      passed_after = w.handle == after;
      continue;
    }
    if (same_class(w.class_name, class_name)) {
      return w.handle;
    }
  }
  return kNoWindow;
}

std::int32_t FakeWindowSystem::send_message(WindowHandle window, std::uint32_t message,
                                            std::uint32_t wparam, std::int32_t lparam) {
  log.push_back({Message::Kind::kSent, window, message, wparam, lparam, Text()});
  Window* target = existing(window);
  if (target == nullptr || !target->answer) {
    return 0;
  }
  return target->answer(message, wparam, lparam);
}

void FakeWindowSystem::post_message(WindowHandle window, std::uint32_t message,
                                    std::uint32_t wparam, std::int32_t lparam) {
  log.push_back({Message::Kind::kPosted, window, message, wparam, lparam, Text()});
}

bool FakeWindowSystem::set_window_text(WindowHandle window, const Text& text) {
  log.push_back({Message::Kind::kSetText, window, wm::kSetText, 0, 0, text});
  Window* target = existing(window);
  if (target == nullptr || target->hung) {
    return false;
  }
  target->title = text;
  return true;
}

std::int32_t FakeWindowSystem::window_text_length(WindowHandle window) {
  Window* target = existing(window);
  if (target == nullptr) {
    return 0;
  }
  if (target->before_title_read) {
    target->before_title_read(*target);
  }
  return static_cast<std::int32_t>(target->title.size());
}

Text FakeWindowSystem::window_text(WindowHandle window, std::int32_t buffer_size) {
  Window* target = existing(window);
  if (target == nullptr || buffer_size <= 0) {
    return Text();
  }
  return target->title.substr(0, static_cast<std::size_t>(buffer_size - 1));
}

std::string FakeSettingsStore::path(const Text& application, const Text& section, const Text& key) {
  return narrow(application) + "/" + narrow(section) + "/" + narrow(key);
}

Text FakeSettingsStore::load(const Text& application, const Text& section, const Text& key) {
  auto found = values.find(path(application, section, key));
  return found == values.end() ? Text() : found->second;
}

bool FakeSettingsStore::save(const Text& application, const Text& section, const Text& key,
                             const Text& value) {
  const std::string where = path(application, section, key);
  writes.push_back(where);
  if (narrow(key) == failing_key) {
    return false;
  }
  values[where] = value;
  return true;
}

void FakeFormRuntime::message_box(const Text& prompt, int style, const std::optional<Text>& title) {
  boxes.push_back({prompt, style, title});
}

void FakeFormRuntime::end_process() {
  throw ProcessEnded();
}

}  // namespace tunelet::fake
