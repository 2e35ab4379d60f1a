// A routed move started, and the clock ticking while twenty moves are under way.

#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>

#include "console/console.h"
#include "host/headless/headless_host.h"
#include "movement/route_move.h"
#include "movement/section_ops.h"
#include "session/game.h"
#include "session/main_loop.h"
#include "world/game_state.h"
#include "world/location_table.h"

namespace {

struct QuietServices : wm::GameServices {
    int rand(int) override { return 0; }
    void error(std::string_view) override {}
    void notice(std::string_view) override {}
    void bonus(std::string_view) override {}
    bool askYesNo(std::string_view) override { return true; }
    void cue(int) override {}
};

void standLightEngine(wm::GameState& s, wm::LocoIndex engine, wm::LocationId place, int p) {
    if (s.locoCount < engine) s.locoCount = engine;
    s.locations[place].locoAt[p] = engine;
    s.locos[engine].where = place;
    s.locos[engine].number = std::to_string(44000 + engine);
    s.locos[engine].lateAllowance = 999;
}

int facingPlace(const wm::Location& l, wm::LocationId from, wm::LocationId to) {
    if (l.kind == wm::kindShedRoad || l.kind == wm::kindServicePoint || l.kind == wm::kindTurntable) return 1;
    return to > from ? 3 : 2;
}

wm::MoveContext lightMove(wm::LocoIndex engine, wm::LocationId from, wm::LocationId to, int p) {
    wm::MoveContext m;
    m.moveFrom = from;
    m.moveTo = to;
    m.placePicked = p;
    m.moveEngine = engine;
    m.moveUp = to > from;
    return m;
}

// 30 -> 104 runs through 38 and 101: three legs.
void BM_RouteMoveThreeLegs(benchmark::State& state) {
    wm::HeadlessHost host;
    auto pristine = std::make_unique<wm::GameState>();
    wm::buildLocationTable(*pristine);
    pristine->clock = 600;
    standLightEngine(*pristine, 1, 30, 1);
    auto s = std::make_unique<wm::GameState>();
    wm::Console console{host, *s};
    QuietServices services;
    wm::MoveContext move;
    wm::MoveWorld world{*s, services, console, move, 3};
    const wm::RouteTable& table = wm::RouteTable::standard();
    if (table.routes(30, 104).empty() || table.routes(30, 104).front().legs.size() != 3) {
        state.SkipWithError("30 -> 104 is not a three-leg route");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        *s = *pristine;
        move = lightMove(1, 30, 104, 1);
        state.ResumeTiming();
        wm::routeMove(world, 30, 104, table);
        benchmark::DoNotOptimize(s->sectionTimer.data());
    }
}
BENCHMARK(BM_RouteMoveThreeLegs);

// A mid-day Weekday with twenty light engines on their way over routes that share no section.
void BM_ClockTickTwentyMoves(benchmark::State& state) {
    wm::HeadlessHost host;
    auto game = std::make_unique<wm::Game>(host);
    wm::Game& g = *game;
    g.hasFixedSeed = true;
    g.fixedSeed = 1958;
    wm::ResetGameState(g);
    wm::BuildDayIndependentTables(g);
    g.state.dayCode = 5;
    wm::SetUpNewGame(g);
    g.state.clock = 720;
    g.clock.quietTicks = 1 << 30;
    wm::GameState& s = g.state;
    int started = 0;
    wm::LocoIndex engine = s.locoCount;
    for (const auto& [pair, routes] : wm::RouteTable::standard().entries()) {
        if (started == 20 || engine + 1 >= wm::locoCapacity) break;
        const auto [from, to] = pair;
        wm::Location& l = s.locations[from];
        if (l.kind == wm::kindEntryPoint || l.busyTicks > 0 || l.occState != wm::occEmpty ||
            !wm::locationClear(s, from) || !wm::locationClear(s, to))
            continue;
        if (!wm::routeUsable(s, routes.front())) continue;
        const int p = facingPlace(l, from, to);
        standLightEngine(s, ++engine, from, p);
        g.move = lightMove(engine, from, to, p);
        wm::MoveWorld world{s, g.services, g.console, g.move, g.clock.tickPhase};
        wm::routeMove(world, from, to);
        ++started;
    }
    if (started < 20) {
        state.SkipWithError("fewer than twenty routes could start");
        return;
    }
    const auto pristine = std::make_unique<wm::GameState>(s);
    for (auto _ : state) {
        state.PauseTiming();
        s = *pristine;
        state.ResumeTiming();
        wm::ClockTick(g);
        benchmark::DoNotOptimize(s.clock);
    }
}
BENCHMARK(BM_ClockTickTwentyMoves);

} // namespace
