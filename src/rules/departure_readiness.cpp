#include "rules/departure_readiness.h"

#include "world/game_state.h"
#include "world/reference_tables.h"

namespace wm {

namespace {

constexpr int trainDueMinutes = 5;  // trains below the light-engine type
constexpr int otherDueMinutes = 60; // light engines and freight

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

} // namespace wm
