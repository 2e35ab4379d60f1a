#pragma once
// A Weekday game at noon for the benchmarks, and a way to keep it busy: long countdowns everywhere, so
// that nothing completes while a benchmark runs.

#include <memory>

#include "host/headless/headless_host.h"
#include "session/game.h"
#include "session/main_loop.h"

namespace wm::bench {

struct BusyDay {
    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);

    BusyDay() {
        Game& g = *game;
        g.hasFixedSeed = true;
        g.fixedSeed = 1958;
        ResetGameState(g);
        BuildDayIndependentTables(g);
        g.state.difficulty = 15;
        g.state.dayCode = 5;
        SetUpNewGame(g);
        g.state.clock = 720;
        g.clock.quietTicks = 1 << 30; // no speed-up: it would only change the timer interval
    }

    /// Keeps the state busy: long countdowns that do not complete during the run.
    void makeBusy() {
        GameState& s = game->state;
        for (int i = 1; i <= sectionCount; ++i) s.sectionTimer[i] = 1 << 30;
        s.branchTimer = 1 << 30;
        for (int place = 1; place <= placeCount; place += 3) s.locations[place].busyTicks = 1 << 30;
        // Four engines on each shed road being serviced, the rest out on the line taking water.
        int e = 1;
        for (int road = 41; road <= 46; ++road) {
            s.locations[road].locoAt = {};
            for (int p = 1; p <= 4 && e <= s.locoCount; ++p, ++e) {
                s.locations[road].locoAt[p] = e;
                s.locos[e].where = road;
                s.locos[e].condition = conditionNeedsServicing;
                s.locos[e].workTime = 1 << 30;
            }
        }
        for (; e <= s.locoCount; ++e) {
            s.locos[e].where = whereOnArrival + 1;
            s.locos[e].watering = e % 3 == 0;
            s.locos[e].workTime = 1 << 30;
        }
    }
};

} // namespace wm::bench
