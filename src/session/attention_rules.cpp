#include "session/attention_rules.h"

#include <string_view>

#include "movement/leg_identities.h"
#include "movement/reachability.h"
#include "rules/arrival_shunting.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
// The rows' thresholds, in minutes.
constexpr int dueShortly = 2;
constexpr int formedSoon = 3;
constexpr int engineSoon = 5;
constexpr int formedWindow = 10;
constexpr int wrongEndWindow = 30;
// A move coming in this few ticks from its end is about to need the player.
constexpr int comingInTicks = 3;

constexpr PlaceRating none{};

PlaceRating rated(int level, AlertCue cue = AlertCue::none) {
    return PlaceRating{level, cue, 0};
}

bool isDepartureState(OccState occState) {
    return occState == occDeparture || occState == occReversingDeparture;
}

/// A move or work is under way at the place itself (couplings at its ends are not counted here).
bool moveInProgress(const Location& l) {
    return l.busyTicks > 0 || (l.occState >= occComingIn && l.occState <= occPassingThrough);
}

bool couplingPending(const Location& l) {
    return l.couplingTicks[lowEnd] > 0 || l.couplingTicks[highEnd] > 0 || l.enginePairTicks[lowEnd] > 0 ||
           l.enginePairTicks[highEnd] > 0;
}

/// The places where a departure often stands with its engine at the wrong end after running round.
bool isTerminalRoad(const Location& l) {
    for (std::string_view code : {"GNB", "PL4", "P6N", "P6S", "ULD", "PL2", "PL5", "BAY"})
        if (l.code.view() == code) return true;
    return false;
}

/// Towards the lower-numbered end of the layout.
bool runsDown(const GameState& s, OccState occState, int occupant) {
    if (occState == occArrival && isArrival(s, occupant))
        return s.arrivals[occupant].group < s.arrivals[occupant].line;
    if (isDepartureState(occState) && isDeparture(s, occupant))
        return s.departures[occupant].line < s.departures[occupant].group;
    return false;
}

/// Some place of the group can reach the place in one move.
bool groupReaches(const GameState& s, int group, LocationId place) {
    if (s.locations[place].group == group) return true;
    for (LocationId p = 1; p <= placeCount; ++p)
        if (s.locations[p].group == group && canReach(p, place)) return true;
    return false;
}

/// Something is moving in or being worked: the player has acted. A train about to come to a stand is
/// due shortly; nothing else is asked of the player until it is done.
PlaceRating inProgress(const Location& l) {
    if (l.occState == occComingIn && l.busyTicks > 0 && l.busyTicks < comingInTicks) return rated(1);
    return none;
}

/// Stock standing for a departure: due within 10 minutes and with nothing more to come, it should stand
/// where the departure can leave; a rake may carry portions of several departures.
PlaceRating stockRating(const GameState& s, const Location& l, PortionIndex first) {
    PlaceRating best;
    PortionIndex p = first;
    // Bounded, so that a damaged chain of portions cannot hold the scan.
    for (int walked = 0; isPortion(s, p) && walked < portionCapacity; ++walked, p = s.portions[p].next) {
        const DepartureIndex di = s.portions[p].departure;
        if (!isDeparture(s, di)) continue;
        const Departure& d = s.departures[di];
        if (isPseudoDeparture(d) || d.state >= departureOnWayOut || d.time >= s.clock + formedWindow)
            continue;
        if (!arrivalHasArrived(s, formingArrival(s, di))) continue;
        PlaceRating r;
        if (l.group == d.group || d.trainType > 6)
            r = rated(d.time <= s.clock ? 2 : 1);
        else
            r = rated(3, AlertCue::soon);
        if (r.level > best.level) best = r;
    }
    return best;
}

/// Traffic still being worked cannot be assigned yet; worked out, it is stock like any other.
PlaceRating trafficRating(const GameState& s, const Location& l, TrafficIndex traffic) {
    if (!isTraffic(s, traffic)) return none;
    const Traffic& t = s.traffic[traffic];
    if (t.readyAt != 0) return rated(1);
    return stockRating(s, l, t.portion);
}

