// One clock tick on a busy mid-day Weekday: every route section locked, moves and waits counting down at
// the platforms and yards, engines being watered, coaled and serviced.

#include <benchmark/benchmark.h>

#include "busy_day.h"

namespace {

using wm::bench::BusyDay;

void BM_ClockTickBusyMidday(benchmark::State& state) {
    BusyDay day;
    day.makeBusy();
    for (auto _ : state) {
        wm::ClockTick(*day.game);
        benchmark::DoNotOptimize(day.game->state.clock);
    }
}
BENCHMARK(BM_ClockTickBusyMidday);

} // namespace
