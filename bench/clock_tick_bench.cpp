// One clock tick on a busy mid-day Weekday: every route section locked, moves and waits counting down at
// the platforms and yards, engines being watered, coaled and serviced.

#include <benchmark/benchmark.h>

#include <memory>

#include "host/headless/headless_host.h"
#include "session/game.h"
#include "session/main_loop.h"

namespace {

struct BusyDay {
    wm::HeadlessHost host;
    std::unique_ptr<wm::Game> game = std::make_unique<wm::Game>(host);

    BusyDay() {
        wm::Game& g = *game;
        g.hasFixedSeed = true;
        g.fixedSeed = 1958;
        wm::ResetGameState(g);
        wm::BuildDayIndependentTables(g);
        g.state.difficulty = 15;
        g.state.dayCode = 5;
        wm::SetUpNewGame(g);
        g.state.clock = 720;
        g.clock.quietTicks = 1 << 30; // no speed-up: it would only change the timer interval
    }

    /// Keeps the state busy: long countdowns that do not complete during the run.
    void makeBusy() {
        wm::GameState& s = game->state;
        for (int i = 1; i <= wm::sectionCount; ++i) s.sectionTimer[i] = 1 << 30;
        s.branchTimer = 1 << 30;
        for (int place = 1; place <= wm::placeCount; place += 3) s.locations[place].busyTicks = 1 << 30;
        // Four engines on each shed road being serviced, the rest out on the line taking water.
        int e = 1;
        for (int road = 41; road <= 46; ++road) {
            s.locations[road].locoAt = {};
            for (int p = 1; p <= 4 && e <= s.locoCount; ++p, ++e) {
                s.locations[road].locoAt[p] = e;
                s.locos[e].where = road;
                s.locos[e].condition = wm::conditionNeedsServicing;
                s.locos[e].workTime = 1 << 30;
            }
        }
        for (; e <= s.locoCount; ++e) {
            s.locos[e].where = wm::whereOnArrival + 1;
            s.locos[e].watering = e % 3 == 0;
            s.locos[e].workTime = 1 << 30;
        }
    }
};

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
