#include "movement/place_completion.h"

#include <algorithm>
#include <array>
#include <vector>

#include "rules/departure_readiness.h"
#include "world/berths.h"
#include "world/game_state.h"
#include "world/loco_places.h"

namespace wm {

namespace {

Completion completeEntryPoint(GameState& s, LocationId place) {
    const Location& l = s.locations[place];
    const ArrivalIndex arrival = l.occState == occArrival ? l.occupant : 0;
    clearLocation(s, incomingBerth(place));
    clearLocation(s, place);
    if (arrival == 0) return {Completed::passedThrough, place};
    return {Completed::arrivalLeftEntry, place, arrival};
}

/// The engines that take a departure out: the one next to the train at its leaving end, then the one
/// beyond it; a train with none there was pushed out by those at the other end.
std::array<LocoIndex, 2> leavingEngines(const GameState& s, const Departure& d, const Location& berth,
                                        const Location& l) {
    const int lead = leavingEnd(d);
    std::array<LocoIndex, 2> chosen{};
    std::size_t found = 0;
    for (int place : {innerPlace(lead), outerPlace(lead), innerPlace(1 - lead), outerPlace(1 - lead)})
        for (const Location* from : {&berth, &l}) {
            const LocoIndex engine = from->locoAt[place];
            if (found < chosen.size() && isRealEngine(engine) && engine <= s.locoCount &&
                (found == 0 || chosen[0] != engine))
                chosen[found++] = engine;
        }
    return chosen;
}

Completion completeExitPoint(GameState& s, LocationId place) {
    const Location& berth = s.locations[incomingBerth(place)];
    const Location& l = s.locations[place];
    DepartureIndex departure = 0;
    if (berth.occState == occDeparture) departure = berth.occupant;
    if (departure == 0 && l.occState == occDeparture) departure = l.occupant;
    std::vector<LocoIndex> engines;
    for (const Location* from : {&berth, &l})
        for (const StandingEngine& here : enginesAt(*from)) engines.push_back(here.engine);
    const std::array<LocoIndex, 2> took =
        departure != 0 ? leavingEngines(s, s.departures[departure], berth, l) : std::array<LocoIndex, 2>{};
    clearLocation(s, incomingBerth(place));
    clearLocation(s, place);
    if (departure == 0) return {Completed::passedThrough, place};
    s.departures[departure].state = departureGone;
    for (LocoIndex engine : engines) s.locos[engine].where = whereLeftWithDeparture + departure;
    Completion left{Completed::departureLeft, place, 0, departure, took[0]};
    left.engine2 = took[1];
    return left;
}

Completion completeShedRoad(GameState& s, LocationId place, OccState state) {
    Location& l = s.locations[place];
    Location& berth = s.locations[incomingBerth(place)];
    if (state == occPassingThrough) {
        clearLocation(s, incomingBerth(place));
        clearLocation(s, place);
        return {Completed::passedThrough, place};
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
    return {Completed::shedRoadChanged, place};
}

Completion completeSingleEngineSpot(GameState& s, LocationId place, OccState state) {
    Location& l = s.locations[place];
    if (state == occWorkInProgress) {
        const bool turntable = l.kind == kindTurntable;
        if (turntable)
            for (const StandingEngine& here : enginesAt(l))
                s.locos[here.engine].facing = 1 - s.locos[here.engine].facing;
        l.occState = occEmpty;
        return {turntable ? Completed::engineTurned : Completed::workDone, place};
    }
    if (state == occComingIn || state == occEngineComingIn) {
        const EnginesHere engines = enginesAt(s.locations[incomingBerth(place)]);
        clearLocation(s, incomingBerth(place));
        clearLocation(s, place);
        if (engines.empty()) return {Completed::berthMerged, place};
        const LocoIndex engine = engines.front().engine;
        l.locoAt[1] = engine;
        s.locos[engine].where = place;
        return {Completed::engineAtSpot, place, 0, 0, engine};
    }
    mergeIncomingBerth(s, place);
    return {Completed::berthMerged, place};
}

Completion completeTrainPlace(GameState& s, LocationId place, OccState state) {
    Location& l = s.locations[place];
    if (state == occPassingThrough) {
        clearLocation(s, incomingBerth(place));
        clearLocation(s, place);
        return {Completed::passedThrough, place};
    }
    if (state == occWorkInProgress) {
        l.occState = occDeparture;
        return {Completed::workDone, place, 0, l.occupant};
    }
    // What waited in the berth while an engine came or went light may still have time to run.
    const int stillToRun = s.locations[incomingBerth(place)].busyTicks;
    mergeIncomingBerth(s, place);
    const auto resumeCountdown = [&] {
        if (stillToRun <= 0) return;
        l.busyTicks = stillToRun;
        keepContentsInBerth(s, place);
    };
    if (state == occEngineComingIn) {
        // A lone engine that has come in light beside a train closes up to it.
        if (l.occState != occEmpty) closeUpLocos(s, place);
        syncLocoWhere(s, place);
        resumeCountdown();
        return {Completed::enginesPlaced, place};
    }
    if (state == occLeavingLight) resumeCountdown();
    if (state != occComingIn) return {Completed::berthMerged, place};
    return {Completed::trainAtStand, place};
}
} // namespace

Completion completePlace(GameState& s, LocationId place) {
    const OccState state = s.locations[place].occState;
    switch (s.locations[place].kind) {
    case kindEntryPoint:
        return completeEntryPoint(s, place);
    case kindExitPoint:
        return completeExitPoint(s, place);
    case kindShedRoad:
        return completeShedRoad(s, place, state);
    case kindServicePoint:
    case kindTurntable:
        return completeSingleEngineSpot(s, place, state);
    default:
        return completeTrainPlace(s, place, state);
    }
}

void advancePlaces(GameState& s, const CompletionSink& report) {
    for (LocationId place = 1; place <= placeCount; ++place) {
        Location& l = s.locations[place];
        // A coupling's flag is set when it starts; the countdown only keeps the engine from leaving.
        for (std::size_t end = 0; end < 2; ++end) {
            if (l.couplingTicks[end] > 0) --l.couplingTicks[end];
            if (l.enginePairTicks[end] > 0) --l.enginePairTicks[end];
        }
        if (l.busyTicks <= 0) continue;
        if (--l.busyTicks == 0) report(completePlace(s, place));
    }
}

} // namespace wm
