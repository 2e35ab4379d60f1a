#include "session/completions.h"

#include <algorithm>
#include <string>
#include <vector>

#include "rules/arriving_engines.h"
#include "rules/engine_servicing.h"
#include "session/approach_queues.h"
#include "session/game.h"
#include "session/main_loop.h"
#include "world/berths.h"
#include "world/loco_places.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/service_places.h"
#include "world/ticks.h"

namespace wm {

namespace {
// Transient occupancy states of moves and work.

void completeEntryPoint(Game& g, LocationId place) {
    GameState& s = g.state;
    const Location& l = s.locations[place];
    const ArrivalIndex arrival = l.occState == occArrival ? l.occupant : 0;
    clearLocation(s, incomingBerth(place));
    clearLocation(s, place);
    if (arrival == 0) return;
    const Arrival& a = s.arrivals[arrival];
    const int line = a.line;
    if (line < 1 || line > lineCapacity) return;
    const bool freight = isFreightFamily(a.trainType);
    if (freight)
        advanceFreightQueue(g, line);
    else
        advancePassengerQueue(g, line);
    prepareNextArrival(g, line, freight);
    chooseNextArrival(g, line);
    s.lines[line].waitCount = 0;
    if (s.lines[line].chosenArrival == arrival) g.console.ShowNotice("Duplicate arrival");
    for (LocoIndex engine : {a.loco, a.loco2})
        if (isRealEngine(engine)) s.locos[engine].lateAllowance = a.late;
}

void completeExitPoint(Game& g, LocationId place) {
    GameState& s = g.state;
    const Location& berth = s.locations[incomingBerth(place)];
    const Location& l = s.locations[place];
    DepartureIndex departure = 0;
    if (berth.occState == occDeparture) departure = berth.occupant;
    if (departure == 0 && l.occState == occDeparture) departure = l.occupant;
    std::vector<LocoIndex> engines;
    for (const Location* from : {&berth, &l})
        for (const StandingEngine& here : enginesAt(*from)) engines.push_back(here.engine);
    clearLocation(s, incomingBerth(place));
    clearLocation(s, place);
    if (departure == 0) return;
    Departure& d = s.departures[departure];
    d.state = departureGone;
    for (LocoIndex engine : engines) s.locos[engine].where = whereLeftWithDeparture + departure;
    const int minutesLate = s.clock - d.time;
    const auto book = [&](LocoIndex engine, ArrivalIndex arrival) {
        if (!isRealEngine(engine) || arrival == 0) return;
        if (!bookReturningEngine(s, engine, arrival, minutesLate, [&g](int n) { return g.rand(n); })) return;
        const int line = s.arrivals[arrival].line;
        if (s.locations[s.lines[line].entryPlace].busyTicks == 0) chooseNextArrival(g, line);
    };
    book(d.loco, d.returnArrival);
    book(d.loco2, d.returnArrival2);
}

void completeShedRoad(Game& g, LocationId place, OccState state) {
    GameState& s = g.state;
    Location& l = s.locations[place];
    Location& berth = s.locations[incomingBerth(place)];
    if (state == occPassingThrough) {
        clearLocation(s, incomingBerth(place));
        clearLocation(s, place);
        return;
    }
    std::vector<LocoIndex> standing;
    for (const StandingEngine& here : enginesAt(l))
        if (s.locos[here.engine].where == place) standing.push_back(here.engine);
    std::vector<LocoIndex> road;
    if (state == occEngineComingIn) {
        std::vector<LocoIndex> arriving;
        for (const StandingEngine& here : enginesAt(berth))
            if (s.locos[here.engine].where != place) arriving.push_back(here.engine);
        // An engine entering at the low end pushes the others up the road.
        const bool atLowEnd = berth.locoAt[1] != 0 && s.locos[berth.locoAt[1]].where != place;
        if (atLowEnd) road = arriving;
        for (LocoIndex engine : standing)
            if (std::find(road.begin(), road.end(), engine) == road.end()) road.push_back(engine);
        if (!atLowEnd)
            for (LocoIndex engine : arriving)
                if (std::find(road.begin(), road.end(), engine) == road.end()) road.push_back(engine);
    } else {
        road = standing; // the engine that left no longer stands here
    }
    clearLocation(s, incomingBerth(place));
    clearLocation(s, place);
    for (std::size_t i = 0; i < road.size() && i < 4; ++i) {
        l.locoAt[static_cast<int>(i) + 1] = road[i];
        s.locos[road[i]].where = place;
    }
}

void completeSingleEngineSpot(Game& g, LocationId place, OccState state) {
    GameState& s = g.state;
    Location& l = s.locations[place];
    if (state == occWorkInProgress) {
        if (l.kind == kindTurntable)
            for (const StandingEngine& here : enginesAt(l))
                s.locos[here.engine].facing = 1 - s.locos[here.engine].facing;
        l.occState = occEmpty;
        return;
    }
    if (state == occComingIn || state == occEngineComingIn) {
        const EnginesHere engines = enginesAt(s.locations[incomingBerth(place)]);
        clearLocation(s, incomingBerth(place));
        clearLocation(s, place);
        if (engines.empty()) return;
        const LocoIndex engine = engines.front().engine;
        l.locoAt[1] = engine;
        s.locos[engine].where = place;
        if (place == coalingPoint) startCoaling(s, engine, g.services);
        return;
    }
    mergeIncomingBerth(s, place);
}

/// A lone engine that has come in light beside a train closes up to it.
void closeUpToTrain(GameState& s, LocationId place) {
    Location& l = s.locations[place];
    if (l.occState == occEmpty) return;
    if (l.locoAt[1] != 0 && l.locoAt[2] == 0) {
        l.locoAt[2] = l.locoAt[1];
        l.locoAt[1] = 0;
    }
    if (l.locoAt[4] != 0 && l.locoAt[3] == 0) {
        l.locoAt[3] = l.locoAt[4];
        l.locoAt[4] = 0;
    }
}

void completeTrainPlace(Game& g, LocationId place, OccState state) {
    GameState& s = g.state;
    Location& l = s.locations[place];
    if (state == occPassingThrough) {
        clearLocation(s, incomingBerth(place));
        clearLocation(s, place);
        return;
    }
    if (state == occWorkInProgress) {
        l.occState = occDeparture;
        return;
    }
    mergeIncomingBerth(s, place);
    if (state == occEngineComingIn) {
        closeUpToTrain(s, place);
        syncLocoWhere(s, place);
        return;
    }
    if (state != occComingIn) return;
    ResetSpeedUp(g);
    if (l.occState == occDeparture && l.occupant > 0) s.departures[l.occupant].location = place;
    if (l.occState != occArrival || l.occupant <= 0) return;
    const Arrival& a = s.arrivals[l.occupant];
    if (a.group == l.group) {
        const DepartureIndex through = throughDeparture(s, l.occupant);
        if (through != 0 &&
            (s.departures[through].time == a.time || isLightEngine(s.departures[through].trainType))) {
            l.occState = occDeparture;
            l.occupant = through;
            s.departures[through].state = departureReady;
            s.departures[through].location = place;
            return;
        }
    }
    // Passengers need time to get off before the stock is released.
    int waitTicks = 1;
    if (a.group == 1) {
        switch (a.trainType) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 6:
            waitTicks = ticksPerMinute * (5 + g.rand(10));
            break;
        case 4:
            waitTicks = ticksPerMinute * 2;
            break;
        case 5:
            waitTicks = ticksPerMinute * (15 + g.rand(10));
            break;
        default:
            break;
        }
    }
    l.busyTicks = waitTicks;
    // Once the wait is over the place holds what it holds now.
    keepContentsInBerth(s, place);
}
} // namespace

void completePlace(Game& g, LocationId place) {
    GameState& s = g.state;
    const OccState state = s.locations[place].occState;
    switch (s.locations[place].kind) {
    case kindEntryPoint:
        completeEntryPoint(g, place);
        break;
    case kindExitPoint:
        completeExitPoint(g, place);
        break;
    case kindShedRoad:
        completeShedRoad(g, place, state);
        break;
    case kindServicePoint:
    case kindTurntable:
        completeSingleEngineSpot(g, place, state);
        break;
    default:
        completeTrainPlace(g, place, state);
        break;
    }
}

void advancePlaces(Game& g) {
    GameState& s = g.state;
    for (LocationId place = 1; place <= placeCount; ++place) {
        Location& l = s.locations[place];
        // A coupling's flag is set when it starts; the countdown only keeps the engine from leaving.
        for (std::size_t end = 0; end < 2; ++end) {
            if (l.couplingTicks[end] > 0) --l.couplingTicks[end];
            if (l.enginePairTicks[end] > 0) --l.enginePairTicks[end];
        }
        if (l.busyTicks <= 0) continue;
        if (--l.busyTicks == 0) completePlace(g, place);
    }
}

} // namespace wm
