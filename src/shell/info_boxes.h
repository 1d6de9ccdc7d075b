// The help, about and chat-command boxes of the "Opts" menu.
#pragma once

#include "platform/platform.h"

namespace tunelet {

// The lines of each box joined by CR LF, none after the last.
Text help_text();
Text about_text();
Text ccom_text();

void help_Click(FormRuntime& runtime);
void about_Click(FormRuntime& runtime);
void CCOM_Click(FormRuntime& runtime);

}  // namespace tunelet
