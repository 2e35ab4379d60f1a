#include "rules/departure_readiness.h"

#include "world/game_state.h"
#include "world/one_of.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {

constexpr int trainDueMinutes = 5;  // trains below the light-engine type
constexpr int otherDueMinutes = 60; // light engines and freight
constexpr int parcelsType = 5;

bool validDeparture(const GameState& state, DepartureIndex departure) {
    return departure >= 1 && departure <= state.departureCount;
}

bool realEngine(const GameState& state, LocoIndex engine) {
    return engine >= 1 && engine != noEngine && engine <= state.locoCount;
}

} // namespace

bool departureRunsDown(const Departure& departure) {
    return departure.line < departure.group;
}

bool arrivalRunsDown(const Arrival& arrival) {
    return arrival.group < arrival.line;
}

int leavingEnd(const Departure& departure) {
    return departureRunsDown(departure) ? lowEnd : highEnd;
}

bool bookedEngineReady(const GameState& state, DepartureIndex departure) {
    if (!validDeparture(state, departure)) return false;
    const LocoIndex engine = state.departures[departure].loco;
    if (!realEngine(state, engine)) return false;
    const Loco& loco = state.locos[engine];
    return loco.condition == conditionAvailable && placeOfWhere(loco.where) != 0;
}

bool engineCanWork(const GameState& state, LocoIndex engine, DepartureIndex departure) {
    if (!realEngine(state, engine) || !validDeparture(state, departure)) return false;
    return powerFor(locoClass(state.locos[engine].classIndex), state.departures[departure].trainType) > 0;
}

bool departureMayLeave(const GameState& s, LocationId place, int departure) {
    if (!isPlace(place) || !isDeparture(s, departure)) return true;
    const Location& l = s.locations[place];
    const Departure& d = s.departures[departure];
    if (l.group != d.group || (d.trainType >= 6 && d.trainType <= 12)) return true;
    if (isOneOf(d.line, {1, 2, 3, 7, 8, 9, 11}) && (place == 95 || (place >= 107 && place <= 110)))
        return false;
    if (d.line >= 20 && d.line <= 23 && isOneOf(place, {94, 98, 99})) return false;
    const ArrivalIndex through = throughArrival(s, departure);
    const bool runningThrough = through != 0 && s.arrivals[through].time == d.time;
    if (runningThrough) return true;
    if (isPassengerTrain(d.trainType) && l.kind != kindPlatform) return false;
    if (d.trainType == parcelsType && l.kind != kindPlatform && !isOneOf(place, {94, 107, 110})) return false;
    return true;
}

bool departureReadyAt(const GameState& state, DepartureIndex departure, LocationId place) {
    if (!validDeparture(state, departure) || place < 1 || place > placeCount) return false;
    const Departure& d = state.departures[departure];
    if (d.state >= departureReady) return true;

    const Location& p = state.locations[place];
    const bool first = p.occState == occDeparture && p.occupant == departure;
    const bool second = p.occState2 == occDeparture && p.occupant2 == departure;
    if (!first && !second) return false;

    const int end = leavingEnd(d);
    if (end == lowEnd) {
        if (!first) return false;
    } else {
        if (p.occState2 == occDeparture && !second) return false;
        if (first && p.occState2 != occEmpty) return false;
    }
    if (isLightEngine(d.trainType)) return true;

    if (!departureMayLeave(state, place, departure)) return false;
    if (d.state == departureGathering) return false;
    if (p.group != d.group) return false;
    if (!isFreightFamily(d.trainType) ? state.clock + trainDueMinutes < d.time
                                      : d.time >= state.clock + otherDueMinutes)
        return false;
    if (p.endFlag[static_cast<std::size_t>(end)] != 0) return true;
    const int other = 1 - end;
    return p.endFlag[static_cast<std::size_t>(other)] != 0 &&
           engineCanWork(state, p.locoAt[static_cast<std::size_t>(innerPlace(other))], departure);
}

bool checkDepartureReady(GameState& state, DepartureIndex departure, LocationId place) {
    if (!validDeparture(state, departure) || state.departures[departure].state > departureFormed)
        return false;
    if (!departureReadyAt(state, departure, place)) return false;
    state.departures[departure].state = departureReady;
    return true;
}

void checkPlaceReady(GameState& state, LocationId place) {
    if (!isPlace(place)) return;
    const Location& l = state.locations[place];
    if (l.occState == occDeparture) checkDepartureReady(state, l.occupant, place);
    if (l.occState2 == occDeparture) checkDepartureReady(state, l.occupant2, place);
}

} // namespace wm
