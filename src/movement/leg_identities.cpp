#include "movement/leg_identities.h"

#include <string>

#include "movement/engine_needs.h"
#include "rules/departure_scoring.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
int groupOf(const GameState& s, LocationId place) {
    return isPlace(place) ? s.locations[place].group : 0;
}

/// Platform 6 and the up roads beside it, where a departure is only drawn up, not yet sent.
bool isPlatformSixRoad(LocationId place) {
    return place == 100 || place == 101 || place == 104 || place == 105;
}

/// A light-engine arrival in its own group is just an engine from now on.
bool dropLightEngineArrival(MoveWorld& w, MovingThing& m) {
    const Arrival& a = w.state.arrivals[m.occupant];
    if (!isLightEngine(a.trainType) || a.firstPortion != 0 || groupOf(w.state, w.move.moveTo) != a.group)
        return false;
    drawEngineNeed(w.state, w.services, m.occupant);
    m.occState = occEmpty;
    m.occupant = 0;
    return true;
}

bool runOnAsDeparture(MoveWorld& w, MovingThing& m) {
    GameState& s = w.state;
    const Arrival& a = s.arrivals[m.occupant];
    const Location& start = s.locations[m.source];
    const bool standsInItsGroup =
        (start.kind == kindPlatform || start.kind == kindThroughRoad) && start.group == a.group;
    if (!w.move.throughRun || !standsInItsGroup || groupOf(s, w.move.moveTo) == a.group) return false;
    const DepartureIndex departure = throughDeparture(s, m.occupant);
    if (departure == 0) return false;
    s.departures[departure].state = departureOnWayOut;
    m.occState = occDeparture;
    m.occupant = departure;
    m.trainType = s.departures[departure].trainType;
    return true;
}

void shuntOrSendAway(MoveWorld& w, MovingThing& m) {
    GameState& s = w.state;
    Departure& d = s.departures[m.occupant];
    if (d.state >= departureOnWayOut) return;
    const LocationId to = w.move.moveTo;
    if (groupOf(s, to) == d.group && !isPlatformSixRoad(to)) return;
    const bool toExit = isPlace(to) && s.locations[to].kind == kindExitPoint;
    if (w.move.isShunt && !toExit) {
        d.state = departureFormed;
        return;
    }
    d.state = departureOnWayOut;
    m.occState = occDeparture;
}

void bringIntoItsGroup(MoveWorld& w, const MovingThing& m) {
    GameState& s = w.state;
    Arrival& a = s.arrivals[m.occupant];
    if (groupOf(s, w.move.moveTo) != a.group || groupOf(s, w.move.moveFrom) == a.group) return;
    if (a.origin.view().starts_with('#'))
        w.services.notice("Shunt at " + groupName(a.group) + " for following train to pass");
    drawEngineNeed(s, w.services, m.occupant);
    a.condCode = condAvailable; // drawn once
}
} // namespace

ArrivalIndex formingArrival(const GameState& s, DepartureIndex departure) {
    if (!isDeparture(s, departure)) return 0;
    const ArrivalIndex through = throughArrival(s, departure);
    if (through != 0) return through;
    const PortionIndex first = s.departures[departure].firstPortion;
    const ArrivalIndex brought = isPortion(s, first) ? s.portions[first].arrival : 0;
    return isArrival(s, brought) ? brought : 0;
}

void continueOnInternalLine(MoveWorld& w, MovingThing& m) {
    GameState& s = w.state;
    if (m.occState != occDeparture && m.occState != occReversingDeparture) return;
    Departure& d = s.departures[m.occupant];
    if (d.state != departureOnWayOut || !isLocalLine(d.line) || !isArrival(s, d.returnArrival)) return;
    d.state = departureGone;
    scoreDepartureLeaving(s, w.console, m.occupant, w.move.moveEngine, w.move.secondEngine);
    Arrival& next = s.arrivals[d.returnArrival];
    if (isRealEngine(w.move.moveEngine)) next.loco = w.move.moveEngine;
    const ArrivalIndex formedFrom = formingArrival(s, m.occupant);
    if (formedFrom != 0 && s.arrivals[formedFrom].late > 0) next.late = s.arrivals[formedFrom].late;
    m.occState = occArrival;
    m.occupant = d.returnArrival;
    m.trainType = next.trainType;
}

IdentityChange changeIdentities(MoveWorld& w, MovingThing& m) {
    IdentityChange change;
    if (m.occState == occArrival) {
        if (dropLightEngineArrival(w, m)) return change;
        change.ranOnAsDeparture = runOnAsDeparture(w, m);
    }
    if (m.occState == occDeparture || m.occState == occReversingDeparture) shuntOrSendAway(w, m);
    continueOnInternalLine(w, m);
    if (m.occState == occArrival) bringIntoItsGroup(w, m);
    return change;
}

} // namespace wm
