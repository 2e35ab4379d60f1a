#include "movement/light_engine_offer.h"

#include <array>

#include "console/time_format.h"
#include "movement/leaving_area.h"
#include "rules/departure_readiness.h"
#include "rules/lateness.h"
#include "rules/score_events.h"
#include "rules/train_words.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/record_checks.h"

namespace wm {

namespace {
constexpr int dueWithinMinutes = 10;
constexpr int noLateAllowance = 999;

/// The group and line by which a place without a group of its own is judged for an offer.
struct PlaceRoute {
    int group = 0;
    int line = 0;
};

PlaceRoute placeRoute(const GameState& s, LocationId place) {
    struct Row {
        LocationId place;
        PlaceRoute route;
    };
    static constexpr std::array<Row, 16> rows{{
        {25, {9, 0}},
        {58, {15, 2}},
        {83, {15, 2}},
        {60, {15, 7}},
        {85, {15, 7}},
        {62, {15, 1}},
        {68, {15, 1}},
        {64, {11, 0}},
        {65, {11, 0}},
        {79, {11, 0}},
        {166, {15, 22}},
        {184, {15, 22}},
        {167, {15, 21}},
        {185, {15, 21}},
        {170, {15, 20}},
        {171, {15, 20}},
    }};
    for (const Row& row : rows)
        if (row.place == place) return row.route;
    return {isPlace(place) ? s.locations[place].group : 0, 0};
}

/// The lines that go out by the exit point.
bool leavesByExit(int line, LocationId exit) {
    switch (exit) {
    case 56:
        return line == 1;
    case 52:
    case 54:
        return line == 2 || line == 3 || line == 7 || line == 8;
    case 180:
        return line == 20;
    case 190:
        return line == 21;
    case 192:
        return line == 22;
    default:
        return false;
    }
}

bool suitsAreaMove(const MoveWorld& w, const Departure& d) {
    const GameState& s = w.state;
    if (d.state >= departureOnWayOut || s.clock < d.time - dueWithinMinutes) return false;
    if (departureRunsDown(d) == w.move.moveUp) return false;
    const PlaceRoute from = placeRoute(s, w.move.moveFrom);
    return routeCodesMatch(d.group, from.group) || routeCodesMatch(d.line, from.line);
}

bool suitsExit(const MoveWorld& w, const Departure& d) {
    const GameState& s = w.state;
    if (d.state == departureGone) return false;
    if (s.clock < d.time - approachTime(d.group, d.line, 8) - dueWithinMinutes) return false;
    return leavesByExit(d.line, w.move.moveTo);
}

DepartureIndex firstCandidate(const MoveWorld& w, bool toExit) {
    const GameState& s = w.state;
    for (int i = 1; i <= s.watchCount && i <= watchListCapacity; ++i) {
        const DepartureIndex candidate = s.watchList[i].departure;
        if (!isDeparture(s, candidate)) continue;
        const Departure& d = s.departures[candidate];
        if (toExit ? suitsExit(w, d) : suitsAreaMove(w, d)) return candidate;
    }
    return 0;
}

int allowanceOf(const Loco& engine) {
    return engine.lateAllowance == noLateAllowance ? 0 : engine.lateAllowance;
}
} // namespace

DepartureIndex offerLightEngine(MoveWorld& w) {
    GameState& s = w.state;
    const MoveContext& move = w.move;
    if (!isRealEngine(move.moveEngine) || move.moveEngine > s.locoCount) return 0;
    const bool toExit = isPlace(move.moveTo) && s.locations[move.moveTo].kind == kindExitPoint;
    if (!toExit && !leavesArea(s, move.moveFrom, move.moveTo)) return 0;
    const DepartureIndex offered = firstCandidate(w, toExit);
    if (offered == 0) return 0;
    Departure& d = s.departures[offered];
    Loco& engine = s.locos[move.moveEngine];
    if (!w.services.askYesNo("Do you want to send " + engine.number.str() + " on " + trainWords(d) + "?"))
        return 0;
    const bool secondGoes = isRealEngine(move.secondEngine) && move.secondEngine <= s.locoCount;
    const bool assigned = !isRealEngine(d.loco2) || secondGoes;
    if (!assigned) {
        LoseBonusPoints(w.console, 1, "failing to provide pilot when required");
    } else {
        if (countedDelay(s.clock - d.time - allowanceOf(engine), s.difficulty) < 1)
            GainBonusPoints(w.console, 2, "prompt despatch of light engine on " + trainWords(d));
        d.loco = move.moveEngine;
        if (secondGoes) d.loco2 = move.secondEngine;
        d.state = departureOnWayOut;
    }
    engine.lateAllowance = noLateAllowance;
    if (secondGoes) s.locos[move.secondEngine].lateAllowance = noLateAllowance;
    return assigned ? offered : 0;
}

void sendOffUnscheduled(MoveWorld& w) {
    GameState& s = w.state;
    const MoveContext& move = w.move;
    for (LocoIndex engine : {move.moveEngine, move.secondEngine})
        if (isRealEngine(engine) && engine <= s.locoCount) s.locos[engine].where = 0;
    if (!isRealEngine(move.moveEngine) || move.moveEngine > s.locoCount) return;
    const int condition = s.locos[move.moveEngine].condition;
    if (condition > 0) LoseBonusPoints(w.console, 5 * condition, "despatching unserviceable loco.");
    LoseBonusPoints(w.console, 1, "sending unscheduled light engine");
}

} // namespace wm
