// The to-location must have room for what comes in: an engine needs free engine places, a train a clear
// road or something to couple onto, and platform 6 is one road when a long train uses it.

#include "movement/move_predicates.h"
#include "movement/move_rules.h"
#include "movement/rake_as_departure.h"
#include "movement/section_ops.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

namespace {
constexpr int maxPortions = 12;
constexpr int ordinaryPassenger = 4; // "Passenger": the only trains joined to one another in a platform
constexpr LocationId platformSixNorth = 100;
constexpr LocationId platformSixSouth = 104;

bool isDepartureState(int occState) {
    return occState == occDeparture || occState == occReversingDeparture;
}

/// The first portion of what a place or the move holds, for counting portions.
PortionIndex rakeHead(const GameState& s, int occState, int occupant) {
    if (occState == occStock) return isPortion(s, occupant) ? occupant : 0;
    if (occState == occTraffic) return isTraffic(s, occupant) ? s.traffic[occupant].portion : 0;
    if (occState == occArrival) return isArrival(s, occupant) ? s.arrivals[occupant].firstPortion : 0;
    if (isDepartureState(occState)) return isDeparture(s, occupant) ? s.departures[occupant].firstPortion : 0;
    return 0;
}

int portionsMoving(const MoveRules& r) {
    const GameState& s = r.state();
    switch (r.what.kind) {
    case Moving::rake:
        return rakeLength(s, r.what.occupant);
    case Moving::traffic:
        return rakeLength(s, rakeHead(s, occTraffic, r.what.occupant));
    case Moving::arrival:
        return rakeLength(s, rakeHead(s, occArrival, r.what.occupant));
    case Moving::departure:
        // Only the part coupled through to the leading end goes; the rest stays behind.
        if (r.what.rakeHead != 0) return portionsGoingAsDeparture(s, r.what.rakeHead, r.up());
        return rakeLength(s, rakeHead(s, occDeparture, r.what.occupant));
    case Moving::light:
        break;
    }
    return 0;
}

/// The departure the moving train counts as once it is coupled: itself, or what an arrival forms.
DepartureIndex departureMoving(const MoveRules& r) {
    if (r.what.kind == Moving::departure) return r.what.occupant;
    if (r.what.kind == Moving::arrival) return departureFormedBy(r.state(), r.what.occupant);
    return 0;
}

int typeOf(const GameState& s, DepartureIndex departure) {
    return isDeparture(s, departure) ? s.departures[departure].trainType : -1;
}

/// What the move couples onto at the to-location; nothing when it only runs in.
CouplePlan couplingAt(const MoveRules& r) {
    const GameState& s = r.state();
    const Location& there = r.toPlace();
    // A second train there would have no berth left once the two are joined.
    if (there.occState2 != occEmpty) return {};
    if (there.occState == occStock && isPortion(s, there.occupant)) {
        const bool rakeOrFormed = r.what.kind == Moving::rake || r.what.rakeHead != 0;
        const bool arrivalHome =
            r.what.kind == Moving::arrival && s.arrivals[r.what.occupant].group == there.group;
        if (!rakeOrFormed && !arrivalHome) return {};
        if (r.what.rakeHead != 0 && s.portions[there.occupant].departure == r.what.occupant)
            return {CoupleTo::restOfDeparture, there.occupant};
        return {CoupleTo::rake, there.occupant};
    }
    const int standingType = isDepartureState(there.occState) ? typeOf(s, there.occupant) : -1;
    if (r.what.kind == Moving::departure) {
        const int movingType = typeOf(s, r.what.occupant);
        if (standingType == ordinaryPassenger && movingType == ordinaryPassenger && isStockRoad(there.kind) &&
            !isOneOf(r.to, {100, 101, 104, 105}))
            return {CoupleTo::departure, there.occupant};
        if (there.occState == occTraffic && isTraffic(s, there.occupant) && movingType > 8)
            return {CoupleTo::traffic, there.occupant};
    }
    if (r.what.kind == Moving::arrival) {
        const Arrival& a = s.arrivals[r.what.occupant];
        if (a.trainType == ordinaryPassenger && typeOf(s, departureMoving(r)) == ordinaryPassenger &&
            standingType == ordinaryPassenger && there.kind == kindPlatform && there.group == a.group &&
            r.to != platformSixNorth && r.to != platformSixSouth)
            return {CoupleTo::departure, there.occupant};
    }
    return {};
}

bool movingLongTrain(const MoveRules& r) {
    if (r.what.kind == Moving::arrival) return longTrain(r.state(), occArrival, r.what.occupant);
    if (r.what.kind == Moving::departure) return longTrain(r.state(), occDeparture, r.what.occupant);
    return false;
}

/// Platform 6 is one long road of two halves. Gives the half the checks that follow look at.
bool platformSixPasses(const MoveRules& r, bool coupling, LocationId& checked) {
    const GameState& s = r.state();
    if (!coupling) return true;
    if (movingLongTrain(r)) {
        const bool intoNorthUp = r.to == platformSixNorth && r.up();
        const bool intoSouthDown = r.to == platformSixSouth && !r.up();
        if (intoNorthUp || intoSouthDown) {
            checked = intoNorthUp ? platformSixSouth : platformSixNorth;
            if (!locationClear(s, checked)) return r.refuse("All of platform 6 needed for long train");
        }
    }
    if (holdsLongTrain(s, platformSixNorth) || holdsLongTrain(s, platformSixSouth)) {
        const LocationId from = r.from;
        const LocationId to = r.to;
        const bool crosses = (from < platformSixSouth && to == platformSixSouth) ||
                             (from > platformSixNorth && to == platformSixNorth) ||
                             (from == platformSixNorth && to > platformSixNorth) ||
                             (from == platformSixSouth && to < platformSixSouth);
        if (crosses) return r.refuse("Crossover blocked by long train in P6");
    }
    return true;
}

/// An engine of the place other than the ones that move.
bool takenByOther(const MoveRules& r, const Location& l, int enginePlace) {
    const LocoIndex engine = enginePlace >= 1 && enginePlace <= 4 ? l.locoAt[enginePlace] : 0;
    return isRealEngine(engine) && engine != r.move().moveEngine && engine != r.move().secondEngine;
}

bool trainInto(MoveRules& r) {
    const GameState& s = r.state();
    const Location& here = r.fromPlace();
    const bool up = r.up();
    const CouplePlan plan = couplingAt(r);
    const bool coupling = plan.onto != CoupleTo::nothing;
    const bool departureInPlatform = plan.onto == CoupleTo::departure && r.toPlace().kind == kindPlatform;
    const bool trafficJoinsOwnTrain = plan.onto == CoupleTo::traffic && isTraffic(s, plan.reference) &&
                                      s.traffic[plan.reference].departure == departureMoving(r);
    if (coupling) {
        const Location& there = r.toPlace();
        const int standing = rakeLength(s, rakeHead(s, there.occState, there.occupant));
        if (portionsMoving(r) + standing > maxPortions)
            return r.refuse("Creating train of more than 12 portions");
        if (!departureInPlatform && takenByOther(r, here, up ? 3 : 2)) return r.notClear();
        if (!trafficJoinsOwnTrain && placeTaken(there, up ? 2 : 3)) return r.notClear();
    }
    LocationId checked = r.to;
    if (!platformSixPasses(r, coupling, checked)) return false;
    const Location& there = s.locations[checked];
    const bool engineLeads = up ? r.what.enginePlace >= 3 : r.what.enginePlace <= 2;
    if (!engineLeads) {
        const bool blocked = up ? takenByOther(r, here, 3) || takenByOther(r, here, 4)
                                : takenByOther(r, here, 1) || takenByOther(r, here, 2);
        if (blocked) return r.notClear();
    } else if (!departureInPlatform) {
        const bool near = placeTaken(there, up ? 3 : 2);
        const bool far = placeTaken(there, up ? 4 : 1);
        if ((near && far) || (isRealEngine(r.move().secondEngine) && (near || far))) return r.notClear();
    }
    if (there.occState != occEmpty && !coupling) {
        if (there.occState == occWorkInProgress) return r.refuse("Please wait until work is completed");
        return r.notClear();
    }
    if (!trafficJoinsOwnTrain) {
        const bool enteringEndTaken =
            up ? placeTaken(there, 1) || placeTaken(there, 2) : placeTaken(there, 3) || placeTaken(there, 4);
        if (enteringEndTaken) return r.notClear();
    }
    if (there.kind == kindRunningSection && !locationClear(s, checked)) return r.notClear();
    r.move().couplePlan = plan;
    return true;
}
} // namespace

bool destinationRulesPass(MoveRules& r) {
    const GameState& s = r.state();
    const bool light = r.what.kind == Moving::light;
    const bool single = !isRealEngine(r.move().secondEngine);
    switch (r.toPlace().kind) {
    case kindExitPoint:
        return locationClear(s, r.to) || r.notClear();
    case kindShedRoad:
        if (!light) return r.notPossible();
        return roomAtHighEnd(s, r.to, true) || r.notClear();
    case kindServicePoint:
    case kindTurntable:
        if (!light) return r.notPossible();
        return locationClear(s, r.to) || r.notClear();
    case kindPlatform:
    case kindThroughRoad:
    case kindSiding:
    case kindRunningSection:
        if (light) {
            const bool room = r.up() ? roomAtLowEnd(s, r.to, single) : roomAtHighEnd(s, r.to, single);
            const bool clear = r.toPlace().kind != kindRunningSection || locationClear(s, r.to);
            return (room && clear) || r.notClear();
        }
        return trainInto(r);
    case kindEntryPoint:
        break;
    }
    return true;
}

} // namespace wm
