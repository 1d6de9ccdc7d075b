// The help, about and chat-command boxes of the "Opts" menu.
#pragma once

#include "platform/platform.h"

namespace tunelet {

// Each box shows its lines joined by CR LF, none after the last.
void help_Click(FormRuntime& runtime);
void about_Click(FormRuntime& runtime);
void CCOM_Click(FormRuntime& runtime);

}  // namespace tunelet
