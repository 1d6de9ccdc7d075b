#include "platform/screen_scale.h"

#include <initializer_list>

namespace tunelet {

int ScreenScale::system_dpi() const {
  const unsigned dpi = lookups_.system_dpi();
  return dpi != 0 ? static_cast<int>(dpi) : kDefaultDpi;
}

int ScreenScale::window_dpi(Window window) const {
  for (unsigned (*const dpi_of)(Window) : {lookups_.dpi_for_window, lookups_.dpi_for_monitor}) {
    const unsigned dpi = dpi_of != nullptr ? dpi_of(window) : 0;
    if (dpi != 0) {
      return static_cast<int>(dpi);
    }
  }
  return system_dpi();
}

int ScreenScale::system_metric(int index, int dpi) const {
  if (lookups_.metric_for_dpi != nullptr) {
    return lookups_.metric_for_dpi(index, static_cast<unsigned>(dpi));
  }
  const int at_system_dpi = lookups_.metric(index);
  const int scale = system_dpi();
  return (at_system_dpi * dpi + scale / 2) / scale;
}

}  // namespace tunelet
