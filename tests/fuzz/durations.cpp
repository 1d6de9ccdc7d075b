// Durations: every count of milliseconds from 0 up reads back from its
// components, each in its range; a track's length reads back from its
// minutes and seconds; no other style and no negative length gives text.
#include <cstdio>
#include <limits>

#include "fuzz_input.h"
#include "status/duration_format.h"

using namespace tunelet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::int64_t milliseconds = 0;
  std::int32_t numbers[2] = {};  // a style, a track's length in seconds
  std::memcpy(&milliseconds, data, std::min(size, sizeof milliseconds));
  if (size > sizeof milliseconds) {
    std::memcpy(numbers, data + sizeof milliseconds,
                std::min(size - sizeof milliseconds, sizeof numbers));
  }
  const Text text = format_duration(milliseconds, 2);
  const std::string narrow(text.begin(), text.end());
  long long d = 0, h = 0, m = 0, s = 0, ms = 0;
  fuzz::require(std::sscanf(narrow.c_str(), "%lld:%lld:%lld:%lld:%lld", &d, &h, &m, &s, &ms) == 5);
  if (milliseconds >= 0) {
    fuzz::require(h < 24 && m < 60 && s < 60 && ms < 1000 && h >= 0 && m >= 0 && s >= 0 &&
                  ms >= 0 && (((d * 24 + h) * 60 + m) * 60 + s) * 1000 + ms == milliseconds);
  }
  fuzz::require(format_duration(milliseconds, numbers[0]).empty() ==
                (numbers[0] < 0 || numbers[0] > 3));

  const Text track = format_track_length(numbers[1], u":");
  int minutes = -1, seconds = -1;
  const std::string digits(track.begin(), track.end());
  fuzz::require(numbers[1] < 0
                    ? track.empty()
                    : std::sscanf(digits.c_str(), "%d:%d", &minutes, &seconds) == 2 &&
                          digits.find(':') >= 2 && digits.size() - digits.find(':') == 3 &&
                          seconds < 60 && minutes * 60 + seconds == numbers[1]);
  return 0;
}
