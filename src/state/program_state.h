// All state of the running program: what the main window holds (its controls
// and two strings), the notification icon, the post waiting for a busy chat
// room and the rests of busy peers. The real window keeps its controls in
// step with this object; the logic reads and writes only this.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace tunelet {

// Values of a check box.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kGrayed = 2;

// What the title box holds before the first song has been read.
inline const Text kNoTitleYet = u"Text3";

struct Controls {
  Text Text3 = kNoTitleYet;  // hidden: the song playing, once two reads agreed
  Text Text4;                // the status template
  int Check1 = kUnchecked;   // "Enabled"
  int Check2 = kUnchecked;   // "Save State"
  int Check4 = kUnchecked;   // "CCOM", hidden
  Text last_posted_title;
  Text master_operator;
};

// The stored settings that were there at the start but could not be read as
// text: the exit keeps them unless the user changed their control.
struct UnreadableSettings {
  bool template_text = false;
  bool enabled = false;
};

// A post whose text the chat room has not taken yet, tried again while its
// song stays in the title box.
struct PendingPost {
  Text title;  // the song, as the title box held it when the message was composed
  Text message;
  std::uint64_t since = 0;  // first tried, in milliseconds since the system started
  bool unanswered = false;  // the chat room let the last try go unanswered
};

// Until when each peer, having let a message go unanswered, is left alone.
struct PeerRests {
  std::uint64_t player_until = 0;
  std::uint64_t chat_until = 0;
};

struct ProgramState {
  Controls controls;
  TrayRecord tray_record;
  bool icon_in_tray = false;
  std::optional<PendingPost> pending_post;
  PeerRests rests;
  bool post_in_progress = false;  // a post is waiting for the player or the chat room
  UnreadableSettings unreadable;
  bool session_ending = false;  // Windows is ending the user's session
};

}  // namespace tunelet
