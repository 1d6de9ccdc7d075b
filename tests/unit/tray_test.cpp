#include "shell/tray.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "shell/settings.h"

namespace tunelet {
namespace {

using Event = std::function<void(fake::FakePlatform&, ProgramState&)>;

Event user_sets(int window_state) {
  return [=](fake::FakePlatform& fake, ProgramState& state) {
    fake.state = window_state;
    Form_Resize(fake.platform, state);
  };
}
Event on_icon(std::uint32_t mouse_message) {
  return [=](fake::FakePlatform& fake, ProgramState&) {
    TrayIcon_Event(fake.platform, mouse_message);
  };
}
Event keys(std::uint16_t control, std::uint16_t a) {
  return [=](fake::FakePlatform& fake, ProgramState&) {
    fake.keys = {{kControlKey, control}, {kAKey, a}};
    TmrHotkey_Timer(fake.platform);
  };
}
const Event kMinimise = user_sets(kMinimised), kRestore = user_sets(kNormal),
            kMaximise = user_sets(kMaximised);
const Event kLeftPress = on_icon(wm::kLButtonDown), kRightPress = on_icon(wm::kRButtonDown);
const Event kCtrlA = keys(0x8000, 0x8000);
const Event kShowTunelet = [](fake::FakePlatform& fake, ProgramState& state) {
  Showamp_Click(fake.platform, state);
};
const Event kHideCompletely = [](fake::FakePlatform& fake, ProgramState&) {
  hidecomp_Click(fake.platform);
};
const Event kClose = [](fake::FakePlatform& fake, ProgramState& state) {
  EXPECT_THROW(close_Click(fake.platform, state), fake::ProcessEnded);
};
const Event kTaskbarCreated = [](fake::FakePlatform& fake, ProgramState& state) {
  Taskbar_Created(fake.platform, state);
};

const std::vector<Event> kShown = {}, kInTheTray = {kMinimise},
                         kShownMinimised = {kMinimise, kCtrlA},
                         kHiddenCompletely = {kHideCompletely};

// The record as minimising fills it: its size, the window, icon 1, the flags,
// the callback message, the icon and the tip shown.
const std::string kAdd = "icon add 88 81 1 7 32769 113 Tune Let";
const std::string kDelete = "icon delete 88 81 1 7 32769 113 Tune Let";
const std::string kDeleteUnfilled = "icon delete 0 0 0 0 0 0 ";

// From a state, events, then: window visible, its state, icon present, requests made.
TEST(Tray, EveryStateAndMove) {
  const struct {
    std::vector<Event> from, events;
    bool visible;
    int window_state;
    bool icon;
    std::vector<std::string> requests;
  } rows[] = {
      // clang-format off
      {kShown, {kMinimise}, false, kMinimised, true, {"hide", kAdd}},
      {kShown, {kMaximise}, true, kMaximised, false, {kDeleteUnfilled}},
      {kShown, {kHideCompletely}, false, kNormal, false, {"hide"}},
      {kShown, {kTaskbarCreated}, true, kNormal, false, {}},
      {kShown, {kClose}, true, kNormal, false, {kDeleteUnfilled, "save Tunelet/Main/SaveIt=", "end"}},
      {kInTheTray, {kLeftPress}, true, kNormal, false, {"state 0", kDelete, "show"}},
      {kInTheTray, {kRightPress}, false, kMinimised, true, {"menu Miniopts"}},
      {kInTheTray, {on_icon(wm::kMouseMove), on_icon(wm::kLButtonUp), on_icon(wm::kLButtonDoubleClick), on_icon(wm::kRButtonUp)}, false, kMinimised, true, {}},
      {kInTheTray, {kShowTunelet}, true, kNormal, false, {"show", kDelete, "state 0", kDelete}},
      {kInTheTray, {kHideCompletely}, false, kMinimised, true, {"hide"}},
      {kInTheTray, {kClose}, false, kMinimised, false, {kDelete, "save Tunelet/Main/SaveIt=", "end"}},
      {kInTheTray, {kCtrlA}, true, kMinimised, true, {"show"}},
      {kInTheTray, {keys(1, 1)}, true, kMinimised, true, {"show"}},  // both pressed since the last poll
      {kInTheTray, {keys(0x8001, 0), keys(0, 0x8001), keys(0x8000, 1)}, false, kMinimised, true, {}},
      {kInTheTray, {kTaskbarCreated}, false, kMinimised, true, {kAdd}},
      {kShownMinimised, {kRestore}, true, kNormal, false, {kDelete}},
      {kShownMinimised, {kLeftPress}, true, kNormal, false, {"state 0", kDelete, "show"}},
      {kShownMinimised, {kShowTunelet}, true, kNormal, false, {"show", kDelete, "state 0", kDelete}},
      {kShownMinimised, {kHideCompletely}, false, kMinimised, true, {"hide"}},
      {kHiddenCompletely, {kCtrlA}, true, kNormal, false, {"show"}},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    ProgramState state;
    fake.on_resize = [&] { Form_Resize(fake.platform, state); };
    for (const Event& event : row.from) {
      event(fake, state);
    }
    fake.log.clear();
    for (const Event& event : row.events) {
      event(fake, state);
    }
    EXPECT_EQ(fake.visible, row.visible);
    EXPECT_EQ(fake.state, row.window_state);
    EXPECT_EQ(!fake.icons.empty(), row.icon);
    EXPECT_EQ(fake.log, row.requests);
  }
}

}  // namespace
}  // namespace tunelet
