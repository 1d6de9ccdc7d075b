// One Tunelet a user session, or every song would be announced twice: a
// second start brings the running one back and ends, touching nothing.
#pragma once

#include <windows.h>

namespace tunelet::app {

// Takes the session's mark of a running Tunelet; true when another one
// holds it already.
bool another_tunelet_runs();

// Asks the running Tunelet's window to come back. A Tunelet that is still
// starting has no window yet, and shows itself all the same.
void show_running_tunelet();

// The message a second start posts to the running Tunelet's window.
UINT show_request_message();

}  // namespace tunelet::app
