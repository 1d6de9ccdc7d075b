// Text as a chat room shows it. The room's input box is an HTML editor: it
// may hand a text back in its own form (wrapped in its own tags, with CR LF
// for a line break, with a blank added), which shows the same words.
#pragma once

#include "platform/platform.h"

namespace tunelet {

// The words the room shows for this HTML: tags dropped, entities ('&amp;',
// '&#39;', '&nbsp;') decoded, each run of blanks and line breaks one blank,
// none at either end.
Text as_the_room_shows(const Text& html);

}  // namespace tunelet
