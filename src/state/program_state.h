// All state of the running program: what the main window holds (its controls
// and three strings), the current song, the notification icon, and the post
// waiting for a busy chat room. The real window keeps its controls in step
// with this object; the logic reads and writes only this.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace tunelet {

// Values of a check box.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kGrayed = 2;

// What the title box holds before the first title has been read.
inline const Text kNoTitleYet = u"Text3";

struct Controls {
  Text Text3 = kNoTitleYet;  // hidden: the last stable now-playing title
  Text Text4;                // the status template
  int Check1 = kUnchecked;   // "Enabled"
  int Check2 = kUnchecked;   // "Save State"
  int Check4 = kUnchecked;   // "CCOM", hidden
  Text last_posted_title;
  Text status_message;
  Text master_operator;
};

// The stored settings that were there at the start but could not be read as
// text: the exit keeps them unless the user changed their control.
struct UnreadableSettings {
  bool template_text = false;
  bool enabled = false;
};

// A post whose text the chat room has not taken yet, tried again while the
// song stays the same.
struct PendingPost {
  Text title;  // the title box when it was composed
  Text message;
  std::uint64_t since = 0;  // first tried, in milliseconds since the system started
};

// Until when each peer, having let a message go unanswered, is left alone.
struct PeerRests {
  std::uint64_t player_until = 0;
  std::uint64_t chat_until = 0;
};

struct ProgramState {
  Controls controls;
  Text current_song;
  TrayRecord tray;
  bool tray_icon = false;  // the notification area holds the icon
  std::optional<PendingPost> pending_post;
  PeerRests rests;
  UnreadableSettings unreadable;
  bool session_ending = false;  // Windows is ending the user's session
};

}  // namespace tunelet
