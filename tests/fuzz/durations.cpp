// Durations: every count of milliseconds from 0 up reads back from its
// components, each in its range; no style but 0 to 3 gives any text. Every
// track length from 0 up reads back from its minutes and its two digits of
// seconds.
#include <cstdio>

#include "fuzz_input.h"
#include "status/duration_format.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int64_t milliseconds = 0;
  std::int32_t seconds = 0;
  std::memcpy(&milliseconds, data, std::min(size, sizeof milliseconds));
  std::memcpy(&seconds, data + std::min(size, sizeof milliseconds),
              std::min(size - std::min(size, sizeof milliseconds), sizeof seconds));
  const Text duration = format_duration(milliseconds, 2),
             track = format_track_length(seconds, u":");
  long long d = -1, h = -1, m = -1, s = -1, ms = -1;
  int minutes = -1, rest = -1, digits = 0;
  std::sscanf(std::string(duration.begin(), duration.end()).c_str(), "%lld:%lld:%lld:%lld:%lld", &d,
              &h, &m, &s, &ms);
  std::sscanf(std::string(track.begin(), track.end()).c_str(), "%d:%n%d", &minutes, &digits, &rest);
  fuzz::require(milliseconds < 0 ||
                (h >= 0 && h < 24 && m >= 0 && m < 60 && s >= 0 && s < 60 && ms >= 0 && ms < 1000 &&
                 (((d * 24 + h) * 60 + m) * 60 + s) * 1000 + ms == milliseconds));
  fuzz::require(format_duration(milliseconds, 4 + (seconds & 0xFFFF)).empty() &&
                format_duration(milliseconds, -1 - (seconds & 0xFFFF)).empty());
  fuzz::require(seconds < 0 ? track.empty()
                            : digits >= 3 && track.size() == std::size_t(digits) + 2 && rest < 60 &&
                                  minutes * 60 + rest == seconds);
  return 0;
}