/// A departure of the road's own group that has not been sent away.
PlaceRating ownDepartureOnRoad(const GameState& s, const Location& l, const Departure& d) {
    if (d.trainType >= 8) {
        if (d.time <= s.clock) return rated(2, AlertCue::ready);
        if (d.time < s.clock + dueShortly) return rated(1);
        return none;
    }
    if (d.trainType < 5 && d.time < s.clock) return rated(4, AlertCue::late);
    if (d.time < s.clock + dueShortly) return rated(3, AlertCue::soon);
    const int leaving = d.line < d.group ? lowEnd : highEnd;
    const int other = 1 - leaving;
    if (isTerminalRoad(l) && l.endFlag[other] != 0 && hasEngineAtEnd(l, other) &&
        !hasEngineAtEnd(l, leaving) && d.time < s.clock + wrongEndWindow)
        return rated(3);
    return none;
}

/// Platform roads and running loops.
PlaceRating roadRating(const GameState& s, const Location& l, OccState occState, int occupant) {
    if (moveInProgress(l)) return inProgress(l);
    if (isDepartureState(occState) && isDeparture(s, occupant)) {
        const Departure& d = s.departures[occupant];
        if (d.group == l.group && d.state <= departureReady) return ownDepartureOnRoad(s, l, d);
        if (d.trainType > 4 || (d.state != departureGone && s.clock < d.time))
            return rated(2, AlertCue::ready);
        return rated(4, AlertCue::late);
    }
    if (occState == occArrival && isArrival(s, occupant)) {
        const Arrival& a = s.arrivals[occupant];
        if (a.trainType <= 4) return rated(4, AlertCue::late);
        // The coupling under way is the player's own doing: it is ready once that is done.
        return couplingPending(l) ? rated(1) : rated(2, AlertCue::ready);
    }
    if (occState == occTraffic) return trafficRating(s, l, occupant);
    if (occState == occStock) return stockRating(s, l, occupant);
    return none;
}

/// A departure formed in a siding.
PlaceRating departureInSiding(const GameState& s, const Location& l, LocationId place, DepartureIndex di) {
    const Departure& d = s.departures[di];
    if (d.trainType < 5) {
        if (!arrivalHasArrived(s, formingArrival(s, di))) return none;
        if (d.time < s.clock + formedSoon) return rated(3, AlertCue::late);
        if (d.time < s.clock + formedWindow) return rated(2, AlertCue::ready);
        return none;
    }
    if (d.trainType <= 7) {
        if (d.time <= s.clock) return rated(2, AlertCue::soon);
        if (d.state < departureOnWayOut && d.time < s.clock + dueShortly) return rated(1, AlertCue::ready);
        return none;
    }
    if (moveInProgress(l)) return inProgress(l);
    if (d.time <= s.clock) return rated(2);
    if (d.time < s.clock + engineSoon || !groupReaches(s, d.group, place)) return rated(1);
    return none;
}

/// Sidings, yard roads and carriage roads.
PlaceRating sidingRating(const GameState& s, const Location& l, LocationId place, OccState occState,
                         int occupant) {
    if (isDepartureState(occState) && isDeparture(s, occupant))
        return departureInSiding(s, l, place, occupant);
    if (moveInProgress(l)) return inProgress(l);
    if (occState == occArrival && isArrival(s, occupant)) {
        // An arrival outside its yard's shunting roads is rated as one that may be shunted: it needs the
        // player all the same.
        return s.arrivals[occupant].trainType > 4 ? rated(2, AlertCue::ready) : rated(4, AlertCue::late);
    }
    if (occState == occTraffic) return trafficRating(s, l, occupant);
    if (occState == occStock) return stockRating(s, l, occupant);
    return none;
}

bool passengerOnTheMove(const GameState& s, OccState occState, int occupant) {
    if (occState == occArrival && isArrival(s, occupant)) return s.arrivals[occupant].trainType < 5;
    if (isDepartureState(occState) && isDeparture(s, occupant)) {
        const Departure& d = s.departures[occupant];
        return d.trainType <= 4 && d.state > departureReady;
    }
    return false;
}

