#include "shell/info_boxes.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace tunelet {
namespace {

TEST(InfoBoxes, HelpShowsItsTenLinesWithTheirTrailingBlanks) {
  fake::FakeFormRuntime form;
  help_Click(form);
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_EQ(form.boxes[0].style, kInformationBox);
  EXPECT_EQ(form.boxes[0].title, Text(u"HELP"));
  EXPECT_EQ(form.boxes[0].prompt,
            u"Variables:              \r\n%s = song  \r\n%t = time\r\n%d = date\r\n"
            u"%l = track length\r\n%z = current track no.\r\n%f = total tracks\r\n"
            u"%u = computer uptime\r\n****************\r\n"
            u"If you hide it completely, and want to get it back, press 'Control - A'");
}

TEST(InfoBoxes, AboutAndChatCommandBoxes) {
  fake::FakeFormRuntime form;
  about_Click(form);
  CCOM_Click(form);
  ASSERT_EQ(form.boxes.size(), 2u);
  EXPECT_EQ(form.boxes[0].title, Text(u"ABOUT"));
  EXPECT_EQ(form.boxes[0].prompt.substr(0, 22), u"Created by Orsk for:\r\n");
  EXPECT_EQ(form.boxes[1].title, Text(u"CCOM"));
  EXPECT_EQ(form.boxes[1].prompt,
            u"/skip = Skip to next track\r\n/prev = Play previous track\r\n"
            u"/pause = pause track\r\n/unpause = unpause track\r\n/play = play track\r\n"
            u"/stop = stop current track\r\n/exit = Close Winamp and Tunelet");
}

}  // namespace
}  // namespace tunelet
