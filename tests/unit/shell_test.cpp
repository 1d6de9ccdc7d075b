#include <gtest/gtest.h>

#include "fake_platform.h"
#include "shell/form_geometry.h"
#include "shell/program_exit.h"
#include "shell/tray.h"
#include "state/settings.h"

namespace tunelet {
namespace {

// Stored settings (nothing: a value that is not text); what the start loads
// from them; the template and switches at the exit; what the exit writes,
// and whether all was written.
TEST(Settings, LoadAtStartSaveAtExit) {
  const std::optional<Text> kNotText;
  const struct {
    std::map<std::string, std::optional<Text>> stored;
    Text loaded_template;
    int loaded_check1, loaded_check2;
    Text exit_template;
    int exit_check1, exit_check2;
    std::vector<std::string> written;
    bool saved = true;
    std::string failing = "";
  } rows[] = {
      // clang-format off
      {{{"String", u"np %s"}, {"Enabled", u"yes"}, {"SaveIt", u"0"}}, u"np %s", 1, 1, u"new", 1, 1, {"save String=new", "save Enabled=1", "save SaveIt=1"}},
      {{}, u"", 0, 0, u"new", 1, 1, {"save String=new", "save Enabled=1", "save SaveIt=1"}, false, "String"},
      {{{"String", kNotText}, {"Enabled", u"1"}, {"SaveIt", u"1"}}, u"", 1, 1, u"", 1, 1, {"save Enabled=1", "save SaveIt=1"}},
      {{{"String", u"np"}, {"Enabled", kNotText}, {"SaveIt", u"1"}}, u"np", 0, 1, u"np", 0, 1, {"save String=np", "save SaveIt=1"}},
      {{{"String", u"old"}, {"SaveIt", u"1"}}, u"old", 0, 1, u"", 0, 1, {"save String=", "save Enabled=", "save SaveIt=1"}},  // cleared
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    fake.settings = row.stored;
    fake.failing_setting = row.failing;
    ProgramState state;
    Controls& controls = state.controls;
    Form_Load(fake.platform, state);
    EXPECT_EQ(std::tie(controls.Text4, controls.Check1, controls.Check2),
              std::tie(row.loaded_template, row.loaded_check1, row.loaded_check2));
    std::tie(controls.Text4, controls.Check1, controls.Check2) =
        std::tie(row.exit_template, row.exit_check1, row.exit_check2);
    EXPECT_EQ(save_settings(fake.platform, state), row.saved);
    EXPECT_EQ(fake.logged({"save"}), row.written);
  }
}

using Event = std::function<void(fake::FakePlatform&, ProgramState&)>;

Event user_sets(int window_state) {
  return [=](auto& fake, auto& state) {
    fake.state = window_state, Form_Resize(fake.platform, state);
  };
}
Event on_icon(std::uint32_t mouse_message) {
  return [=](auto& fake, auto&) { TrayIcon_Event(fake.platform, mouse_message); };
}
Event keys(std::uint16_t control, std::uint16_t a) {
  return [=](auto& fake, auto& state) {
    fake.keys = {{kControlKey, control}, {kAKey, a}}, TmrHotkey_Timer(fake.platform, state);
  };
}
// Explorer restarts: the icons go, and the new notification area is there
// at once or not yet.
Event explorer_restarts(bool area_there) {
  return [=](auto& fake, auto&) { fake.restart_tray(area_there); };
}
Event handler(void (*on)(Platform&, ProgramState&)) {
  return [=](auto& fake, auto& state) { on(fake.platform, state); };
}
const Event kAreaComes = [](fake::FakePlatform& fake, ProgramState&) { fake.tray_there = true; };
// The window's scale changes: the notification icon's image is drawn anew (114), and the old
// one goes.
const Event kScaleChanges = [](fake::FakePlatform& fake, ProgramState& state) {
  fake.icon = 0x72, TrayIcon_ScaleChanged(fake.platform, state);
};
const Event kMinimise = user_sets(kMinimised), kCtrlA = keys(0x8000, 0x8000);
const Event kHideCompletely = handler(hidecomp_Click), kTaskbarCreated = handler(Taskbar_Created);
const std::vector<Event> kShown = {}, kInTheTray = {kMinimise},
                         kLeftOnTheTaskbar = {explorer_restarts(false), kMinimise, kAreaComes};

// The record: our window, icon 1, the callback message, our icon, the tip.
const std::string kAdd = "icon add 81 1 32769 113 Tune Let";
const std::string kModify = "icon modify 81 1 32769 113 Tune Let";
const std::string kDelete = "icon delete 81 1 32769 113 Tune Let";

// From a state, events; then what was asked of the window and the
// notification area, which refuses an add for an icon that is there.
TEST(Tray, StatesAndMoves) {
  const struct {
    std::vector<Event> from, events;
    std::vector<std::string> requests;
  } rows[] = {
      // clang-format off
      {kShown, {kMinimise}, {kAdd, "hide"}},  // hidden once the icon is there
      {kInTheTray, {on_icon(512), on_icon(514), on_icon(515), on_icon(517)}, {}},  // moving, up, double click
      {kInTheTray, {on_icon(wm::kLButtonDown)}, {"restore", kDelete, "show"}},
      {kInTheTray, {kHideCompletely, kTaskbarCreated}, {"hide", kDelete}},
      {kInTheTray, {handler(leave_tray)}, {kDelete}},  // the program ends
      {kInTheTray, {keys(1, 1)}, {"show"}},  // both pressed since the last poll
      {kInTheTray, {keys(0x8000, 0), keys(0, 0x8000)}, {}},  // one without the other
      // the new notification area refuses the icon at first: on the taskbar until it takes it
      {kInTheTray, {explorer_restarts(false), kTaskbarCreated, kAreaComes, kTaskbarCreated}, {kAdd, kModify, "show", kAdd, "hide"}},
      {{explorer_restarts(false)}, {kMinimise}, {kAdd, kModify, "show"}},  // never hidden without an icon
      {kLeftOnTheTaskbar, {kCtrlA}, {"show"}},  // stays minimised
      {kLeftOnTheTaskbar, {user_sets(kNormal), kTaskbarCreated}, {}},  // restored meanwhile
      {kInTheTray, {kScaleChanges, explorer_restarts(true), kTaskbarCreated}, {"icon modify 81 1 32769 114 Tune Let", "icon add 81 1 32769 114 Tune Let"}},
      {kLeftOnTheTaskbar, {kScaleChanges, kTaskbarCreated}, {"icon add 81 1 32769 114 Tune Let", "hide"}},
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

// The window laid out at each scale: the client area, the picture, the
// type's character height, and the places of "Enabled", the template box
// and the "Opts" label, whose bottom-right pixel is the last on it.
TEST(FormGeometry, TheDesignInPixelsAtEachScale) {
  const struct {
    int dpi, client[2], picture[2], font_height;
    PixelRect check1, text4, opts;
  } rows[] = {
      // clang-format off
      {96, {309, 132}, {400, 200}, -11, {224, 96, 241, 113}, {40, 40, 265, 83}, {8, 112, 33, 129}},
      {120, {386, 165}, {500, 250}, -14, {280, 120, 301, 141}, {50, 50, 331, 104}, {10, 140, 41, 161}},
      {144, {464, 198}, {600, 300}, -17, {336, 144, 362, 170}, {60, 60, 398, 125}, {12, 168, 50, 194}},
      // clang-format on
  };
  for (const auto& row : rows) {
    const FormGeometry geometry = form_geometry(row.dpi);
    EXPECT_TRUE(geometry.client_width == row.client[0] && geometry.client_height == row.client[1] &&
                geometry.picture_width == row.picture[0] &&
                geometry.picture_height == row.picture[1] &&
                geometry.font_height == row.font_height && geometry.places[1] == row.check1 &&
                geometry.places[2] == row.text4 && place_of(kLabel5, row.dpi) == row.opts)
        << row.dpi;
    EXPECT_TRUE(is_on_opts_label(row.opts.right - 1, row.opts.bottom - 1, row.dpi));
    EXPECT_FALSE(is_on_opts_label(row.opts.right, row.opts.top, row.dpi));
    EXPECT_FALSE(is_on_opts_label(row.opts.left, row.opts.bottom, row.dpi));
  }
}

fake::FakePlatform* leaving = nullptr;

// The exit with a setting that cannot be written: the timers stop before
// anything else, and the box that tells it comes last, unless the user is
// logging off.
TEST(Exit, TimersFirstNoBoxAtLogoff) {
  for (const bool session_ending : {false, true}) {
    fake::FakePlatform fake;
    ProgramState state;
    state.controls.Check2 = kChecked;
    state.session_ending = session_ending;
    fake.failing_setting = "String";
    leaving = &fake;
    leave_program(fake.platform, state, [] { leaving->note("timers"); });
    EXPECT_EQ(fake.log.front(), "timers");
    EXPECT_EQ(fake.log.back().rfind("box", 0) == 0, !session_ending);
  }
}

}  // namespace
}  // namespace tunelet
