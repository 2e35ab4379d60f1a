#include "world/rakes.h"

#include "world/game_state.h"

namespace wm {

namespace {

// Walks stop after this many steps, so that links damaged into a loop cannot hang the game.
constexpr int longestChain = portionCapacity;

} // namespace

int rakeLength(const GameState& state, PortionIndex portion) {
    int length = 0;
    for (PortionIndex p = portion; p != 0 && length < longestChain; p = state.portions[p].next) ++length;
    return length;
}

PortionIndex rakeTail(const GameState& state, PortionIndex portion) {
    PortionIndex tail = portion;
    for (int steps = 0; tail != 0 && state.portions[tail].next != 0 && steps < longestChain; ++steps)
        tail = state.portions[tail].next;
    return tail;
}

bool rakeFullyCoupled(const GameState& state, PortionIndex portion) {
    int steps = 0;
    for (PortionIndex p = portion; p != 0 && steps < longestChain; p = state.portions[p].next, ++steps)
        if (state.portions[p].next != 0 && !state.portions[p].coupledToNext) return false;
    return true;
}

bool allReady(const GameState& state, DepartureIndex departure) {
    int steps = 0;
    for (PortionIndex p = state.departures[departure].firstPortion; p != 0 && steps < longestChain;
         p = state.portions[p].depNext, ++steps)
        if (state.portions[p].portionState <= portionBeingWorked) return false;
    return true;
}

int departureListLength(const GameState& state, DepartureIndex departure) {
    int length = 0;
    for (PortionIndex p = state.departures[departure].firstPortion; p != 0 && length < longestChain;
         p = state.portions[p].depNext)
        ++length;
    return length;
}

void setRakeLocation(GameState& state, PortionIndex portion, LocationId location) {
    int steps = 0;
    for (PortionIndex p = portion; p != 0 && steps < longestChain; p = state.portions[p].next, ++steps)
        state.portions[p].location = location;
}

PortionIndex appendPortion(GameState& state, PortionIndex rakeHead, PortionIndex portion,
                           bool coupleToPrevious) {
    Portion& added = state.portions[portion];
    added.next = 0;
    added.coupledToNext = 0;
    if (rakeHead == 0 || rakeHead == portion) {
        added.prev = 0;
        return portion;
    }
    const PortionIndex tail = rakeTail(state, rakeHead);
    state.portions[tail].next = portion;
    state.portions[tail].coupledToNext = coupleToPrevious ? 1 : 0;
    added.prev = tail;
    return rakeHead;
}

void appendToRake(GameState& state, ArrivalIndex arrival, PortionIndex portion, bool coupleToPrevious) {
    state.portions[portion].arrival = arrival;
    if (arrival == 0) return;
    Arrival& train = state.arrivals[arrival];
    train.firstPortion = appendPortion(state, train.firstPortion, portion, coupleToPrevious);
}

void detachFromDeparture(GameState& state, PortionIndex portion) {
    Portion& leaving = state.portions[portion];
    const DepartureIndex departure = leaving.departure;
    Departure& former = state.departures[departure];
    const bool linked = departure != 0 && (former.firstPortion == portion || leaving.depPrev != 0);
    if (linked) {
        if (leaving.depPrev != 0)
            state.portions[leaving.depPrev].depNext = leaving.depNext;
        else
            former.firstPortion = leaving.depNext;
        if (leaving.depNext != 0) state.portions[leaving.depNext].depPrev = leaving.depPrev;
        if (!isPseudoDeparture(former) && former.portionCount > 0) --former.portionCount;
    }
    leaving.depNext = 0;
    leaving.depPrev = 0;
    leaving.departure = 0;
}

void attachToDeparture(GameState& state, DepartureIndex departure, PortionIndex portion) {
    detachFromDeparture(state, portion);
    if (departure == 0) return;

    Departure& target = state.departures[departure];
    Portion& joining = state.portions[portion];
    joining.departure = departure;
    if (target.firstPortion == 0) {
        target.firstPortion = portion;
    } else {
        PortionIndex tail = target.firstPortion;
        for (int steps = 0; state.portions[tail].depNext != 0 && steps < longestChain; ++steps)
            tail = state.portions[tail].depNext;
        state.portions[tail].depNext = portion;
        joining.depPrev = tail;
    }

    if (isPseudoDeparture(target)) return;
    ++target.portionCount;
    if (target.portionCount == 2 && target.state != departureGone) target.state = departureGathering;
}

DepartureIndex throughDeparture(const GameState& state, ArrivalIndex arrival) {
    if (arrival == 0) return 0;
    const PortionIndex only = state.arrivals[arrival].firstPortion;
    if (only == 0 || rakeLength(state, only) != 1) return 0;
    const DepartureIndex departure = state.portions[only].departure;
    const Departure& runsOnAs = state.departures[departure];
    if (departure == 0 || runsOnAs.portionCount != 1 || runsOnAs.firstPortion != only) return 0;
    return departure;
}

ArrivalIndex throughArrival(const GameState& state, DepartureIndex departure) {
    if (departure == 0 || state.departures[departure].portionCount != 1) return 0;
    const PortionIndex only = state.departures[departure].firstPortion;
    if (only == 0) return 0;
    const ArrivalIndex arrival = state.portions[only].arrival;
    if (arrival == 0 || state.arrivals[arrival].firstPortion != only || rakeLength(state, only) != 1)
        return 0;
    return arrival;
}

DepartureIndex departureFormedBy(const GameState& state, ArrivalIndex arrival) {
    if (arrival < 1 || arrival > arrivalCapacity) return 0;
    if (const DepartureIndex through = throughDeparture(state, arrival); through != 0) return through;
    const PortionIndex first = state.arrivals[arrival].firstPortion;
    if (first < 1 || first > portionCapacity) return 0;
    const DepartureIndex departure = state.portions[first].departure;
    return departure >= 1 && departure <= departureCapacity ? departure : 0;
}

} // namespace wm
