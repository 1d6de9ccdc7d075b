#include "status/duration_format.h"

namespace tunelet {

Text format_duration(std::int64_t milliseconds, int style) {
  const std::int64_t milliseconds_part = milliseconds % 1000;
  std::int64_t s = milliseconds / 1000;
  const std::int64_t days = s / 86400;
  if (days > 0) {
    s -= days * 86400;
  }
  const std::int64_t hours = s / 3600;
  if (hours > 0) {
    s -= hours * 3600;
  }
  const std::int64_t minutes = s / 60;
  const std::int64_t seconds = s % 60;

  const Text d = decimal(days);
  const Text h = decimal(hours);
  const Text m = decimal(minutes);
  switch (style) {
    case 0:
      return d + u"d, " + h + u"h, " + m + u"m, " + decimal(seconds) + u" seconds, " +
             decimal(milliseconds_part) + u" milliseconds";
    case 1:
      return d + u"d, " + h + u"h, " + m + u"m, " + decimal(seconds) + u"s";
    case 2:
      return d + u":" + h + u":" + m + u":" + decimal(seconds) + u":" + decimal(milliseconds_part);
    case 3:
      return d + u"d, " + h + u"h, " + m + u"m";
    default:
      return Text();
  }
}

Text format_track_length(std::int32_t seconds, const Text& separator) {
  if (seconds < 0) {
    return Text();
  }
  const std::int32_t minutes = seconds / 60;
  return two_digits(minutes) + separator + two_digits(seconds - minutes * 60);
}

}  // namespace tunelet
