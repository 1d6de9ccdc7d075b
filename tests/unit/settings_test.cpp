#include "shell/settings.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

const std::string kString = "Tunelet/Main/String";
const std::string kEnabled = "Tunelet/Main/Enabled";
const std::string kSaveIt = "Tunelet/Main/SaveIt";

class Settings : public ::testing::Test {
 protected:
  fake::FakePlatform fake;
  ProgramState state;

  void exit_program() { EXPECT_THROW(Hitit(fake.platform, state), fake::ProcessEnded); }
};

TEST_F(Settings, FirstRunLoadsAnEmptyTemplateAndUncheckedSwitches) {
  Form_Load(fake.platform, state);
  EXPECT_EQ(state.form.Text4, u"");
  EXPECT_EQ(state.form.Check1, kUnchecked);
  EXPECT_EQ(state.form.Check2, kUnchecked);
}

TEST_F(Settings, AnyNonEmptyValueChecksItsSwitch) {
  fake.settings.values = {{kString, u"np: %s"}, {kEnabled, u"yes"}, {kSaveIt, u"0"}};
  Form_Load(fake.platform, state);
  EXPECT_EQ(state.form.Text4, u"np: %s");
  EXPECT_EQ(state.form.Check1, kChecked);
  EXPECT_EQ(state.form.Check2, kChecked);
}

TEST_F(Settings, SaveStateCheckedWritesAllThreeInOrder) {
  state.form.Text4 = u"now playing:%s [%l]";
  state.form.Check1 = kChecked;
  state.form.Check2 = kChecked;
  exit_program();
  EXPECT_EQ(fake.settings.writes, (std::vector<std::string>{kString, kEnabled, kSaveIt}));
  EXPECT_EQ(fake.settings.values[kString], u"now playing:%s [%l]");
  EXPECT_EQ(fake.settings.values[kEnabled], u"1");
  EXPECT_EQ(fake.settings.values[kSaveIt], u"1");
}

TEST_F(Settings, EnabledSwitchedOffStaysOffAtTheNextStart) {
  fake.settings.values = {{kString, u"%s"}, {kEnabled, u"1"}, {kSaveIt, u"1"}};
  Form_Load(fake.platform, state);
  state.form.Check1 = kUnchecked;
  exit_program();
  ProgramState next;
  Form_Load(fake.platform, next);
  EXPECT_EQ(next.form.Check1, kUnchecked);
  EXPECT_EQ(next.form.Check2, kChecked);
}

TEST_F(Settings, SaveStateUncheckedClearsOnlyItsOwnValue) {
  fake.settings.values = {{kString, u"old"}, {kEnabled, u"1"}, {kSaveIt, u"1"}};
  Form_Load(fake.platform, state);
  state.form.Text4 = u"edited";
  state.form.Check2 = kUnchecked;
  exit_program();
  EXPECT_EQ(fake.settings.writes, std::vector<std::string>{kSaveIt});
  ProgramState next;
  Form_Load(fake.platform, next);
  EXPECT_EQ(next.form.Text4, u"old");
  EXPECT_EQ(next.form.Check1, kChecked);
  EXPECT_EQ(next.form.Check2, kUnchecked);
}

TEST_F(Settings, GrayedSaveStateDoesNotSave) {
  state.form.Check2 = kGrayed;
  exit_program();
  EXPECT_EQ(fake.settings.writes, std::vector<std::string>{kSaveIt});
}

TEST_F(Settings, AnEmptyTemplateRoundTrips) {
  fake.settings.values[kString] = u"old";
  state.form.Check2 = kChecked;
  exit_program();
  ProgramState next;
  Form_Load(fake.platform, next);
  EXPECT_EQ(next.form.Text4, u"");
}

TEST_F(Settings, AFailedWriteIsReportedAndTheRestIsStillWritten) {
  state.form.Check2 = kChecked;
  fake.settings.failing_key = "String";
  exit_program();
  EXPECT_EQ(fake.settings.writes, (std::vector<std::string>{kString, kEnabled, kSaveIt}));
  ASSERT_EQ(fake.form.boxes.size(), 1u);
  EXPECT_EQ(fake.form.boxes[0].prompt, u"The settings could not be saved.");
}

TEST_F(Settings, CloseAndUnloadBothEndThroughTheExitRoutine) {
  state.form.Check2 = kChecked;
  EXPECT_THROW(close_Click(fake.platform, state), fake::ProcessEnded);
  EXPECT_EQ(fake.settings.values[kSaveIt], u"1");
  fake.settings.values.clear();
  EXPECT_THROW(Form_Unload(fake.platform, state), fake::ProcessEnded);
  EXPECT_EQ(fake.settings.values[kSaveIt], u"1");
}

}  // namespace
}  // namespace tunelet
