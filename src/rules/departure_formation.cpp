#include "rules/departure_formation.h"

#include <vector>

#include "rules/departure_readiness.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {

constexpr int formedWithinMinutes = 10;
constexpr int firstNonTrainType = 8; // light engines and freight are made up otherwise

/// A run of coupled portions within the rake standing at a place, and what lies beyond its uncoupled end.
struct Group {
    PortionIndex first = 0;
    PortionIndex last = 0;
    PortionIndex beyond = 0; // the portion across the uncoupled link that ends the group, 0 none
};

Group highEndGroup(const GameState& s, PortionIndex head) {
    Group g;
    g.last = rakeTail(s, head);
    g.first = g.last;
    for (int steps = 0; steps < portionCapacity; ++steps) {
        const PortionIndex before = s.portions[g.first].prev;
        if (!isPortion(s, before)) break;
        if (!s.portions[before].coupledToNext) {
            g.beyond = before;
            break;
        }
        g.first = before;
    }
    return g;
}

Group lowEndGroup(const GameState& s, PortionIndex head) {
    Group g{head, head, 0};
    for (int steps = 0; steps < portionCapacity; ++steps) {
        const PortionIndex after = s.portions[g.last].next;
        if (!isPortion(s, after)) break;
        if (!s.portions[g.last].coupledToNext) {
            g.beyond = after;
            break;
        }
        g.last = after;
    }
    return g;
}

/// A train still to leave that is due soon enough to stand formed.
bool formsSoon(const GameState& s, DepartureIndex d) {
    if (!isDeparture(s, d)) return false;
    const Departure& departure = s.departures[d];
    return !isPseudoDeparture(departure) && departure.trainType < firstNonTrainType &&
           departure.state < departureOnWayOut && s.clock + formedWithinMinutes > departure.time;
}

/// The departure the group makes up on its own, due soon enough to stand formed; 0 when none.
DepartureIndex departureMadeUp(const GameState& s, const Group& g) {
    const DepartureIndex d = s.portions[g.first].departure;
    if (!formsSoon(s, d)) return 0;
    const Departure& departure = s.departures[d];
    int count = 0;
    for (PortionIndex p = g.first; isPortion(s, p) && count < portionCapacity; p = s.portions[p].next) {
        const Portion& portion = s.portions[p];
        if (portion.departure != d || portion.portionState < portionStanding) return 0;
        ++count;
        if (p == g.last) break;
    }
    return count == departure.portionCount ? d : 0;
}

void cutAfter(GameState& s, PortionIndex portion) {
    const PortionIndex after = s.portions[portion].next;
    s.portions[portion].next = 0;
    s.portions[portion].coupledToNext = 0;
    if (isPortion(s, after)) s.portions[after].prev = 0;
}

/// The group stands at the place as the departure, sharing it with what was cut off when it had to be.
bool formGroup(GameState& s, LocationId place, const Group& g, DepartureIndex departure, bool highEnd) {
    Location& l = s.locations[place];
    if (g.beyond != 0 && l.occState2 != occEmpty) return false; // no berth left for the rest
    if (g.beyond != 0) {
        if (highEnd) {
            cutAfter(s, g.beyond);
            l.occState2 = occDeparture;
            l.occupant2 = departure;
        } else {
            cutAfter(s, g.last);
            l.occState = occDeparture;
            l.occupant = departure;
            l.occState2 = occStock;
            l.occupant2 = g.beyond;
        }
    } else {
        l.occState = occDeparture;
        l.occupant = departure;
    }
    setRakeLocation(s, g.first, place);
    s.departures[departure].location = place;
    setFormed(s, departure);
    checkDepartureReady(s, departure, place);
    return true;
}

bool standingRake(const GameState& s, LocationId place) {
    return isPlace(place) && s.locations[place].occState == occStock &&
           isPortion(s, s.locations[place].occupant);
}

/// The portions from `first` on that belong to its departure: their last, when they are all of that
/// departure and each stands ready; 0 otherwise.
PortionIndex completeRun(const GameState& s, PortionIndex first) {
    const DepartureIndex d = s.portions[first].departure;
    if (!isDeparture(s, d)) return 0;
    int count = 0;
    PortionIndex last = first;
    for (PortionIndex p = first; isPortion(s, p) && s.portions[p].departure == d && count < portionCapacity;
         p = s.portions[p].next) {
        if (s.portions[p].portionState < portionStanding) return 0;
        last = p;
        ++count;
    }
    return count == s.departures[d].portionCount ? last : 0;
}

/// The same for a train due soon enough to stand formed.
PortionIndex wholeDepartureRun(const GameState& s, PortionIndex first) {
    return formsSoon(s, s.portions[first].departure) ? completeRun(s, first) : 0;
}

