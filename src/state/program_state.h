// All state of the running program: what the main window holds (its controls
// and two strings), the notification icon, the post on its way to the chat
// room and the rests of busy peers. The real window keeps its controls in
// step with this object; the logic reads and writes only this.
#pragma once

#include <optional>
#include <vector>

#include "platform/platform.h"

namespace tunelet {

// Values of a check box.
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
constexpr int kGrayed = 2;

// What the title box holds before the first song has been read.
inline const Text kNoSongYet = u"Text3";

struct Controls {
  Text Text3 = kNoSongYet;  // hidden: the song playing, once two polls in a row named it
  Text Text4;               // the status template
  int Check1 = kUnchecked;  // "Enabled"
  int Check2 = kUnchecked;  // "Save State"
  int Check4 = kUnchecked;  // "CCOM", hidden
};

// The stored settings that were there at the start but could not be read as
// text: the exit keeps them unless the user changed their control.
struct UnreadableSettings {
  bool template_text = false;
  bool enabled = false;
};

// What the player answered about the song playing: the track's length in
// seconds (-1: none), the playlist position (as the player counts, from 0)
// and the playlist's length; nothing for a question not answered yet.
struct PlayerFigures {
  std::optional<std::int32_t> track_seconds;
  std::optional<std::int32_t> position;
  std::optional<std::int32_t> count;
};

// The post of the title box's song, from the player's first answer until
// the chat room has it or it is given up.
struct PendingPost {
  Text song;
  PlayerFigures figures;
  std::uint64_t first_asked = 0;  // the player, in milliseconds since the system started
  std::optional<Text> message;    // composed once the figures are in, or waited for long enough
  std::uint64_t composed_at = 0;
  // The room let the text go: it lands late, or was cancelled while still queued.
  bool text_let_go = false;
  std::uint64_t let_go_at = 0;  // when it was last let go
};

// A window of the player's class, the song its title named at the last look
// (nothing: none), and whether it said it does not play while its title
// named that song.
struct PlayerWindow {
  WindowHandle window = kNoWindow;
  std::optional<Text> song;
  bool silent = false;
};

// The windows of the player's class as they were last looked at, and the one
// taken for the player: the one the user plays. Windows that are gone are
// forgotten.
struct PlayerWindows {
  WindowHandle player = kNoWindow;
  std::vector<PlayerWindow> seen;
};

// The song the title poll read, and when the run of polls naming it began.
struct TitlePoll {
  std::optional<Text> song;
  std::uint64_t since = 0;  // in milliseconds since the system started
};

// Until when each peer, having let a message go unanswered, is left alone.
struct PeerRests {
  std::uint64_t player_until = 0;
  std::uint64_t chat_until = 0;
};

struct ProgramState {
  Controls controls;
  Text last_posted_song;
  Text master_operator;
  PlayerWindows player_windows;
  TitlePoll title_poll;
  TrayRecord tray_record;
  bool icon_in_tray = false;
  std::optional<PendingPost> pending_post;
  PeerRests rests;
  bool waiting_for_peer = false;  // a message to the player or the chat room waits for its answer
  UnreadableSettings unreadable;
  bool session_ending = false;  // Windows is ending the user's session
};

}  // namespace tunelet
