// The attention scan on a Weekday at noon, alone and after a clock tick: every approach line, and every
// place the morning left occupied, rated once per main-loop pass and again after every command cycle.

#include <benchmark/benchmark.h>

#include "busy_day.h"
#include "session/attention_scan.h"

namespace {

using wm::bench::BusyDay;

/// Noon with the morning's trains still about: many departures due or overdue, stock in every yard.
void BM_AttentionScanMidday(benchmark::State& state) {
    BusyDay day;
    for (auto _ : state) {
        wm::AttentionScan(*day.game, true);
        benchmark::DoNotOptimize(day.game->display.alertLevel);
    }
}
BENCHMARK(BM_AttentionScanMidday);

/// A whole pass's work: the tick on the busy state, then the scan of what it left.
void BM_ClockTickAndAttentionScanMidday(benchmark::State& state) {
    BusyDay day;
    day.makeBusy();
    for (auto _ : state) {
        wm::ClockTick(*day.game);
        wm::AttentionScan(*day.game, true);
        benchmark::DoNotOptimize(day.game->display.alertLevel);
    }
}
BENCHMARK(BM_ClockTickAndAttentionScanMidday);

} // namespace