/// A running-line section between junctions: a train should not stand there.
PlaceRating sectionRating(const GameState& s, const Location& l, LocationId place, OccState occState,
                          int occupant) {
    if (l.occState == occComingIn) {
        if (l.busyTicks <= 0 || l.busyTicks >= comingInTicks) return none;
        const Location& berth = s.locations[place + secondBerthOffset];
        return passengerOnTheMove(s, berth.occState, berth.occupant) ? rated(3, AlertCue::soon) : rated(1);
    }
    if (moveInProgress(l)) return none;
    if (passengerOnTheMove(s, occState, occupant)) return rated(4, AlertCue::late);
    if (occState == occArrival && isArrival(s, occupant)) return rated(2, AlertCue::ready);
    if (isDepartureState(occState) && isDeparture(s, occupant)) {
        const Departure& d = s.departures[occupant];
        const bool cue =
            (d.trainType <= 4 && d.time <= s.clock + engineSoon) || d.group != l.group || d.time <= s.clock;
        return rated(2, cue ? AlertCue::ready : AlertCue::none);
    }
    return rated(1);
}

/// The screen a section's rating counts for: two junctions are worked from the screen their trains run to.
int sectionScreen(const GameState& s, const Location& l, LocationId place, OccState occState, int occupant) {
    if (l.occState == occComingIn) {
        const Location& berth = s.locations[place + secondBerthOffset];
        occState = berth.occState;
        occupant = berth.occupant;
    }
    const std::string_view code = l.code.view();
    if (code == "DRJ" && runsDown(s, occState, occupant)) return commonScreen;
    if ((code == "UGA" || code == "UF4" || code == "US4") &&
        (runsDown(s, occState, occupant) || occState == occStock))
        return yardsScreen;
    return l.screen;
}
} // namespace

bool arrivalHasArrived(const GameState& s, ArrivalIndex arrival) {
    if (!isArrival(s, arrival)) return true;
    const Arrival& a = s.arrivals[arrival];
    if (a.time == 0) return true;
    if (a.line >= 1 && a.line <= lineCapacity && !isLocalLine(a.line)) {
        // The queue moves on from an arrival once it has left the entry place for the layout.
        const Line& line = s.lines[a.line];
        const ArrivalIndex pending = isFreightFamily(a.trainType) ? line.nextFreight : line.nextPassenger;
        return pending == 0 || pending > arrival;
    }
    // A trip between the yards comes in as its outward working leaves: it is here once it stands or
    // comes in somewhere, or once its rake has been taken off it.
    for (LocationId p = 1; p <= placeCount; ++p) {
        for (const Location* l : {&s.locations[p], &s.locations[p + secondBerthOffset]}) {
            if ((l->occState == occArrival && l->occupant == arrival) ||
                (l->occState2 == occArrival && l->occupant2 == arrival))
                return s.locations[p].kind != kindEntryPoint;
        }
    }
    return isPortion(s, a.firstPortion) && s.portions[a.firstPortion].portionState != portionOnTrain;
}

PlaceRating ratePlace(const GameState& s, LocationId place, OccState occState, int occupant) {
    if (place < 1 || place > placeCount) return none;
    const Location& l = s.locations[place];
    PlaceRating r;
    switch (l.kind) {
    case kindPlatform:
    case kindThroughRoad:
        r = roadRating(s, l, occState, occupant);
        break;
    case kindSiding:
        r = sidingRating(s, l, place, occState, occupant);
        break;
    case kindRunningSection:
        r = sectionRating(s, l, place, occState, occupant);
        r.screen = sectionScreen(s, l, place, occState, occupant);
        return r;
    default:
        // Line ends, shed roads, service points and turntables: the approach lines and the engine
        // watch call the player to them.
        break;
    }
    r.screen = l.screen;
    return r;
}

} // namespace wm
