#include "shell/settings.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

// Stored settings; what the start loads from them; the switches at the exit,
// with the template edited to "new"; what the exit writes and tells.
TEST(Settings, LoadAtStartSaveAtExit) {
  const struct {
    std::map<std::string, Text> stored;
    Text loaded_template;
    int loaded_check1, loaded_check2, exit_check1, exit_check2;
    std::vector<std::string> written;
    std::string failing = "";
  } rows[] = {
      // clang-format off
      {{}, u"", 0, 0, 0, 0, {"SaveIt="}},
      {{{"String", u"np %s"}, {"Enabled", u"yes"}, {"SaveIt", u"0"}}, u"np %s", 1, 1, 1, 1, {"String=new", "Enabled=1", "SaveIt=1"}},
      {{{"Enabled", u"1"}, {"SaveIt", u"1"}}, u"", 1, 1, 0, 1, {"String=new", "Enabled=", "SaveIt=1"}},
      {{{"String", u"old"}, {"SaveIt", u"1"}}, u"old", 0, 1, 1, 0, {"SaveIt="}},
      {{}, u"", 0, 0, 1, kGrayed, {"SaveIt="}},
      {{}, u"", 0, 0, 1, 1, {"String=new", "Enabled=1", "SaveIt=1", "The settings could not be saved."}, "String"},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("row " + std::to_string(&row - rows + 1));
    fake::FakePlatform fake;
    fake.settings = row.stored;
    fake.failing_setting = row.failing;
    ProgramState state;
    Form_Load(fake.platform, state);
    EXPECT_EQ(state.form.Text4, row.loaded_template);
    EXPECT_EQ(state.form.Check1, row.loaded_check1);
    EXPECT_EQ(state.form.Check2, row.loaded_check2);
    state.form.Text4 = u"new";
    state.form.Check1 = row.exit_check1;
    state.form.Check2 = row.exit_check2;
    EXPECT_THROW(Hitit(fake.platform, state), fake::ProcessEnded);
    std::vector<std::string> written;
    for (const std::string& entry : fake.logged({"save Tunelet/Main/", "box 0 - "})) {
      written.push_back(entry.substr(entry[0] == 's' ? 18 : 8));  // after those words
    }
    EXPECT_EQ(written, row.written);
  }
}

}  // namespace
}  // namespace tunelet
