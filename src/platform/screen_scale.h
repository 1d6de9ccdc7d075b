// The scale a window is laid out at, and the system's metrics (an icon's
// size, a frame's width) at a scale, from what this Windows offers, looked
// up as the program runs: Windows 10 tells each window's scale and each
// metric at any scale; Windows 8.1 tells each monitor's scale, while its
// metrics come at the system's; Windows XP has one scale for all, the
// screen's.
#pragma once

#include <cstdint>

namespace tunelet {

// Dots per inch at 100%.
constexpr int kDefaultDpi = 96;

class ScreenScale {
 public:
  using Window = std::uintptr_t;  // a window, as the system names it

  // What the system offers; a null function is one it lacks. A scale of 0
  // is one it could not tell.
  struct Lookups {
    unsigned (*dpi_for_window)(Window);              // the window's own (Windows 10)
    unsigned (*dpi_for_monitor)(Window);             // its monitor's (Windows 8.1)
    int (*metric_for_dpi)(int index, unsigned dpi);  // a metric at any scale (Windows 10)
    unsigned (*system_dpi)();                        // the screen's, one for all
    int (*metric)(int index);                        // a metric at the screen's scale
  };

  explicit ScreenScale(const Lookups& lookups) : lookups_(lookups) {}

  // The scale the window is shown at: its own, else its monitor's, else the
  // screen's.
  int window_dpi(Window window) const;

  // A metric at a scale: as the system gives it for that scale, else the
  // screen's metric scaled to it.
  int system_metric(int index, int dpi) const;

 private:
  int system_dpi() const;

  Lookups lookups_;
};

}  // namespace tunelet
