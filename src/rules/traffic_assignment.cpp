#include "rules/traffic_assignment.h"

#include <string>
#include <vector>

#include "console/console.h"
#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "rules/score_events.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/one_of.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/route_compatibility.h"

namespace wm {

namespace {

constexpr int extraPortions = 5;      // a traffic train takes its engine's freight power plus this
constexpr int completionWindow = 60;  // minutes before its time a complete rake stands formed
constexpr int wildcardClass = 0;      // an unbooked train is hauled by whatever comes: no power
constexpr int sameDutyCharacters = 3; // arrival and departure codes of one duty share this many

/// An inter-yard trip, whose traffic rides on to the other yard rather than being attached to it.
bool isInterYardTrip(int line) {
    return line == 11 || line == 16;
}

/// Lines with no limit on the load: the trips about the yards and sidings.
/// The portions of a rake, first to last.
std::vector<PortionIndex> rakePortions(const GameState& s, PortionIndex first) {
    std::vector<PortionIndex> out;
    for (PortionIndex p = first; isPortion(s, p) && static_cast<int>(out.size()) < portionCapacity;
         p = s.portions[p].next)
        out.push_back(p);
    return out;
}

bool sameDuty(const GameState& s, PortionIndex portion) {
    const Portion& p = s.portions[portion];
    if (!isArrival(s, p.arrival) || !isDeparture(s, p.departure)) return false;
    const std::string_view arrival = s.arrivals[p.arrival].code.view();
    const std::string_view departure = s.departures[p.departure].code.view();
    return arrival.substr(0, sameDutyCharacters) == departure.substr(0, sameDutyCharacters);
}

/// The departure the arrival's train runs on as, for the chain of an engine's trips.
DepartureIndex runsOnAs(const GameState& s, ArrivalIndex arrival) {
    if (!isArrival(s, arrival)) return 0;
    if (const DepartureIndex through = throughDeparture(s, arrival); isDeparture(s, through)) return through;
    const PortionIndex first = s.arrivals[arrival].firstPortion;
    if (!isPortion(s, first)) return 0;
    if (sameDuty(s, first)) return s.portions[first].departure;
    const PortionIndex last = rakeTail(s, first);
    return sameDuty(s, last) ? s.portions[last].departure : 0;
}

/// Whether traffic bound for a pseudo-departure on line `trafficLine` may go on train r, which leaves by
/// line `line` from group `group` and whose traffic finally travels on line `finalLine`.
bool routeFits(int line, int group, int finalLine, int trafficLine) {
    if (isMainLine(line) && line == trafficLine) return true;
    if (line < group) {
        if (isOneOf(trafficLine, {2, 3, 7, 8})) return line == 2 || line == 7;
        return line == 9;
    }
    return line == 11 || line == 16 || (isOneOf(finalLine, {21, 22}) && isOneOf(trafficLine, {21, 22}));
}

/// The checks every unassigned block of the rake must pass, each failure costing a point. The number of
/// blocks that pass, or -1 when one failed.
int checkBlocks(const GameState& s, Console& console, DepartureIndex r,
                const std::vector<PortionIndex>& rake) {
    const Departure& d = s.departures[r];
    const int finalLine = finalTrafficLine(s, r);
    int counted = 0;
    for (PortionIndex p : rake) {
        const Portion& portion = s.portions[p];
        if (portion.portionState != portionStanding || !isDeparture(s, portion.departure)) continue;
        const Departure& e = s.departures[portion.departure];
        if (!isPseudoDeparture(e)) continue;
        if (isWorkTrain(d.trainType)) {
            LoseBonusPoints(console, 1, "trying to add traffic to a non-traffic train");
            return -1;
        }
        if (isFullyFitted(d.trainType) && isUnbraked(e.trainType)) {
            LoseBonusPoints(console, 1, "trying to add unbraked traffic to a fully-fitted train");
            return -1;
        }
        if (!routeFits(d.line, d.group, finalLine, e.line)) {
            LoseBonusPoints(console, 1, "trying to assign traffic for incompatible routes");
            return -1;
        }
        ++counted;
    }
    return counted;
}

void attachToTrain(GameState& s, Console& console, DepartureIndex r, const std::vector<PortionIndex>& rake) {
    const std::string reason = "assigning traffic for " + s.departures[r].destination.str();
    for (PortionIndex p : rake) {
        Portion& portion = s.portions[p];
        if (portion.departure == r) continue;
        const bool fastFreightYard =
            isDeparture(s, portion.departure) && isFullyFitted(s.departures[portion.departure].trainType);
        attachToDeparture(s, r, p);
        portion.portionState = portionStanding;
        if (isTraffic(s, portion.traffic) && s.traffic[portion.traffic].portion == p)
            s.traffic[portion.traffic].departure = r;
        GainBonusPoints(console, fastFreightYard ? 2 : 1, reason);
    }
}

/// The trip's traffic leaves the rake and rides on the trip's arrival at the other yard. The first
/// portion of what stays, 0 when nothing does.
PortionIndex sendOnTrip(GameState& s, Console& console, DepartureIndex r,
                        const std::vector<PortionIndex>& rake) {
    const Departure& trip = s.departures[r];
    PortionIndex head = rake.front();
    for (PortionIndex p : rake) {
        Portion& portion = s.portions[p];
        if (!isDeparture(s, portion.departure) || !isPseudoDeparture(s.departures[portion.departure]))
            continue;
        const PortionIndex before = portion.prev;
        const PortionIndex after = portion.next;
        if (isPortion(s, before)) {
            s.portions[before].next = after;
            // The gap closes up only as coupled as both links were.
            s.portions[before].coupledToNext = s.portions[before].coupledToNext && portion.coupledToNext;
        }
        if (isPortion(s, after)) s.portions[after].prev = before;
        if (head == p) head = after;
        portion.next = portion.prev = 0;
        portion.coupledToNext = 0;
        const TrafficIndex traffic = portion.traffic;
        const bool earns = trip.group == 9 ||
                           (isTraffic(s, traffic) && routesCompatible(s.traffic[traffic].route, trip.group));
        if (isTraffic(s, traffic) && s.traffic[traffic].portion == p) s.traffic[traffic].portion = 0;
        portion.traffic = 0;
        portion.location = 0;
        portion.portionState = portionOnTrain;
        appendToRake(s, trip.returnArrival, p, true);
        if (earns) GainBonusPoints(console, 1, "assigning traffic for inter-yard trip");
    }
    return head;
}

} // namespace

bool takesAnyLoad(int line) {
    return line == 9 || line == 11 || line == 16;
}

int maximumLoad(const GameState& s, const Departure& d) {
    const int classIndex = isLoco(s, d.loco) ? s.locos[d.loco].classIndex : wildcardClass;
    return locoClass(classIndex).freightPower + extraPortions;
}

int rakeDeparture(GameState& s, Console& console, PortionIndex first) {
    if (!isPortion(s, first)) return 0;
    if (!rakeFullyCoupled(s, first)) {
        console.ShowNotice("Portions not all coupled");
        return rakeNotCoupled;
    }
    DepartureIndex found = 0;
    for (PortionIndex p : rakePortions(s, first)) {
        const Portion& portion = s.portions[p];
        if (!isDeparture(s, portion.departure) || portion.portionState < portionStanding) {
            console.ShowNotice("Portions not all ready to be part of departure");
            return rakeNotAllReady;
        }
        const Departure& d = s.departures[portion.departure];
        if (isPseudoDeparture(d) || !isTrafficTrain(d.trainType)) continue;
        if (found == 0) {
            found = portion.departure;
        } else if (found != portion.departure) {
            console.ShowNotice("Trying to combine different departures");
            return rakeMixesDepartures;
        }
    }
    return found;
}

int finalTrafficLine(const GameState& s, DepartureIndex departure) {
    if (!isDeparture(s, departure)) return 0;
    const bool down = departureRunsDown(s.departures[departure]);
    DepartureIndex reached = departure;
    for (int steps = 0; steps < departureCapacity; ++steps) {
        const Departure& d = s.departures[reached];
        if (!isLocalLine(d.line) || !isArrival(s, d.returnArrival)) break;
        const DepartureIndex next = runsOnAs(s, d.returnArrival);
        if (!isDeparture(s, next) || next == reached || departureRunsDown(s.departures[next]) != down) break;
        reached = next;
    }
    return s.departures[reached].line;
}

void assignTraffic(GameState& s, Console& console, LocationId place) {
    if (!isPlace(place)) return;
    const Location& l = s.locations[place];
    if (l.occState != occStock || !isPortion(s, l.occupant)) return console.NotPossible();
    const int r = rakeDeparture(s, console, l.occupant);
    if (r < 0) return;
    const bool trip = r > 0 && isInterYardTrip(s.departures[r].line);
    if (r == 0 || !isTrafficTrain(s.departures[r].trainType) ||
        (trip && !isArrival(s, s.departures[r].returnArrival))) {
        console.ShowNotice("No assignable departure found");
        return;
    }
    const std::vector<PortionIndex> rake = rakePortions(s, l.occupant);
    const int counted = checkBlocks(s, console, r, rake);
    if (counted < 0) return;
    const Departure& d = s.departures[r];
    if (!takesAnyLoad(d.line) && maximumLoad(s, d) < counted + d.portionCount) {
        console.ShowNotice("That train would exceed its maximum load.");
        return;
    }

    if (trip) {
        const PortionIndex stays = sendOnTrip(s, console, r, rake);
        Location& here = s.locations[place];
        here.occupant = stays;
        if (stays == 0) here.occState = occEmpty;
    } else {
        attachToTrain(s, console, r, rake);
    }

    const PortionIndex head = s.locations[place].occupant;
    if (s.locations[place].occState != occStock || !isPortion(s, head)) return;
    if (rakeLength(s, head) != d.portionCount || s.clock < d.time - completionWindow ||
        s.locations[place].group != d.group)
        return;
    for (PortionIndex p : rakePortions(s, head))
        if (s.portions[p].departure != r) return;
    Location& here = s.locations[place];
    setRakeLocation(s, head, place);
    here.occState = occDeparture;
    here.occupant = r;
    s.departures[r].location = place;
    setFormed(s, r);
    checkDepartureReady(s, r, place);
}

} // namespace wm