void coupleThrough(GameState& s, PortionIndex first, PortionIndex last) {
    for (PortionIndex p = first; p != last && isPortion(s, p); p = s.portions[p].next)
        s.portions[p].coupledToNext = 1;
}

} // namespace

void setFormed(GameState& s, DepartureIndex departure) {
    if (!isDeparture(s, departure)) return;
    int steps = 0;
    for (PortionIndex p = s.departures[departure].firstPortion;
         isPortion(s, p) && s.portions[p].departure == departure && steps < portionCapacity;
         p = s.portions[p].depNext, ++steps) {
        Portion& portion = s.portions[p];
        portion.portionState = portionInFormed;
        // Neighbours in the rake let go of it too, so no chain leads into the formed train.
        if (isPortion(s, portion.prev) && s.portions[portion.prev].next == p) {
            s.portions[portion.prev].next = 0;
            s.portions[portion.prev].coupledToNext = 0;
        }
        if (isPortion(s, portion.next) && s.portions[portion.next].prev == p)
            s.portions[portion.next].prev = 0;
        portion.next = 0;
        portion.prev = 0;
        portion.coupledToNext = 0;
    }
    s.departures[departure].state = departureFormed;
}

bool formFromHighEnd(GameState& s, LocationId place) {
    if (!standingRake(s, place)) return false;
    const Group g = highEndGroup(s, s.locations[place].occupant);
    const DepartureIndex d = departureMadeUp(s, g);
    return d != 0 && formGroup(s, place, g, d, true);
}

bool formFromLowEnd(GameState& s, LocationId place) {
    if (!standingRake(s, place)) return false;
    const Group g = lowEndGroup(s, s.locations[place].occupant);
    const DepartureIndex d = departureMadeUp(s, g);
    return d != 0 && formGroup(s, place, g, d, false);
}

bool formDepartureFromHighEnd(GameState& s, LocationId place, DepartureIndex departure) {
    if (!standingRake(s, place) || !isDeparture(s, departure)) return false;
    return formGroup(s, place, highEndGroup(s, s.locations[place].occupant), departure, true);
}

bool formDepartureFromLowEnd(GameState& s, LocationId place, DepartureIndex departure) {
    if (!standingRake(s, place) || !isDeparture(s, departure)) return false;
    return formGroup(s, place, lowEndGroup(s, s.locations[place].occupant), departure, false);
}

void formAfterCoupling(GameState& s, LocationId place) {
    formFromHighEnd(s, place);
    formFromLowEnd(s, place);
}

bool formWholeStock(GameState& s, LocationId place) {
    if (!standingRake(s, place) || s.locations[place].occState2 != occEmpty) return false;
    const PortionIndex head = s.locations[place].occupant;
    const PortionIndex lowLast = wholeDepartureRun(s, head);
    if (lowLast == 0) return false;
    const DepartureIndex low = s.portions[head].departure;
    const PortionIndex highFirst = s.portions[lowLast].next;
    if (!isPortion(s, highFirst)) {
        coupleThrough(s, head, lowLast);
        return formDepartureFromHighEnd(s, place, low);
    }
    const PortionIndex highLast = wholeDepartureRun(s, highFirst);
    if (highLast == 0 || isPortion(s, s.portions[highLast].next)) return false;
    coupleThrough(s, head, lowLast);
    coupleThrough(s, highFirst, highLast);
    s.portions[lowLast].coupledToNext = 0; // two trains, one in each berth
    return formDepartureFromHighEnd(s, place, s.portions[highFirst].departure) &&
           formDepartureFromLowEnd(s, place, low);
}

DepartureIndex wholeRakeDeparture(const GameState& s, PortionIndex head) {
    if (!isPortion(s, head)) return 0;
    const DepartureIndex d = s.portions[head].departure;
    if (!isDeparture(s, d) || isPseudoDeparture(s.departures[d])) return 0;
    const PortionIndex last = completeRun(s, head);
    return last != 0 && !isPortion(s, s.portions[last].next) ? d : 0;
}

PortionIndex rakeOfFormed(GameState& s, DepartureIndex departure) {
    if (!isDeparture(s, departure)) return 0;
    const PortionIndex first = s.departures[departure].firstPortion;
    std::vector<PortionIndex> loose;
    for (PortionIndex p = first; isPortion(s, p) && s.portions[p].departure == departure &&
                                 static_cast<int>(loose.size()) < portionCapacity;
         p = s.portions[p].depNext) {
        if (s.portions[p].next != 0 || s.portions[p].prev != 0) return first;
        loose.push_back(p);
    }
    for (std::size_t i = 1; i < loose.size(); ++i) appendPortion(s, first, loose[i], true);
    return first;
}

} // namespace wm
