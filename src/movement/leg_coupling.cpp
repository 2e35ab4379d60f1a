#include "movement/leg_coupling.h"

#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "world/berths.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

namespace {
constexpr int dieselUnitClass = 1;

PortionIndex rakeHeadOf(const GameState& s, int occState, int occupant) {
    switch (occState) {
    case occStock:
        return isPortion(s, occupant) ? occupant : 0;
    case occTraffic:
        return isTraffic(s, occupant) && isPortion(s, s.traffic[occupant].portion)
                   ? s.traffic[occupant].portion
                   : 0;
    case occArrival:
        return isArrival(s, occupant) && isPortion(s, s.arrivals[occupant].firstPortion)
                   ? s.arrivals[occupant].firstPortion
                   : 0;
    case occDeparture:
    case occReversingDeparture:
        return isDeparture(s, occupant) && isPortion(s, s.departures[occupant].firstPortion)
                   ? s.departures[occupant].firstPortion
                   : 0;
    default:
        return 0;
    }
}

bool inRake(const GameState& s, PortionIndex head, PortionIndex portion) {
    int steps = 0;
    for (PortionIndex p = head; p != 0 && steps < portionCapacity; p = s.portions[p].next, ++steps)
        if (p == portion) return true;
    return false;
}

/// Links the rake that starts at `second` behind the one that starts at `first`; the new link is coupled
/// or not as `coupled` says. False when the two are one rake already.
bool joinRakes(GameState& s, PortionIndex first, PortionIndex second, bool coupled) {
    if (first == 0 || second == 0 || inRake(s, first, second) || inRake(s, second, first)) return false;
    const PortionIndex tail = rakeTail(s, first);
    s.portions[tail].next = second;
    s.portions[tail].coupledToNext = coupled ? 1 : 0;
    s.portions[second].prev = tail;
    return true;
}

/// The rake that comes in and the one standing there as one chain, in the order they stand.
PortionIndex joinInOrder(GameState& s, PortionIndex moving, PortionIndex standing, bool up, bool coupled) {
    // Moving up, the train enters at the low end: it stands before what was there.
    if (up) return joinRakes(s, moving, standing, coupled) ? moving : 0;
    return joinRakes(s, standing, moving, coupled) ? standing : 0;
}

bool ontoRake(MoveWorld& w, LocationId to, bool up, MovingThing& m) {
    GameState& s = w.state;
    const Location& dest = s.locations[to];
    PortionIndex standing = w.move.couplePlan.reference;
    if (!isPortion(s, standing))
        standing = dest.occState == occStock ? rakeHeadOf(s, occStock, dest.occupant) : 0;
    const PortionIndex head = joinInOrder(s, rakeHeadOf(s, m.occState, m.occupant), standing, up, false);
    if (head == 0) return false;
    Location& berth = s.locations[incomingBerth(to)];
    berth.occState = occStock;
    berth.occupant = head;
    setRakeLocation(s, head, to);
    m.occState = occStock;
    m.occupant = head;
    return true;
}

/// The departure the moving train counts as: itself, or the departure an arrival forms.
DepartureIndex movingDeparture(const GameState& s, const MovingThing& m) {
    if (m.occState == occDeparture || m.occState == occReversingDeparture) return m.occupant;
    if (m.occState == occArrival) {
        const DepartureIndex forms = departureFormedBy(s, m.occupant);
        return isDeparture(s, forms) ? forms : 0;
    }
    const PortionIndex first = rakeHeadOf(s, m.occState, m.occupant);
    return first != 0 && isDeparture(s, s.portions[first].departure) ? s.portions[first].departure : 0;
}

bool ontoDeparture(MoveWorld& w, LocationId to, bool up, MovingThing& m, RestPlaces& places) {
    GameState& s = w.state;
    const Location& dest = s.locations[to];
    const bool standingDeparture = dest.occState == occDeparture || dest.occState == occReversingDeparture;
    const DepartureIndex moving = movingDeparture(s, m);
    if (!standingDeparture || !isDeparture(s, dest.occupant) || moving == 0 || moving == dest.occupant)
        return false;
    const LocoIndex engine = w.move.moveEngine;
    const bool dieselUnit = isRealEngine(engine) && s.locos[engine].classIndex == dieselUnitClass;
    Location& berth = s.locations[incomingBerth(to)];
    // The engine that led in stands between the two trains, at the end of its own train.
    OccState movingState = occDeparture;
    if (up && places.engine >= 3) {
        places.engine = 2;
        if (!dieselUnit) movingState = occReversingDeparture;
    } else if (!up && places.engine <= 2) {
        places.engine = 3;
        if (!dieselUnit) movingState = occReversingDeparture;
    }
    if (places.second != 0) places.second = otherPlaceOfEnd(places.engine);
    // The train at the low end is the main occupant.
    if (up) {
        berth.occState = movingState;
        berth.occupant = moving;
        berth.occState2 = dest.occState;
        berth.occupant2 = dest.occupant;
    } else {
        berth.occState = dest.occState;
        berth.occupant = dest.occupant;
        berth.occState2 = movingState;
        berth.occupant2 = moving;
    }
    m.occState = occDeparture;
    m.occupant = moving;
    return true;
}

/// What comes in completes the departure whose other part, `standing`, stands there: it is ready to go.
bool completeDeparture(MoveWorld& w, LocationId to, bool up, MovingThing& m, RestPlaces& places,
                       DepartureIndex departure, PortionIndex standing) {
    GameState& s = w.state;
    if (!isDeparture(s, departure)) return false;
    const PortionIndex movingHead = rakeHeadOf(s, m.occState, m.occupant);
    const PortionIndex head = joinInOrder(s, movingHead, standing, up, true);
    if (head != 0) setRakeLocation(s, head, to);
    Departure& d = s.departures[departure];
    Location& berth = s.locations[incomingBerth(to)];
    berth.occState = occDeparture;
    berth.occupant = departure;
    berth.occState2 = occEmpty;
    berth.occupant2 = 0;
    d.state = departureReady;
    if (isPortion(s, d.firstPortion)) s.portions[d.firstPortion].portionState = portionStanding;
    berth.endFlag[static_cast<std::size_t>(leavingEnd(d))] = 1;
    places.engine = departureRunsDown(d) ? 2 : 3;
    if (places.second != 0) places.second = otherPlaceOfEnd(places.engine);
    m.occState = occDeparture;
    m.occupant = departure;
    return true;
}

bool restOfDeparture(MoveWorld& w, LocationId to, bool up, MovingThing& m, RestPlaces& places) {
    GameState& s = w.state;
    const Location& dest = s.locations[to];
    PortionIndex standing = w.move.couplePlan.reference;
    if (!isPortion(s, standing)) standing = rakeHeadOf(s, dest.occState, dest.occupant);
    return completeDeparture(w, to, up, m, places, movingDeparture(s, m), standing);
}

bool ontoTraffic(MoveWorld& w, LocationId to, bool up, MovingThing& m, RestPlaces& places) {
    GameState& s = w.state;
    const Location& dest = s.locations[to];
    TrafficIndex traffic = w.move.couplePlan.reference;
    if (!isTraffic(s, traffic)) traffic = dest.occState == occTraffic ? dest.occupant : 0;
    if (!isTraffic(s, traffic)) return false;
    const DepartureIndex departure = movingDeparture(s, m);
    if (departure != 0 && s.traffic[traffic].departure == departure)
        return completeDeparture(w, to, up, m, places, departure, rakeHeadOf(s, occTraffic, traffic));
    // Traffic for another train stays beside it.
    Location& berth = s.locations[incomingBerth(to)];
    berth.occState = static_cast<OccState>(m.occState);
    berth.occupant = m.occupant;
    berth.occState2 = occTraffic;
    berth.occupant2 = traffic;
    return true;
}
} // namespace

bool coupleAtDestination(MoveWorld& w, LocationId to, bool up, MovingThing& m, RestPlaces& places) {
    // A formed train couples on with all its portions, not only the first.
    if (m.occState == occDeparture || m.occState == occReversingDeparture) rakeOfFormed(w.state, m.occupant);
    switch (w.move.couplePlan.onto) {
    case CoupleTo::rake:
        return ontoRake(w, to, up, m);
    case CoupleTo::departure:
        return ontoDeparture(w, to, up, m, places);
    case CoupleTo::restOfDeparture:
        return restOfDeparture(w, to, up, m, places);
    case CoupleTo::traffic:
        return ontoTraffic(w, to, up, m, places);
    case CoupleTo::nothing:
        break;
    }
    return false;
}

} // namespace wm
