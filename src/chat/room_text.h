// Text as a chat room shows it. The room's input box is an HTML editor: it
// may hand a text back in its own form (wrapped in its own tags, with <BR>
// or CR LF for a line break, with named entities such as '&eacute;' and
// '&lt;' for a '<' that was text, with a blank added), which shows the same
// words.
#pragma once

#include "platform/platform.h"

namespace tunelet {

// The words the room shows for this HTML, read as HTML reads it: a '<'
// opens a tag only before a letter, '/', '!' or '?', and the tag goes ('<3'
// and '1 < 2' are text); every entity HTML names, and decimal and hex
// references, stand for their characters; <BR> and <P> break the line. Each
// run of blanks and line breaks is one blank, none at either end. Takes time
// in proportion to the text.
Text as_the_room_shows(const Text& html);

}  // namespace tunelet
