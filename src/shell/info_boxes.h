// The help, about and chat-command boxes of the "Opts" menu.
#pragma once

#include "platform/platform.h"

namespace tunelet {

// The lines of each box joined by CR LF, none after the last.
Text help_text();
Text about_text();
Text ccom_text();

void help_Click(FormRuntime& form);
void about_Click(FormRuntime& form);
void CCOM_Click(FormRuntime& form);

}  // namespace tunelet
