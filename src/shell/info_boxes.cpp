#include "shell/info_boxes.h"

#include <initializer_list>

namespace tunelet {
namespace {

Text join_lines(std::initializer_list<const char16_t*> lines) {
  Text joined;
  for (const char16_t* line : lines) {
    if (!joined.empty()) {
      joined += u"\r\n";
    }
    joined += line;
  }
  return joined;
}

Text help_text() {
  return join_lines({
      u"Variables:              ",
      u"%s = song  ",
      u"%t = time",
      u"%d = date",
      u"%l = track length",
      u"%z = current track no.",
      u"%f = total tracks",
      u"%u = computer uptime",
      u"****************",
      u"If you hide it completely, and want to get it back, press 'Control - A'",
  });
}

Text about_text() {
  return join_lines({
      u"Created by Orsk for:",
      u"http://www.tunelet.example/",
      u"http://www.tunelet.example/templates/",
  });
}

Text ccom_text() {
  return join_lines({
      u"/skip = Skip to next track",
      u"/prev = Play previous track",
      u"/pause = pause track",
      u"/unpause = unpause track",
      u"/play = play track",
      u"/stop = stop current track",
      u"/exit = Close Winamp and Tunelet",
  });
}

}  // namespace

void help_Click(FormRuntime& runtime) {
  runtime.message_box(help_text(), kInformationBox, u"HELP");
}
void about_Click(FormRuntime& runtime) {
  runtime.message_box(about_text(), kInformationBox, u"ABOUT");
}
void CCOM_Click(FormRuntime& runtime) {
  runtime.message_box(ccom_text(), kInformationBox, u"CCOM");
}

}  // namespace tunelet
