#include <gtest/gtest.h>

#include "fake_platform.h"
#include "shell/settings.h"
#include "shell/tray.h"

namespace tunelet {
namespace {

// Stored settings (nothing: a value that is not text); what the start loads
// from them; the template and switches at the exit; what the exit writes and
// tells.
TEST(Settings, LoadAtStartSaveAtExit) {
  const std::optional<Text> kNotText;
  const struct {
    std::map<std::string, std::optional<Text>> stored;
    Text loaded_template;
    int loaded_check1, loaded_check2;
    Text exit_template;
    int exit_check1, exit_check2;
    std::vector<std::string> written;
    std::string failing = "";
    bool session_ending = false;
  } rows[] = {
      // clang-format off
      {{{"String", u"np %s"}, {"Enabled", u"yes"}, {"SaveIt", u"0"}}, u"np %s", 1, 1, u"new", 1, 1, {"String=new", "Enabled=1", "SaveIt=1"}},
      {{{"String", u"old"}, {"SaveIt", u"1"}}, u"old", 0, 1, u"new", 1, kGrayed, {"SaveIt="}},
      {{{"SaveIt", u""}}, u"", 0, 0, u"new", 1, 0, {}, "SaveIt"},  // nothing to change
      {{}, u"", 0, 0, u"new", 1, 1, {"String=new", "Enabled=1", "SaveIt=1", "The settings could not be saved."}, "String"},
      {{}, u"", 0, 0, u"new", 1, 1, {"String=new", "Enabled=1", "SaveIt=1"}, "String", true},  // Windows is ending the session
      {{{"String", kNotText}, {"Enabled", kNotText}, {"SaveIt", u"1"}}, u"", 0, 1, u"", 0, 1, {"SaveIt=1"}},
      {{{"String", kNotText}, {"Enabled", kNotText}, {"SaveIt", kNotText}}, u"", 0, 0, u"new", 1, 1, {"String=new", "Enabled=1", "SaveIt=1"}},
      {{{"SaveIt", kNotText}}, u"", 0, 0, u"new", 0, 0, {}},
      {{{"String", kNotText}, {"Enabled", u"1"}, {"SaveIt", u"1"}}, u"", 1, 1, u"", 1, 1, {"Enabled=1", "SaveIt=1"}},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    fake.settings = row.stored;
    fake.failing_setting = row.failing;
    ProgramState state;
    Form_Load(fake.platform, state);
    EXPECT_EQ(state.controls.Text4, row.loaded_template);
    EXPECT_EQ(state.controls.Check1, row.loaded_check1);
    EXPECT_EQ(state.controls.Check2, row.loaded_check2);
    state.controls.Text4 = row.exit_template;
    state.controls.Check1 = row.exit_check1;
    state.controls.Check2 = row.exit_check2;
    state.session_ending = row.session_ending;
    EXPECT_THROW(Hitit(fake.platform, state), fake::ProcessEnded);
    EXPECT_EQ(fake.log.front(), "stop timers");  // no tick runs in the box or after the saves
    std::vector<std::string> written;
    for (const std::string& entry : fake.logged({"save Tunelet/Main/", "box 0 - "})) {
      written.push_back(entry.substr(entry[0] == 's' ? 18 : 8));  // after those words
    }
    EXPECT_EQ(written, row.written);
  }
}

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
  return [=](fake::FakePlatform& fake, ProgramState& state) {
    fake.keys = {{kControlKey, control}, {kAKey, a}};
    TmrHotkey_Timer(fake.platform, state);
  };
}
Event tray_refuses(bool refuses) {
  return [=](fake::FakePlatform& fake, ProgramState&) { fake.tray_refuses = refuses; };
}
const Event kMinimise = user_sets(kMinimised), kCtrlA = keys(0x8000, 0x8000);
const Event kHideCompletely = [](fake::FakePlatform& fake, ProgramState& state) {
  hidecomp_Click(fake.platform, state);
};
const Event kTaskbarCreated = [](fake::FakePlatform& fake, ProgramState& state) {
  Taskbar_Created(fake.platform, state);
};
const Event kClose = [](fake::FakePlatform& fake, ProgramState& state) {
  EXPECT_THROW(close_Click(fake.platform, state), fake::ProcessEnded);
};
const std::vector<Event> kShown = {}, kInTheTray = {kMinimise},
                         kShownMinimised = {kMinimise, kCtrlA},
                         kLeftOnTheTaskbar = {tray_refuses(true), kMinimise, tray_refuses(false)};

// The record as minimising fills it: its size, the window, icon 1, the flags,
// the callback message, the icon and the tip shown.
const std::string kAdd = "icon add 88 81 1 7 32769 113 Tune Let";
const std::string kDelete = "icon delete 88 81 1 7 32769 113 Tune Let";

// The moves the end-to-end session does not make (mouse messages by number:
// moving, left up, double click, right up): from a state, events,
// then what was asked of the window and the notification area.
TEST(Tray, StatesAndMoves) {
  const struct {
    std::vector<Event> from, events;
    std::vector<std::string> requests;
  } rows[] = {
      // clang-format off
      {kShown, {kMinimise}, {"hide", kAdd}},
      {kShown, {user_sets(kMaximised)}, {"icon delete 0 0 0 0 0 0 "}},  // the record never filled
      {kShown, {kHideCompletely, kCtrlA}, {"hide", "show"}},
      {kInTheTray, {on_icon(512), on_icon(514), on_icon(515), on_icon(517)}, {}},
      {kInTheTray, {on_icon(wm::kRButtonDown)}, {"menu Miniopts"}},
      {kInTheTray, {kHideCompletely, kCtrlA}, {"hide", kDelete, "restore", kDelete, "show"}},  // back restored
      {kInTheTray, {kHideCompletely, kTaskbarCreated}, {"hide", kDelete}},
      {kInTheTray, {kClose}, {"stop timers", kDelete, "end"}},
      {kInTheTray, {keys(1, 1)}, {"show"}},  // both pressed since the last poll
      {kInTheTray, {keys(0x8000, 0), keys(0, 0x8000), keys(0x8000, 1)}, {}},  // not together
      {kInTheTray, {kTaskbarCreated}, {kAdd}},
      {kShownMinimised, {on_icon(wm::kLButtonDown)}, {"restore", kDelete, "show"}},
      {kShownMinimised, {[](fake::FakePlatform& fake, ProgramState& state) { Showamp_Click(fake.platform, state); }}, {"show", kDelete, "restore", kDelete}},
      {kShownMinimised, {kTaskbarCreated}, {kAdd}},  // stays shown
      // the notification area refused the icon: minimised on the taskbar until it is there
      {{tray_refuses(true)}, {kMinimise}, {"hide", kAdd, "show"}},
      {kLeftOnTheTaskbar, {kTaskbarCreated}, {"hide", kAdd}},
      {kLeftOnTheTaskbar, {user_sets(kNormal), kTaskbarCreated}, {kDelete}},
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
    EXPECT_EQ(fake.log, row.requests);
  }
}

}  // namespace
}  // namespace tunelet
