// How much the timers cost: the posting cycle's tick when nothing changed
// (three times a second for the whole run), the title poll, and a post.
// Prints figures; asserts nothing.
#include <benchmark/benchmark.h>

#include "fake_peers.h"
#include "player/title_reader.h"
#include "status/status_composer.h"

namespace tunelet {
namespace {

struct Setup {
  fake::FakePlatform fake;
  fake::FakePlayer player{u"12. Artist - A Song With A Fairly Ordinary Title - Winamp", 225, 11,
                          40};
  ProgramState state;

  Setup() {
    add_player(fake.windows, player);
    add_chat_room(fake.windows);
    state.form.Check1 = kChecked;
    state.form.Text4 = u"now playing:%s [%l] (%z/%f) up %u at %t on %d";
  }
};

void idle_posting_tick(benchmark::State& run) {
  Setup setup;
  Timer2_Timer(setup.fake.windows, setup.state);
  Timer1_Timer(setup.fake.platform, setup.state);
  for (auto _ : run) {
    Timer1_Timer(setup.fake.platform, setup.state);
  }
}
BENCHMARK(idle_posting_tick);

void title_poll_tick(benchmark::State& run) {
  Setup setup;
  for (auto _ : run) {
    Timer2_Timer(setup.fake.windows, setup.state);
  }
}
BENCHMARK(title_poll_tick);

void post_of_a_new_song(benchmark::State& run) {
  Setup setup;
  Timer2_Timer(setup.fake.windows, setup.state);
  for (auto _ : run) {
    setup.state.form.last_posted_title.clear();
    Timer1_Timer(setup.fake.platform, setup.state);
    setup.fake.windows.log.clear();
  }
}
BENCHMARK(post_of_a_new_song);

void read_a_64_kib_title(benchmark::State& run) {
  Setup setup;
  setup.player.title = u"1. " + Text(65536, u'x') + u" - Winamp";
  for (auto _ : run) {
    benchmark::DoNotOptimize(read_title(setup.fake.windows));
  }
}
BENCHMARK(read_a_64_kib_title);

}  // namespace
}  // namespace tunelet

BENCHMARK_MAIN();
