// What the engine takes with it, and the three moves that change what it counts as.

#include "movement/leaving_area.h"
#include "movement/leg_contents.h"
#include "movement/light_engine_offer.h"
#include "movement/move_predicates.h"
#include "movement/move_rules.h"
#include "rules/departure_readiness.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
RuleSubject subjectOf(const GameState& s, const MoveContext& move, LocationId from) {
    const MovingThing m = movingThing(s, move, from);
    RuleSubject r;
    r.occupant = m.occupant;
    r.enginePlace = m.enginePlace;
    const Location& l = s.locations[m.source];
    r.sharedPlace = l.occState != occEmpty && l.occupant > 0 && l.occState2 != occEmpty && l.occupant2 > 0;
    switch (m.occState) {
    case occArrival:
        r.kind = Moving::arrival;
        r.trainType = m.trainType;
        break;
    case occDeparture:
    case occReversingDeparture:
        r.kind = Moving::departure;
        r.trainType = m.trainType;
        break;
    case occStock:
        r.kind = Moving::rake;
        break;
    case occTraffic:
        r.kind = Moving::traffic;
        break;
    default:
        r.kind = Moving::light;
        r.occupant = 0;
        break;
    }
    return r;
}

void takeAsDeparture(MoveRules& r, DepartureIndex departure) {
    r.what.rakeHead = r.what.occupant;
    r.what.kind = Moving::departure;
    r.what.occupant = departure;
    r.what.trainType = r.state().departures[departure].trainType;
}

/// A rake that makes up a departure due soon goes as that departure when it is taken out of the group.
bool rakeAsDeparture(MoveRules& r) {
    GameState& s = r.state();
    // With a second train beside it there is nowhere to leave the rest of the rake.
    if (r.what.sharedPlace) return true;
    const PortionIndex head = r.what.occupant;
    // Pushed from the rear, only a rake coupled throughout takes its engine with the part that leads.
    if (r.engineAtRear() && !rakeFullyCoupled(s, head)) return true;
    const PortionIndex leading = r.up() ? rakeTail(s, head) : head;
    if (!isPortion(s, leading)) return true;
    const DepartureIndex departure = s.portions[leading].departure;
    if (!isDeparture(s, departure)) return true;
    const Departure& d = s.departures[departure];
    if (d.state >= departureOnWayOut || d.group == r.toPlace().group) return true;
    if (d.time < s.clock + 10 && departureMayLeave(s, r.from, departure)) {
        takeAsDeparture(r, departure);
        return true;
    }
    const bool runsWithMove = !departureRunsDown(d) == r.up();
    if (isFreightFamily(d.trainType) && d.time < s.clock + 61 && runsWithMove &&
        leavesArea(s, r.from, r.to)) {
        if (!r.ask("Do you mean the " + trainWords(d) + " to leave early?")) return false;
        takeAsDeparture(r, departure);
    }
    return true;
}
} // namespace

bool classifyMove(MoveRules& r) {
    const GameState& s = r.state();
    r.what = subjectOf(s, r.move(), r.from);
    if (r.what.kind == Moving::rake) return rakeAsDeparture(r);
    if (r.what.kind == Moving::arrival) {
        const Arrival& a = s.arrivals[r.what.occupant];
        // Only an arrival without a train can form no departure; the leg drops its identity on the same test.
        if (isLightEngine(a.trainType) && a.group == r.toPlace().group && a.firstPortion == 0) {
            r.what.kind = Moving::light;
            r.what.lostIdentity = true;
        }
    }
    return true;
}

} // namespace wm
