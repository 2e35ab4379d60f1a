#include "rules/traffic_work.h"

#include <initializer_list>
#include <string>

#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "rules/score_events.h"
#include "rules/traffic_places.h"
#include "world/game_state.h"
#include "world/one_of.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/screen_names.h"
#include "world/ticks.h"

namespace wm {

namespace {
constexpr int neverReadyMinutes = 1600; // longer than the day
constexpr int workStarts = 8 * 60;
constexpr int lastFinish = 1190;     // goods work is planned to end by 19:50
constexpr int latestEarlyWork = 710; // what is begun before 08:00 is done by about 19:50 too
constexpr int workSpread = 25;
constexpr int departureLead = 91; // done this long before the departure
constexpr int otherGroupCredit = 120;
constexpr int shortestWork = 70;
constexpr int catchMinutes = 60; // ready this long before the departure, or it is missed
constexpr int formedWithinMinutes = 10;

bool isParcelsOrMilk(int type) {
    return type == trafficParcels || type == trafficMilk;
}

/// Minutes such traffic takes when nothing hurries it.
int workBase(int type) {
    switch (type) {
    case trafficParcels:
        return 40;
    case trafficMilk:
    case trafficCattle:
        return 60;
    case trafficCoal:
    case trafficLocoCoal:
        return 960;
    case trafficTimber:
        return 120;
    default:
        return 240;
    }
}

/// The siding made for the type earns the shunter a point.
bool properSiding(int type, LocationId place) {
    switch (type) {
    case trafficParcels:
        return isOneOf(place, {93, 94, 107, 110});
    case trafficGeneral:
        return isOneOf(place, {4, 17, 32, 77, 88, 121, 128, 160});
    case trafficVans:
        return isOneOf(place, {16, 32, 89, 129, 130});
    case trafficCoal:
        return isOneOf(place, {19, 78, 87, 91, 122, 123});
    case trafficTimber:
        return place == 81;
    case trafficOil:
        return place == 127;
    case trafficLocoCoal:
    case trafficWagonsForRepair:
    case trafficBallast:
        return true;
    default:
        return false;
    }
}

/// Work timed to be done before a real departure, cut to the working day and to twice the usual time.
int timedToDeparture(const GameState& s, GameServices& services, const Traffic& t, const Departure& d) {
    const int base = workBase(t.trafficType);
    int minutes = d.time - s.clock - services.rand(workSpread) - departureLead;
    if (!isParcelsOrMilk(t.trafficType) && t.trafficType != trafficLocoCoal &&
        t.trafficType != trafficWagonsForRepair) {
        if (s.clock < workStarts) {
            minutes += s.clock - workStarts;
            if (minutes > latestEarlyWork) minutes = latestEarlyWork - services.rand(workSpread);
        } else if (minutes > lastFinish - s.clock) {
            minutes = lastFinish - s.clock - services.rand(workSpread);
        }
    }
    if (d.group != t.route) minutes -= otherGroupCredit;
    if (minutes < shortestWork) minutes = shortestWork;
    if (minutes > 2 * base) minutes = 2 * base + services.rand(10);
    return minutes;
}

bool departureLeavesWithin(const GameState& s, const Departure& d, int minutes) {
    return d.time < s.clock + minutes;
}
} // namespace

int trafficWorkMinutes(GameState& s, Console& console, GameServices& services, LocationId place,
                       TrafficIndex traffic) {
    Traffic& t = s.traffic[traffic];
    if (!isDeparture(s, t.departure)) return neverReadyMinutes;
    const Departure& d = s.departures[t.departure];
    const int base = workBase(t.trafficType);
    if (isPseudoDeparture(d)) return base + services.rand(base);
    int minutes = timedToDeparture(s, services, t, d);
    if (!departureLeavesWithin(s, d, minutes + catchMinutes)) return minutes;
    if (isParcelsOrMilk(t.trafficType)) {
        // Parcels and milk are hurried to catch their train.
        minutes = d.time - s.clock - 30;
        if (minutes < 20) minutes = 20;
        if (minutes > 100) minutes = 90 + services.rand(10);
        return minutes;
    }
    if (d.portionCount <= 1) return minutes;
    LoseBonusPoints(console, 2, "making traffic in " + s.locations[place].code.str() + " miss departure");
    if (isPortion(s, t.portion)) detachFromDeparture(s, t.portion);
    t.departure = 0;
    return neverReadyMinutes;
}

void startTrafficWork(GameState& s, Console& console, GameServices& services, LocationId place) {
    if (!isPlace(place)) return;
    const Location& l = s.locations[place];
    if (l.occState != occTraffic || !isTraffic(s, l.occupant)) return;
    if (hasEngineAtEnd(l, lowEnd) || hasEngineAtEnd(l, highEnd)) return;
    const TrafficIndex traffic = l.occupant;
    Traffic& t = s.traffic[traffic];
    if (t.trafficType == trafficEmptyStock || t.readyAt > 0 || !placeAccepts(s, traffic, place)) return;
    if (properSiding(t.trafficType, place))
        GainBonusPoints(console, 1,
                        "shunting " + std::string(trafficTypeName(t.trafficType)) + " traffic to " +
                            l.code.str());
    t.readyAt = ticksPerMinute * trafficWorkMinutes(s, console, services, place, traffic);
    if (isPortion(s, t.portion)) {
        s.portions[t.portion].portionState = portionBeingWorked;
        s.portions[t.portion].location = place;
    }
}

namespace {
/// A lone portion of traffic that the siding accepts is put to work there.
bool takeUpTraffic(GameState& s, LocationId place) {
    Location& l = s.locations[place];
    const TrafficIndex traffic = singleTrafficAtPlace(s, l.occupant, place);
    if (traffic == 0 || !placeAccepts(s, traffic, place) || s.traffic[traffic].readyAt > 0) return false;
    const PortionIndex portion = l.occupant;
    // The traffic's own portion is the one that stands here, whatever an older record said.
    s.traffic[traffic].portion = portion;
    s.portions[portion].portionState = portionBeingWorked;
    l.occState = occTraffic;
    l.occupant = traffic;
    return true;
}

/// The work is done: the portion stands ready, or as its departure when it alone makes it up and is due.
void finishWork(GameState& s, GameServices& services, LocationId place, TrafficIndex traffic) {
    Location& l = s.locations[place];
    const PortionIndex portion = s.traffic[traffic].portion;
    services.notice("Work now complete in " + l.code.str() + " on " + std::string(screenName(l.screen)) +
                    " screen");
    if (!isPortion(s, portion)) {
        // Nothing is left to stand there; the place is not held by a block it cannot show.
        l.occState = occEmpty;
        l.occupant = 0;
        return;
    }
    Portion& p = s.portions[portion];
    p.next = p.prev = 0;
    p.coupledToNext = 0;
    p.location = place;
    p.portionState = portionStanding;
    l.occState = occStock;
    l.occupant = portion;
    if (!isDeparture(s, p.departure)) return;
    Departure& d = s.departures[p.departure];
    if (isPseudoDeparture(d) || d.portionCount != 1 || d.firstPortion != portion ||
        d.state >= departureOnWayOut || !departureLeavesWithin(s, d, formedWithinMinutes))
        return;
    l.occState = occDeparture;
    l.occupant = p.departure;
    d.location = place;
    setFormed(s, p.departure);
    checkDepartureReady(s, p.departure, place);
}
} // namespace

void advanceTrafficWork(GameState& s, Console& console, GameServices& services) {
    for (LocationId place = 1; place <= placeCount; ++place) {
        Location& l = s.locations[place];
        if (l.busyTicks > 0) continue; // a move or other work is under way there
        if (l.occState == occStock && takeUpTraffic(s, place)) {
            startTrafficWork(s, console, services, place);
            continue;
        }
        if (l.occState != occTraffic || !isTraffic(s, l.occupant)) continue;
        const TrafficIndex traffic = l.occupant;
        Traffic& t = s.traffic[traffic];
        if (t.readyAt <= 0) {
            startTrafficWork(s, console, services, place);
            continue;
        }
        if (!placeAccepts(s, traffic, place) || !trafficWorkedNow(s, traffic)) continue;
        if (--t.readyAt == 0) finishWork(s, services, place, traffic);
    }
}

} // namespace wm
