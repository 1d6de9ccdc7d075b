// A figure, not a test: how long the room's reading of a full input box
// takes, for the texts that would make a careless reading slow (a reference
// or a tag opened at every character, never closed).
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "chat/room_text.h"

int main() {
  using tunelet::Text;
  constexpr std::size_t kFullBox = 1 << 16;
  const Text patterns[] = {u"&", u"<", u"&#", u"<a", u"&amp", u"a &#x1F600;<b>"};
  double slowest = 0;
  for (const Text& pattern : patterns) {
    Text box;
    while (box.size() + pattern.size() <= kFullBox) {
      box += pattern;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::size_t shown = tunelet::as_the_room_shows(box).size();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    slowest = std::max(slowest, took.count());
    std::printf("  '%s' repeated: %.2f ms (%zu characters shown)\n",
                std::string(pattern.begin(), pattern.end()).c_str(), took.count(), shown);
  }
  std::printf(
      "figure: the room's reading of a full input box (%zu characters) took %.2f ms at most\n",
      kFullBox, slowest);
  return 0;
}
