// The JPEG picture behind the main window, decoded once from the resources.
#pragma once

#include <windows.h>

namespace tunelet::app {

// A bitmap of the picture, or nullptr when it cannot be decoded.
HBITMAP load_background_picture(HINSTANCE instance, int resource_id);

}  // namespace tunelet::app
